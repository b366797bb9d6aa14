#include "platform/ImagingControl.h"

#include "platform/FilePaths.h"
#include "platform/PhotoLoader.h"
#include "platform/PixelOperations.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QtMath>
#include <algorithm>
#include <utility>

namespace {

// 96 dots per inch, the resolution text is measured and drawn at.
constexpr int textDotsPerMeter = 3780;
// Measured sizes a rounding error above a whole pixel still count as that pixel.
constexpr double measuringSlack = 1e-6;

QHash<quint32, ImagingControl*>& livingControls() {
    static QHash<quint32, ImagingControl*> controls;
    return controls;
}

quint32 nextControlId = 1;

// Image handles are even, region handles odd, so neither is taken for the other.
ImageHandle imageHandleOf(quint32 id) {
    return id * 2;
}

ImageHandle regionHandleOf(quint32 id) {
    return id * 2 + 1;
}

ImagingControl* controlOf(ImageHandle handle, bool regionHandle) {
    if (handle == 0 || ((handle % 2) == 1) != regionHandle) {
        return nullptr;
    }
    return livingControls().value(handle / 2, nullptr);
}

const QImage& measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(textDotsPerMeter);
        image.setDotsPerMeterY(textDotsPerMeter);
        return image;
    }();
    return device;
}

int horizontalAlignment(int align) {
    switch (align) {
    case ImagingControl::AlignCentre:
        return Qt::AlignHCenter;
    case ImagingControl::AlignRight:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

ImagingControl::ImagingControl(QObject* parent)
    : QObject(parent), id(nextControlId++), textFont(QGuiApplication::font()) {
    livingControls().insert(id, this);
}

ImagingControl::~ImagingControl() {
    livingControls().remove(id);
}

void ImagingControl::fail(int number) {
    pending = {number, ImagingError::describe(number)};
    throw ImagingError(pending.number, pending.description);
}

void ImagingControl::requireImage() {
    if (picture.isNull()) {
        fail(ImagingError::NoImage);
    }
}

void ImagingControl::adopt(const QImage& image) {
    picture = PixelOperations::inWorkingFormat(image);
    if (!picture.isNull()) {
        picture.setDotsPerMeterX(textDotsPerMeter);
        picture.setDotsPerMeterY(textDotsPerMeter);
    }
    area.reset();
}

void ImagingControl::loadFile(const QString& file, bool opaque) {
    pending = {};
    PhotoLoader::Result loaded = PhotoLoader::load(file, maxDecodeSide);
    if (loaded.image.isNull()) {
        adopt(QImage());
        Q_EMIT imageChanged();
        fail(loaded.error);
    }
    adopt(opaque ? PixelOperations::flattenedOnWhite(loaded.image) : loaded.image);
    Q_EMIT imageChanged();
}

void ImagingControl::setBitmapDataPath(const QString& path) {
    dataPath.clear();
    if (path.isEmpty()) {
        pending = {};
        adopt(QImage());
        Q_EMIT imageChanged();
        return;
    }
    loadFile(path, false);
    dataPath = path;
}

void ImagingControl::LoadImage(const QString& file, int bits) {
    loadFile(file, bits == 24);
}

void ImagingControl::GetFileInfo(const QString& file) {
    infoFormat = PhotoLoader::formatOf(file);
}

void ImagingControl::setMaxDecodeSide(int pixels) {
    maxDecodeSide = std::max(1, pixels);
}

ImageHandle ImagingControl::Bitmap() const {
    return picture.isNull() ? 0 : imageHandleOf(id);
}

void ImagingControl::setBitmap(ImageHandle handle) {
    if (handle == 0) {
        pending = {};
        adopt(QImage());
        Q_EMIT imageChanged();
        return;
    }
    const ImagingControl* source = controlOf(handle, false);
    if (source == nullptr || source->picture.isNull()) {
        fail(ImagingError::InvalidHandle);
    }
    pending = {};
    adopt(source->picture);
    Q_EMIT imageChanged();
}

void ImagingControl::setImage(const QImage& image) {
    adopt(image);
    Q_EMIT imageChanged();
}

QImage ImagingControl::imageOfHandle(ImageHandle handle) {
    const ImagingControl* control = controlOf(handle, false);
    return control == nullptr ? QImage() : control->picture;
}

void ImagingControl::CreateImage(int width, int height, int bits) {
    if (width < 1 || height < 1 || bits != 24) {
        fail(ImagingError::InvalidArgument);
    }
    QImage blank(width, height, QImage::Format_RGB32);
    if (blank.isNull()) {
        fail(ImagingError::TooLarge);
    }
    blank.fill(Qt::white);
    adopt(blank);
    Q_EMIT imageChanged();
}

void ImagingControl::Resize(int width, int height) {
    requireImage();
    if (width < 1 || height < 1) {
        fail(ImagingError::InvalidArgument);
    }
    const QImage result = PixelOperations::resized(picture, QSize(width, height));
    if (result.isNull()) {
        fail(ImagingError::TooLarge);
    }
    picture = result;
    area.reset();
    Q_EMIT imageChanged();
}

void ImagingControl::Rotate(int hundredths, bool grow, const QColor& background) {
    requireImage();
    if (hundredths % 36000 == 0) {
        return;
    }
    const QImage result = PixelOperations::rotated(picture, hundredths, grow, background);
    if (result.isNull()) {
        fail(ImagingError::TooLarge);
    }
    picture = result;
    area.reset();
    Q_EMIT imageChanged();
}

void ImagingControl::AdjustBrightness(int value) {
    requireImage();
    PixelOperations::adjustBrightness(picture, value);
    Q_EMIT imageChanged();
}

void ImagingControl::AdjustContrast(int value) {
    requireImage();
    PixelOperations::adjustContrast(picture, value);
    Q_EMIT imageChanged();
}

void ImagingControl::Fill(const QColor& colour) {
    requireImage();
    PixelOperations::fill(picture, colour, region());
    Q_EMIT imageChanged();
}

void ImagingControl::RegionFromColor(const QColor& colour) {
    requireImage();
    area = ImageRegion::fromColor(picture, colour.rgb());
}

void ImagingControl::RegionFromRect(int left, int top, int width, int height) {
    requireImage();
    area = ImageRegion::fromRect(QRect(left, top, width, height), picture.size());
}

ImageHandle ImagingControl::RegionHandle() const {
    return area ? regionHandleOf(id) : 0;
}

void ImagingControl::RegionFromHandle(ImageHandle handle, int dx, int dy) {
    requireImage();
    const ImagingControl* source = controlOf(handle, true);
    if (source == nullptr || !source->area) {
        fail(ImagingError::InvalidHandle);
    }
    area = source->area->translated(dx, dy, picture.size());
}

std::optional<ImageRegion> ImagingControl::regionOfHandle(ImageHandle handle) {
    const ImagingControl* control = controlOf(handle, true);
    return control == nullptr ? std::nullopt : control->area;
}

QRect ImagingControl::regionBounds() const {
    return area ? area->bounds() : QRect();
}

void ImagingControl::Combine(int left, int top, int width, int height, ImageHandle source,
                             int sourceLeft, int sourceTop) {
    requireImage();
    const ImagingControl* from = controlOf(source, false);
    if (from == nullptr || from->picture.isNull()) {
        fail(ImagingError::InvalidHandle);
    }
    // A shared copy: when a control combines from itself, painting detaches the target first.
    const QImage sourcePicture = from->picture;
    PixelOperations::combine(picture, QRect(left, top, width, height), sourcePicture,
                             QPoint(sourceLeft, sourceTop), region());
    Q_EMIT imageChanged();
}

void ImagingControl::setViewLeft(int pixels) {
    if (viewLeft != pixels) {
        viewLeft = pixels;
        Q_EMIT displayChanged();
    }
}

void ImagingControl::setViewTop(int pixels) {
    if (viewTop != pixels) {
        viewTop = pixels;
        Q_EMIT displayChanged();
    }
}

QRect ImagingControl::placement() const {
    if (picture.isNull()) {
        return {};
    }
    const QRect actual(0, 0, picture.width(), picture.height());
    const QSize available = displaySize();
    if (available.isEmpty() || fit == DisplayFit::Actual) {
        return actual;
    }
    if (fit == DisplayFit::Stretch) {
        return {QPoint(0, 0), available};
    }
    const double scale = std::min({1.0, double(available.width()) / picture.width(),
                                   double(available.height()) / picture.height()});
    return {0, 0, std::max(1, qRound(picture.width() * scale)),
            std::max(1, qRound(picture.height() * scale))};
}

QRect ImagingControl::shownRect() const {
    const QRect placed = placement();
    if (placed.isEmpty()) {
        return placed;
    }
    const double scaleX = double(placed.width()) / picture.width();
    const double scaleY = double(placed.height()) / picture.height();
    return placed.translated(-qRound(viewLeft * scaleX), -qRound(viewTop * scaleY));
}

void ImagingControl::setDisplay(std::function<QSize()> sizeOfDisplay) {
    display = std::move(sizeOfDisplay);
    Q_EMIT displayChanged();
}

void ImagingControl::setDisplayFit(DisplayFit newFit) {
    if (fit != newFit) {
        fit = newFit;
        Q_EMIT displayChanged();
    }
}

void ImagingControl::setUseTransparentColor(bool on) {
    if (useTransparent != on) {
        useTransparent = on;
        Q_EMIT displayChanged();
    }
}

void ImagingControl::setTransparentColor(const QColor& colour) {
    if (transparent != colour) {
        transparent = colour;
        Q_EMIT displayChanged();
    }
}

void ImagingControl::Repaint() {
    Q_EMIT repaintRequested();
}

QString ImagingControl::shownText(const QString& line) {
    QString shown;
    shown.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        shown += line[i];
        if (line[i] == QLatin1Char('&') && i + 1 < line.size() && line[i + 1] == QLatin1Char('&')) {
            ++i;
        }
    }
    return shown;
}

int ImagingControl::TextWidthOf(const QString& line) const {
    const QFontMetricsF metrics(textFont, &measuringDevice());
    return qCeil(metrics.horizontalAdvance(shownText(line)) - measuringSlack);
}

int ImagingControl::TextHeightOf(const QString&) const {
    const QFontMetricsF metrics(textFont, &measuringDevice());
    return qCeil(metrics.height() - measuringSlack);
}

void ImagingControl::DrawText(const QString& line) {
    requireImage();
    const QString text = shownText(line);
    picture.setDotsPerMeterX(textDotsPerMeter);
    picture.setDotsPerMeterY(textDotsPerMeter);
    const int flags = horizontalAlignment(textAlign) | Qt::AlignTop | Qt::TextDontClip |
                      (wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    const QRectF box(textRect.left(), textRect.top(), textRect.width(), TextHeightOf(text));
    QPainter painter(&picture);
    painter.setFont(textFont);
    if (!textTransparent) {
        const QRectF used = painter.boundingRect(box, flags, text);
        painter.fillRect(QRectF(box.left(), box.top(), box.width(), used.height()), Qt::white);
    }
    painter.setPen(textColour);
    painter.drawText(box, flags, text);
    painter.end();
    Q_EMIT imageChanged();
}

int ImagingControl::jpegQualityOf(int qualityFactor) {
    const int factor = std::clamp(qualityFactor, 2, 255);
    return std::clamp(qRound(100.0 - (factor - 2) * 95.0 / 253.0), 5, 100);
}

void ImagingControl::SaveImage(const QString& file, int format, int bits, int qualityFactor) {
    requireImage();
    if ((format != SaveBmp && format != SaveJpeg) || bits != 24) {
        fail(ImagingError::InvalidArgument);
    }
    const QImage opaque = PixelOperations::flattenedOnWhite(picture);
    QSaveFile out(FilePaths::native(file));
    if (!out.open(QIODevice::WriteOnly)) {
        fail(ImagingError::WriteFailed);
    }
    QImageWriter writer(&out,
                        format == SaveBmp ? QByteArrayLiteral("bmp") : QByteArrayLiteral("jpeg"));
    if (format == SaveJpeg) {
        writer.setQuality(jpegQualityOf(qualityFactor));
    }
    if (!writer.write(opaque) || !out.commit()) {
        fail(ImagingError::WriteFailed);
    }
}
