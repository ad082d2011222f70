#pragma once
// The termios settings of a line: raw, the speed, parity generated on transmit but not checked on
// receive (a byte with a parity fault is passed on as received), the character size and stop
// bits, no flow control of either kind, breaks not turned into data.
#include "serial/LineSettings.h"

#include <termios.h>
#include <optional>

namespace termiosline {
// The speed constant for a baud rate, none for a rate termios cannot set.
std::optional<speed_t> speedFor(std::int32_t baud);
// Fills `t` for `line`; false when the baud rate cannot be set.
bool apply(termios& t, const LineSettings& line);
// Whether a device's settings `actual` carry the line `wanted` asked for: its speed, character
// size, stop bits and raw mode. The parity bit is left out: a pseudo-terminal drops it, having
// no wire to put it on.
bool carries(const termios& actual, const termios& wanted);
}  // namespace termiosline
