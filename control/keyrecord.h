#pragma once
// One record of the key definition file `keydef` (55 bytes, no header, no alignment):
//
//   0      label length (0..5)      1..5   label characters
//   6      description length (0..30)  7..36 description characters
//   37     CMD1   38 CMD2   39..53 DATA0..DATA14   54 spare
//
// Bytes 37..54 are the key's 18-byte command image, laid out like an outgoing frame.
#include <QString>

#include <array>
#include <cstdint>

namespace keyrecord {
inline constexpr int RecordSize = 55;
inline constexpr int KeyCount = 4;
inline constexpr int ImageOffset = 37;
inline constexpr int ImageSize = 18;
using Record = std::array<std::uint8_t, RecordSize>;
using Image = std::array<std::uint8_t, ImageSize>;
}  // namespace keyrecord
