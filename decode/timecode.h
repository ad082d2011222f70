#pragma once
// Time code and bit pictures, shared by every status decoder and the traces.
//
// Two time-code forms meet on the line:
//   Sony time data (group-7 replies)   ff ss mm hh   four BCD bytes, frames first, shown digit for
//                                                    digit; flag bits stay in the digits
//   extended tallies                   p2 p1 p0      24-bit frame count, most significant first,
//                                                    converted at a frame rate
#include <QString>
#include <QTime>

#include <cstdint>

namespace timecode {

// Frame-rate codes: the two-bit field of the details and master-position tallies.
inline constexpr std::uint8_t Ebu25 = 0;
inline constexpr std::uint8_t Smpte30 = 1;
inline constexpr std::uint8_t Film24 = 2;

// The longest time-code text; three-digit hours lose the last frame digit.
inline constexpr int MaxTextLength = 11;

// HH:MM:SS:FF of a frame count at the rate of `rate` (any unknown rate gives 00:00:00:00).
QString frmstotxt(std::int32_t frames, std::uint8_t rate);

// Nine characters: bits 0..3, a blank, bits 4..7; bit 0 leftmost ("1000 0000" for 0x01).
QString bin2str(int value);

// Time of day with milliseconds: 09:05:03.042.
QString timeOfDay(const QTime& time);

// Sony time data, frames byte first, as hours:minutes:seconds:frames in hex digits.
QString sonyTime(std::uint8_t frames, std::uint8_t seconds, std::uint8_t minutes,
                 std::uint8_t hours);

}  // namespace timecode
