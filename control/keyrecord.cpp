#include "control/keyrecord.h"

#include <algorithm>

namespace keyrecord {
namespace {
QString shortString(const Record& record, int offset, int room) {
    const int length = std::min<int>(record[static_cast<std::size_t>(offset)], room);
    return QString::fromLatin1(reinterpret_cast<const char*>(record.data()) + offset + 1, length);
}

void setShortString(Record& record, int offset, int room, const QString& text) {
    const QByteArray bytes = text.left(room).toLatin1();
    record[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), record.begin() + offset + 1);
}

int digitValue(QChar c) {
    int v = c.unicode() - 48;
    if (v > 9) v -= 7;
    return v;
}
}  // namespace

QString label(const Record& record) {
    return shortString(record, LabelOffset, LabelMax);
}

QString description(const Record& record) {
    return shortString(record, DescriptionOffset, DescriptionMax);
}

void setLabel(Record& record, const QString& text) {
    setShortString(record, LabelOffset, LabelMax, text);
}

void setDescription(Record& record, const QString& text) {
    setShortString(record, DescriptionOffset, DescriptionMax, text);
}

Image image(const Record& record) {
    Image out{};
    std::copy_n(record.begin() + ImageOffset, ImageSize, out.begin());
    return out;
}

std::uint8_t byteField(const Record& record, int i) {
    return record[static_cast<std::size_t>(ImageOffset + i)];
}

void setByteField(Record& record, int i, std::uint8_t value) {
    record[static_cast<std::size_t>(ImageOffset + i)] = value;
}

Record defaultRecord(int key) {
    Record record{};
    setLabel(record, QString(QLatin1Char(static_cast<char>('A' + key))));
    return record;
}

std::uint8_t hex(const QString& text) {
    const QString upper = text.toUpper();
    const QChar first = upper.size() > 0 ? upper[0] : QLatin1Char('0');
    const QChar second = upper.size() > 1 ? upper[1] : QLatin1Char('0');
    const int value = 16 * digitValue(first) + digitValue(second);
    return (value < 0 || value > 255) ? 0 : static_cast<std::uint8_t>(value);
}
}  // namespace keyrecord
