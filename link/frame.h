#pragma once
// The Sony 9-pin frame, both directions:
//
//   CMD1  CMD2  DATA0 ... DATA(N-1)  CHECKSUM
//   |  \__ bits 3-0: N, the number of data bytes (0..15)
//   \_____ bits 7-4: the command group; bit 4 clear = command, set = reply
//   CHECKSUM = low 8 bits of the sum of every byte before it
//
// A frame is N + 3 bytes long, 3 to 18. CMD2 0xA0 marks the extended message set.
#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace frame {

inline constexpr std::size_t MaxLength = 18;
inline constexpr std::uint8_t Extended = 0xA0;

using Bytes = std::array<std::uint8_t, MaxLength>;

// Number of data bytes a frame starting with this CMD1 carries.
constexpr int dataCount(std::uint8_t cmd1) {
    return cmd1 & 0x0F;
}
// Whole length of the frame that starts with this CMD1, checksum included.
constexpr int length(std::uint8_t cmd1) {
    return dataCount(cmd1) + 3;
}
constexpr int group(std::uint8_t cmd1) {
    return cmd1 >> 4;
}
constexpr bool isReply(std::uint8_t cmd1) {
    return (cmd1 & 0x10) != 0;
}

// 8-bit sum of the given bytes, wrapping modulo 256.
std::uint8_t checksum(std::span<const std::uint8_t> bytes);

// The whole frame for CMD1, CMD2 and the data bytes CMD1 announces (taken from `body`, which
// holds CMD1, CMD2, data...; bytes beyond the announced data are ignored), checksum appended.
QByteArray complete(std::span<const std::uint8_t> body);

// Two upper-case hex digits.
QString hex2(std::uint8_t byte);
// One upper-case hex digit of the low nibble.
QString hex1(std::uint8_t nibble);
// Two upper-case hex digits and a blank for each byte: "20 01 21 ".
QString hexText(std::span<const std::uint8_t> bytes);

// Parses "20 01 21" style text (blanks optional between pairs) into bytes; returns false on
// anything that is not pairs of hex digits.
bool parseHex(const QString& text, QByteArray& out);

}  // namespace frame
