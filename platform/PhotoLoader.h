#pragma once

#include <QImage>
#include <QString>

// Reads pictures from files. The format is told by the file's content, never by its name; photos
// come upright (their EXIF orientation applied); a picture larger than asked for is decoded at
// the smaller size instead of being refused.
class PhotoLoader {
public:
    // Format codes of GetFileInfo. 0 = not a picture that can be read.
    enum FormatCode {
        UnknownFormat = 0,
        Tiff = 5,
        Bmp = 6,
        Jpeg = 10,
        Gif = 21,
        Png = 23,
        WebP = 30,
        Targa = 57,
        OtherFormat = 101, // any other format the installed image plugins read
    };

    struct Result {
        QImage image;  // null on failure
        int error = 0; // an ImagingError number on failure
    };

    // The picture at path, its longer side at most maxSide pixels (scaled down with its
    // proportions kept when it is larger).
    static Result load(const QString& path, int maxSide);

    // The format code of the picture at path.
    static int formatOf(const QString& path);

    // Qt refuses to decode pictures above an allocation limit (128 MB by default). load() raises
    // that process-wide limit as far as a picture needs, but never above this.
    static constexpr int AllocationCeilingMb = 2048;
};
