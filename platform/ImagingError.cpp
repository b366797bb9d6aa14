#include "platform/ImagingError.h"

QString ImagingError::describe(int number) {
    switch (number) {
    case None:
        return {};
    case FileNotFound:
        return QStringLiteral("File not found");
    case UnknownFormat:
        return QStringLiteral("The file is not a picture in a known format");
    case ReadFailed:
        return QStringLiteral("The picture could not be read");
    case TooLarge:
        return QStringLiteral("The picture is too large");
    case WriteFailed:
        return QStringLiteral("The picture could not be written");
    case InvalidHandle:
        return QStringLiteral("Invalid image handle");
    case NoImage:
        return QStringLiteral("No image");
    case InvalidArgument:
        return QStringLiteral("Invalid argument");
    default:
        return QStringLiteral("Imaging error %1").arg(number);
    }
}
