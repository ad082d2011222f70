#include "decode/statusnames.h"

namespace decode {

namespace {

QString bitText(const BitTexts& texts, std::uint8_t byte, int bit) {
    return text(texts, ((byte >> bit) & 1) != 0);
}

}  // namespace

ColumnTexts status1Column(std::uint8_t s1) {
    ColumnTexts column;
    for (int bit = 0; bit < 8; ++bit) column[bit] = bitText(Status1Bits[bit], s1, bit);
    return column;
}

ColumnTexts status2Column(std::uint8_t s2) {
    ColumnTexts column;
    column[0] = text(Status2Conditions[s2 & machinestatus::status2::Condition]);
    column[3] = bitText(Status2Still, s2, 3);
    column[4] = bitText(Status2Cued, s2, 4);
    column[6] = text(Status2Speeds[s2 >> machinestatus::status2::SpeedShift]);
    return column;
}

ColumnTexts status3Column(std::uint8_t s3) {
    ColumnTexts column;
    for (int bit = 0; bit < 8; ++bit) {
        if (bit == Status3Hidden1 || bit == Status3Hidden2) continue;
        column[bit] = bitText(Status3Bits[bit], s3, bit);
    }
    return column;
}

QString syncErrorText(std::uint8_t error) {
    const int frames = proto::machinestatus::syncErrorFrames(error);
    if (frames == 0) return QStringLiteral("0");
    return (frames < 0 ? QStringLiteral("- ") : QStringLiteral("+ ")) +
           QString::number(frames < 0 ? -frames : frames);
}

}  // namespace decode
