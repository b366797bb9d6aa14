#include "platform/TextEncoding.h"

#include <QStringDecoder>
#include <array>

namespace {

// 0x80..0x9F; the five unassigned bytes stand for the control characters of the same value.
constexpr std::array<char16_t, 32> highControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int windows1252Byte(QChar c) {
    const char16_t unicode = c.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) {
        return unicode;
    }
    for (std::size_t i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] == unicode) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

} // namespace

QString TextEncoding::fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ =
            (value >= 0x80 && value < 0xA0) ? QChar(highControlRange[value - 0x80]) : QChar(value);
    }
    return text;
}

bool TextEncoding::fitsWindows1252(const QString& text) {
    for (const QChar c : text) {
        if (windows1252Byte(c) < 0) {
            return false;
        }
    }
    return true;
}

QByteArray TextEncoding::toWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const int value = windows1252Byte(c);
        bytes.append(static_cast<char>(value < 0 ? '?' : value));
    }
    return bytes;
}

QString TextEncoding::decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return fromWindows1252(bytes);
    }
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    return text;
}

QByteArray TextEncoding::encode(const QString& text) {
    return fitsWindows1252(text) ? toWindows1252(text) : text.toUtf8();
}
