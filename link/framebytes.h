#pragma once
// The byte layout of a Sony 9-pin frame, both directions, without any text:
//
//   CMD1  CMD2  DATA0 ... DATA(N-1)  CHECKSUM
//   |  \__ bits 3-0: N, the number of data bytes (0..15)
//   \_____ bits 7-4: the command group; bit 4 clear = command, set = reply
//   CHECKSUM = low 8 bits of the sum of every byte before it
//
// A frame is N + 3 bytes long, 3 to 18.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace frame {

inline constexpr std::size_t MaxLength = 18;
inline constexpr std::size_t MaxDataCount = 15;
// Places of CMD1, CMD2 and DATA0 in a frame.
inline constexpr std::size_t Cmd1At = 0;
inline constexpr std::size_t Cmd2At = 1;
inline constexpr std::size_t DataAt = 2;

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
// CMD1 of a frame of this group carrying `dataCount` data bytes.
constexpr std::uint8_t cmd1(int group, std::size_t dataCount) {
    return static_cast<std::uint8_t>(group << 4 | static_cast<int>(dataCount & 0x0F));
}

// 8-bit sum of the given bytes, wrapping modulo 256.
constexpr std::uint8_t checksum(std::span<const std::uint8_t> bytes) {
    std::uint8_t sum = 0;
    for (const std::uint8_t b : bytes) sum = static_cast<std::uint8_t>(sum + b);
    return sum;
}

}  // namespace frame
