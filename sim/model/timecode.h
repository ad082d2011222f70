#pragma once
// Positions as the bus carries them: a frame count at 25 frames per second, and the four BCD
// bytes of Sony time data, frames first (ff ss mm hh).
#include <array>
#include <cstdint>

namespace sim {

inline constexpr int FramesPerSecond = 25;
inline constexpr int FramesPerDay = 24 * 60 * 60 * FramesPerSecond;

constexpr std::uint8_t toBcd(int value) {
    return static_cast<std::uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}
// A BCD byte read digit by digit; a nibble above 9 counts as its own value, as a typed time does.
constexpr int fromBcd(std::uint8_t bcd) {
    return (bcd >> 4) * 10 + (bcd & 0x0F);
}

// ff ss mm hh of a frame count (taken modulo one day).
constexpr std::array<std::uint8_t, 4> timeBytes(int frames) {
    const int f = ((frames % FramesPerDay) + FramesPerDay) % FramesPerDay;
    const int seconds = f / FramesPerSecond;
    return {toBcd(f % FramesPerSecond), toBcd(seconds % 60), toBcd(seconds / 60 % 60),
            toBcd(seconds / 3600)};
}

// The frame count of ff ss mm hh, wrapped into one day (a typed 99:99:99:99 still lands
// somewhere on the clock rather than off it).
constexpr int framesOf(std::uint8_t ff, std::uint8_t ss, std::uint8_t mm, std::uint8_t hh) {
    const long long total =
        ((fromBcd(hh) * 60LL + fromBcd(mm)) * 60 + fromBcd(ss)) * FramesPerSecond + fromBcd(ff);
    return static_cast<int>(total % FramesPerDay);
}

// Wraps a frame count into one day.
constexpr int wrapDay(long long frames) {
    return static_cast<int>(((frames % FramesPerDay) + FramesPerDay) % FramesPerDay);
}

}  // namespace sim
