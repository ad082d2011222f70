#pragma once
// What the serial component asks of a line: speed, parity, character size. Flow control is always
// off on this bus, so it is not a setting.
#include <cstdint>

enum class TParity { pNone, pOdd, pEven, pMark, pSpace };

struct LineSettings {
    std::int32_t baud = 19200;
    TParity parity = TParity::pNone;
    std::int16_t dataBits = 8;
    std::int16_t stopBits = 1;

    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// Modem line states as the component reports them (the high nibble of ModemStatusByte).
namespace modemline {
inline constexpr std::uint8_t CTS = 0x10;
inline constexpr std::uint8_t DSR = 0x20;
inline constexpr std::uint8_t RI = 0x40;
inline constexpr std::uint8_t DCD = 0x80;
inline constexpr std::uint8_t All = CTS | DSR | RI | DCD;
}  // namespace modemline
