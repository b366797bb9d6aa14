#pragma once

#include <QByteArray>
#include <QString>

// The encodings of the program's text files: UTF-8 where the bytes are valid UTF-8, otherwise
// Windows-1252 (files made on Windows); written as Windows-1252 when every character fits.
namespace TextEncoding {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// Windows-1252 both ways; fitsWindows1252 tells whether encoding loses nothing.
QString fromWindows1252(const QByteArray& bytes);
QByteArray toWindows1252(const QString& text);
bool fitsWindows1252(const QString& text);

} // namespace TextEncoding
