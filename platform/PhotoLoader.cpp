#include "platform/PhotoLoader.h"

#include "platform/FilePaths.h"
#include "platform/ImagingError.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

constexpr qint64 bytesPerPixel = 4;
constexpr qint64 megabyte = qint64(1024) * 1024;

int codeOfFormatName(const QByteArray& name) {
    if (name.isEmpty()) {
        return PhotoLoader::UnknownFormat;
    }
    if (name == "jpeg" || name == "jpg") {
        return PhotoLoader::Jpeg;
    }
    if (name == "bmp") {
        return PhotoLoader::Bmp;
    }
    if (name == "png") {
        return PhotoLoader::Png;
    }
    if (name == "tif" || name == "tiff") {
        return PhotoLoader::Tiff;
    }
    if (name == "gif") {
        return PhotoLoader::Gif;
    }
    if (name == "webp") {
        return PhotoLoader::WebP;
    }
    if (name == "tga") {
        return PhotoLoader::Targa;
    }
    return PhotoLoader::OtherFormat;
}

// The memory the decoder may ask for: a decoder that scales while decoding (JPEG) allocates at
// most twice the target size per side; any other decodes the whole picture first.
qint64 decodingMegabytes(const QByteArray& format, const QSize& stored, const QSize& target) {
    const QSize allocated = format == "jpeg" ? target * 2 : stored;
    const qint64 bytes = qint64(allocated.width()) * allocated.height() * bytesPerPixel;
    return bytes / megabyte + 1;
}

} // namespace

PhotoLoader::Result PhotoLoader::load(const QString& path, int maxSide) {
    const QString file = FilePaths::native(path);
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        return {{}, ImagingError::FileNotFound};
    }
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        return {{}, ImagingError::UnknownFormat};
    }
    const QByteArray format = reader.format();
    const QSize stored = reader.size();
    QSize target = stored;
    if (stored.isValid() && std::max(stored.width(), stored.height()) > maxSide) {
        target = stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        reader.setScaledSize(target);
    }
    if (stored.isValid()) {
        const qint64 needed = decodingMegabytes(format, stored, target);
        if (needed > AllocationCeilingMb) {
            return {{}, ImagingError::TooLarge};
        }
        const int limit = QImageReader::allocationLimit();
        if (limit != 0 && needed > limit) {
            QImageReader::setAllocationLimit(static_cast<int>(needed));
        }
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {{}, ImagingError::ReadFailed};
    }
    if (std::max(image.width(), image.height()) > maxSide) {
        image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return {image, ImagingError::None};
}

int PhotoLoader::formatOf(const QString& path) {
    const QString file = FilePaths::native(path);
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        return UnknownFormat;
    }
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !reader.size().isValid()) {
        return UnknownFormat;
    }
    return codeOfFormatName(reader.format());
}
