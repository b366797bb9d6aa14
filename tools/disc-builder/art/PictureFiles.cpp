#include "tools/disc-builder/art/PictureFiles.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int kPrintJpegQuality = 85;
constexpr quint32 kRunLength8 = 1; // BI_RLE8
constexpr int kMaxRun = 255;

bool makeFolderFor(const QString& path) {
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

void putLe16(QByteArray& bytes, quint16 value) {
    bytes.append(char(value & 0xff));
    bytes.append(char(value >> 8));
}

void putLe32(QByteArray& bytes, quint32 value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(char((value >> shift) & 0xff));
    }
}

// Palette index 0 is black, 1 is white. Rows go bottom-up as BMP wants them.
QByteArray encodeRuns(const QImage& gray) {
    QByteArray data;
    for (int y = gray.height() - 1; y >= 0; --y) {
        const uchar* row = gray.constScanLine(y);
        int x = 0;
        while (x < gray.width()) {
            const char index = row[x] < 128 ? 0 : 1;
            int run = 1;
            while (x + run < gray.width() && run < kMaxRun &&
                   (row[x + run] < 128 ? 0 : 1) == index) {
                ++run;
            }
            data.append(char(run));
            data.append(index);
            x += run;
        }
        data.append('\0');
        data.append('\0'); // end of line
    }
    data.append('\0');
    data.append('\1'); // end of bitmap
    return data;
}

} // namespace

namespace PictureFiles {

bool saveScreenPicture(const QImage& image, const QString& path) {
    return makeFolderFor(path) && image.convertToFormat(QImage::Format_RGB32).save(path, "BMP");
}

bool savePrintPicture(const QImage& image, const QString& path) {
    return makeFolderFor(path) &&
           image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", kPrintJpegQuality);
}

bool saveMask(const QImage& mask, const QString& path) {
    const QImage gray = mask.convertToFormat(QImage::Format_Grayscale8);
    const QByteArray pixels = encodeRuns(gray);
    constexpr quint32 headerSize = 14 + 40 + 2 * 4;

    QByteArray file;
    file.append("BM");
    putLe32(file, headerSize + quint32(pixels.size()));
    putLe32(file, 0);
    putLe32(file, headerSize);
    putLe32(file, 40);
    putLe32(file, quint32(gray.width()));
    putLe32(file, quint32(gray.height()));
    putLe16(file, 1);
    putLe16(file, 8);
    putLe32(file, kRunLength8);
    putLe32(file, quint32(pixels.size()));
    putLe32(file, 11811); // 300 dpi in pixels per metre
    putLe32(file, 11811);
    putLe32(file, 2);
    putLe32(file, 2);
    putLe32(file, 0x00000000); // black
    putLe32(file, 0x00ffffff); // white
    file.append(pixels);

    if (!makeFolderFor(path)) {
        return false;
    }
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.commit();
}

} // namespace PictureFiles
