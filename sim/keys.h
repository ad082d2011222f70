#pragma once
// Key command numbers carried by the extended commands to machines (0x89 current, 0x8B
// specified, 0x8C master). Numbers above 0x2F fold onto 0x20 plus their low nibble, the way the
// command set names them.
#include <cstdint>

namespace sim::key {

inline constexpr std::uint8_t SelMachine = 0x00;
inline constexpr std::uint8_t Pause = 0x01;
inline constexpr std::uint8_t Play = 0x02;
inline constexpr std::uint8_t InstantReplay = 0x03;
inline constexpr std::uint8_t ReversePlay = 0x04;
inline constexpr std::uint8_t Again = 0x05;
inline constexpr std::uint8_t RvsWind = 0x06;
inline constexpr std::uint8_t FwdWind = 0x07;
inline constexpr std::uint8_t RecordOn = 0x08;
inline constexpr std::uint8_t RecordOff = 0x09;
inline constexpr std::uint8_t CrawlFwd = 0x0A;
inline constexpr std::uint8_t CrawlRvs = 0x0B;
inline constexpr std::uint8_t Park = 0x0C;
inline constexpr std::uint8_t Stop = 0x0D;
inline constexpr std::uint8_t LocateOut = 0x0E;
inline constexpr std::uint8_t MakeMaster = 0x0F;
inline constexpr std::uint8_t Rehearse = 0x10;
inline constexpr std::uint8_t ChaseHere = 0x14;
inline constexpr std::uint8_t AllChaseOn = 0x16;
inline constexpr std::uint8_t ClearChase = 0x18;
inline constexpr std::uint8_t SubFrameOffset = 0x1A;
inline constexpr std::uint8_t Chase = 0x1B;
inline constexpr std::uint8_t RecEnable = 0x1C;
inline constexpr std::uint8_t Jog = 0x1D;
inline constexpr std::uint8_t Shuttle = 0x1E;
inline constexpr std::uint8_t VariPlay = 0x1F;
inline constexpr std::uint8_t Locate = 0x20;
inline constexpr std::uint8_t LocateAndPlay = 0x21;
inline constexpr std::uint8_t SetIn = 0x22;
inline constexpr std::uint8_t SetOut = 0x23;
inline constexpr std::uint8_t SetOffset = 0x24;

constexpr std::uint8_t fold(std::uint8_t k) {
    while (k > 0x2F) k = static_cast<std::uint8_t>(k - 0x10);
    return k;
}

}  // namespace sim::key
