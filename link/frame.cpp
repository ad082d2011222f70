#include "link/frame.h"

#include "link/encode.h"

namespace frame {

QByteArray toByteArray(std::span<const std::uint8_t> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QByteArray complete(std::span<const std::uint8_t> body) {
    return toByteArray(encode::complete(body).view());
}

namespace {
constexpr char Digits[] = "0123456789ABCDEF";
}

QString hex2(std::uint8_t byte) {
    const QChar text[2] = {QLatin1Char(Digits[byte >> 4]), QLatin1Char(Digits[byte & 0x0F])};
    return QString(text, 2);
}

QString hex1(std::uint8_t nibble) {
    return QString(QLatin1Char(Digits[nibble & 0x0F]));
}

QString hexText(std::span<const std::uint8_t> bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size() * 3));
    for (const std::uint8_t b : bytes) {
        text.append(QLatin1Char(Digits[b >> 4]));
        text.append(QLatin1Char(Digits[b & 0x0F]));
        text.append(QLatin1Char(' '));
    }
    return text;
}

bool parseHex(const QString& text, QByteArray& out) {
    out.clear();
    int value = -1;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            if (value >= 0) return false;
            continue;
        }
        const int digit = QString(c).toInt(nullptr, 16);
        if (!c.isLetterOrNumber() || (digit == 0 && c != QLatin1Char('0'))) return false;
        if (value < 0) {
            value = digit;
        } else {
            out.append(static_cast<char>(value * 16 + digit));
            value = -1;
        }
    }
    return value < 0;
}

}  // namespace frame
