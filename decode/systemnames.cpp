#include "decode/systemnames.h"

#include "link/frame.h"

namespace decode {

SystemStatusTexts systemStatusColumn(std::uint8_t status) {
    SystemStatusTexts column;
    column[0] = text(FrameRateNames[status & masterposition::StatusFrameRate]);
    for (std::size_t i = 0; i < SystemStatusBits.size(); ++i) {
        const int bit = static_cast<int>(i) + 2;
        column[i + 1] = text(SystemStatusBits[i], ((status >> bit) & 1) != 0);
    }
    return column;
}

QString systemErrorText(std::uint8_t code) {
    if (code < SystemErrorTexts.size()) return text(SystemErrorTexts[code]);
    return QString::number(code) + QStringLiteral(": Unknown error");
}

ColumnTexts detailsColumn(std::uint8_t details) {
    ColumnTexts column;
    column[0] = text(EditModeNames[details & machinedetails::EditMode]);
    column[2] = text(
        FrameRateNames[(details >> machinedetails::FrameRateShift) & machinedetails::FrameRate]);
    column[7] = text(DetailsRecordEnable, (details & machinedetails::RecordEnable) != 0);
    return column;
}

QString sonyIdText(std::uint8_t high, std::uint8_t low) {
    return QLatin1Char('$') + frame::hex2(high) + frame::hex2(low);
}

}  // namespace decode
