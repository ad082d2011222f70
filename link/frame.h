#pragma once
// Frame texts and byte strings: hex digits for the grids and traces, and frames as QByteArray.
// The byte layout itself (lengths, groups, checksum) is in link/framebytes.h.
#include "link/codes.h"
#include "link/framebytes.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

namespace frame {

inline constexpr std::uint8_t Extended = proto::Extended;

// The bytes as a byte string.
QByteArray toByteArray(std::span<const std::uint8_t> bytes);

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
