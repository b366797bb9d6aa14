#include "app/shell/ButtonSheet.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <array>

namespace {

// Colour families, so that a button's job shows before its word is read.
enum class Tone { Go, Stop, Print, Calm };

struct Button {
    int cell;
    const char* label; // a line break splits it into two lines
    Tone tone;
    // The face's horizontal extent within the 70-pixel picture. Done and the tools' Cancel are
    // narrower: the photo tools put Done 100 twips past the window's left edge and Cancel over
    // Done's last 150 twips, in a box 13/16 as wide, so both faces must stay clear of that.
    int faceLeft = 1;
    int faceWidth = 68;
};

// Every normal cell that a screen shows; its pressed look is painted 12 cells further on.
constexpr std::array buttons{
    Button{0, "Help", Tone::Calm},             // style screen, text dialog, print screens
    Button{1, "OK", Tone::Go},                 // style screen, text dialog
    Button{3, "Next", Tone::Go},               // print wizard
    Button{4, "Save", Tone::Print},            // editor
    Button{5, "About", Tone::Calm},            // welcome screen
    Button{9, "Cancel", Tone::Stop},           // message box
    Button{10, "Printer\nSetup", Tone::Print}, // print introduction
    Button{24, "Cancel", Tone::Stop},          // style screen, text dialog, print screens
    Button{25, "Main\nMenu", Tone::Calm},      // editor
    Button{26, "Back", Tone::Calm},            // print wizard
    Button{27, "Print\nCards", Tone::Print},   // print introduction, print wizard
    Button{28, "Print", Tone::Print},          // editor, print wizard
    Button{29, "Print\nTest", Tone::Print},    // print introduction, print wizard
    Button{32, "Yes", Tone::Go},               // message box
    Button{33, "No", Tone::Stop},              // message box
    Button{34, "OK", Tone::Go},                // message box
    Button{48, "Help", Tone::Calm},            // occasion screen
    Button{49, "Cancel", Tone::Stop},          // occasion screen
    Button{50, "Exit", Tone::Stop},            // welcome screen
    Button{51, "Done", Tone::Go, 8, 50},       // editor: photo tools, clip-art browser
    Button{52, "Cancel", Tone::Stop, 1, 55},   // editor: photo tools, loading panels
};

constexpr int PressedOffset = ButtonSheet::Columns;

constexpr bool cellsFit() {
    for (const Button& button : buttons) {
        const int pressed = button.cell + PressedOffset;
        if (button.cell < 0 || pressed >= ButtonSheet::Columns * ButtonSheet::Rows ||
            button.faceLeft < 0 || button.faceLeft + button.faceWidth > ButtonSheet::PictureWidth) {
            return false;
        }
        for (const Button& other : buttons) {
            if (&other != &button && (other.cell == button.cell || other.cell == pressed)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(cellsFit(), "every button and its pressed look need cells of their own");

struct Colours {
    QColor top, bottom, rim, ink;
};

Colours coloursOf(Tone tone) {
    switch (tone) {
    case Tone::Go:
        return {QColor(0xD4, 0xF5, 0xC8), QColor(0x6C, 0xC2, 0x6A), QColor(0x2F, 0x6F, 0x35),
                QColor(0x17, 0x44, 0x1C)};
    case Tone::Stop:
        return {QColor(0xFF, 0xDD, 0xD2), QColor(0xEE, 0x8A, 0x7C), QColor(0x9E, 0x3F, 0x36),
                QColor(0x5C, 0x17, 0x12)};
    case Tone::Print:
        return {QColor(0xD9, 0xEC, 0xFF), QColor(0x73, 0xA9, 0xE4), QColor(0x2C, 0x57, 0x8C),
                QColor(0x12, 0x2E, 0x52)};
    case Tone::Calm:
        break;
    }
    return {QColor(0xF1, 0xEA, 0xFB), QColor(0xA8, 0x96, 0xD2), QColor(0x58, 0x45, 0x88),
            QColor(0x2B, 0x1F, 0x4D)};
}

// The largest bold rounded font, up to a friendly size, in which the label fits the area.
QFont labelFont(const QString& label, const QRectF& area) {
    QFont font;
    // The program maps the design's family to its installed rounded font at start-up; naming
    // that font as well keeps the sheet's look when the sheet is painted without the mapping.
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setBold(true);
    constexpr int smallest = 7;
    for (int pixels = label.contains(QLatin1Char('\n')) ? 13 : 16; pixels > smallest; --pixels) {
        font.setPixelSize(pixels);
        const QRectF needed = QFontMetricsF(font).boundingRect(area, Qt::AlignCenter, label);
        if (needed.width() <= area.width() && needed.height() <= area.height()) {
            return font;
        }
    }
    font.setPixelSize(smallest);
    return font;
}

// Paints one button into the picture area whose top-left corner is `origin`. The pressed look
// sinks into the window: moved right and down, darker, lit from below, with an inner shadow.
void paintButton(QPainter& painter, QPointF origin, const Button& button, bool pressed) {
    const Colours colours = coloursOf(button.tone);
    const QPointF sink = pressed ? QPointF(1, 2) : QPointF(0, 0);
    // Clear of the top 3 rows: the occasion screen shows its buttons without them.
    const QRectF face(origin + QPointF(button.faceLeft + 0.5, 4.5) + sink,
                      QSizeF(button.faceWidth - 1, 34));
    QPainterPath shape;
    shape.addRoundedRect(face, 11, 11);

    if (!pressed) {
        painter.fillPath(shape.translated(0, 2.5), QColor(0x3C, 0x28, 0x5A, 90));
    }

    QLinearGradient body(face.topLeft(), face.bottomLeft());
    if (pressed) {
        body.setColorAt(0, colours.bottom.darker(125));
        body.setColorAt(1, colours.top.darker(108));
    } else {
        body.setColorAt(0, colours.top);
        body.setColorAt(1, colours.bottom);
    }
    painter.fillPath(shape, body);

    painter.save();
    painter.setClipPath(shape);
    if (pressed) {
        painter.strokePath(shape.translated(1.5, 2.5), QPen(QColor(0, 0, 0, 95), 5));
    } else {
        QPainterPath gloss;
        gloss.addRoundedRect(face.adjusted(4, 2, -4, -face.height() * 0.55), 7, 7);
        QLinearGradient shine(gloss.boundingRect().topLeft(), gloss.boundingRect().bottomLeft());
        shine.setColorAt(0, QColor(255, 255, 255, 170));
        shine.setColorAt(1, QColor(255, 255, 255, 20));
        painter.fillPath(gloss, shine);
    }
    painter.restore();

    painter.strokePath(shape, QPen(pressed ? colours.rim.darker(130) : colours.rim, 1.6));

    const QString label = QString::fromLatin1(button.label);
    const QRectF textArea = face.adjusted(4, 2, -4, -2);
    painter.setFont(labelFont(label, textArea));
    if (!pressed) {
        painter.setPen(QColor(255, 255, 255, 150));
        painter.drawText(textArea.translated(0, 1), Qt::AlignCenter, label);
    }
    painter.setPen(colours.ink);
    painter.drawText(textArea, Qt::AlignCenter, label);
}

QImage paintSheet() {
    QImage sheet(ButtonSheet::Columns * ButtonSheet::CellWidth,
                 ButtonSheet::Rows * ButtonSheet::CellHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const auto pictureOrigin = [](int cell) {
        return QPointF((cell % ButtonSheet::Columns) * ButtonSheet::CellWidth +
                           ButtonSheet::PictureLeft,
                       (cell / ButtonSheet::Columns) * ButtonSheet::CellHeight);
    };
    for (const Button& button : buttons) {
        painter.save();
        painter.setClipRect(QRectF(pictureOrigin(button.cell),
                                   QSizeF(ButtonSheet::PictureWidth, ButtonSheet::PictureHeight)));
        paintButton(painter, pictureOrigin(button.cell), button, false);
        painter.setClipRect(QRectF(pictureOrigin(button.cell + PressedOffset),
                                   QSizeF(ButtonSheet::PictureWidth, ButtonSheet::PictureHeight)));
        paintButton(painter, pictureOrigin(button.cell + PressedOffset), button, true);
        painter.restore();
    }
    return sheet;
}

} // namespace

const QImage& ButtonSheet::sheet() {
    static const QImage painted = paintSheet();
    return painted;
}

QPixmap ButtonSheet::cell(int number) {
    if (number < 0 || number >= Columns * Rows) {
        return {};
    }
    const QRect area((number % Columns) * CellWidth + PictureLeft, (number / Columns) * CellHeight,
                     PictureWidth, PictureHeight);
    return QPixmap::fromImage(sheet().copy(area));
}
