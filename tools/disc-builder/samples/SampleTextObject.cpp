#include "tools/disc-builder/samples/SampleTextObject.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <cmath>

namespace {

constexpr double twipsPerPixel = 15;
// 96 dots per inch, the screen the editor's twips are counted on.
constexpr int dotsPerMeter = 3780;

qint32 cardColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

qint32 twips(double pixels) {
    return static_cast<qint32>(std::nearbyint(pixels * twipsPerPixel));
}

} // namespace

std::shared_ptr<PictureObject> MakeTextObject(const SampleText& text) {
    auto object = std::make_shared<PictureObject>();
    object->PictureType = PictureObject::TextObject;
    object->Align = text.align;
    object->Color = cardColour(text.colour);
    object->setFontName(text.font);
    object->setFontSize(text.size);
    object->setFontBold(text.bold);
    object->setFontItalic(text.italic);
    object->ApparentFontSize = text.size;

    QFont font(text.font);
    font.setPointSizeF(text.size);
    font.setBold(text.bold);
    font.setItalic(text.italic);
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(dotsPerMeter);
    screen.setDotsPerMeterY(dotsPerMeter);
    const QFontMetricsF metrics(font, &screen);

    double widest = 0;
    for (int line = 0; line < text.lines.size(); ++line) {
        const bool last = line == text.lines.size() - 1;
        object->Text->Add(last ? text.lines.at(line) : text.lines.at(line) + QChar(31));
        const double width = metrics.horizontalAdvance(text.lines.at(line));
        if (width > widest) {
            widest = width;
            object->LongestLine = static_cast<qint16>(line + 1);
        }
    }
    if (object->LongestLine == 0 && !text.lines.isEmpty()) {
        object->LongestLine = 1;
    }
    object->LineHeight = twips(metrics.height());
    object->BitmapWidth = twips(widest);
    object->BitmapHeight = object->LineHeight * static_cast<qint32>(text.lines.size());
    object->Width = object->BitmapWidth + 30;
    object->Height = object->BitmapHeight + 30;
    return object;
}
