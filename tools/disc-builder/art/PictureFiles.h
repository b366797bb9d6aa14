#pragma once

#include <QImage>
#include <QString>

// Writing the picture files of the disc in the formats the program reads.
namespace PictureFiles {

// A screen picture: 24-bit BMP.
bool saveScreenPicture(const QImage& image, const QString& path);
// A print picture: JPEG at a quality that keeps the disc small and the print clean.
bool savePrintPicture(const QImage& image, const QString& path);
// A mask: every pixel darker than middle grey becomes black (0, 0, 0), every other white.
// Written as an 8-bit BMP with run-length compression: masks are long runs of one colour,
// and an uncompressed print mask would be a quarter of a megabyte of mostly white.
bool saveMask(const QImage& mask, const QString& path);

} // namespace PictureFiles
