#pragma once
// System error codes the synchroniser raises in its master-position tally.
#include <cstdint>

namespace sim::syserr {

inline constexpr std::uint8_t None = 0;
inline constexpr std::uint8_t NotRecordEnabled = 1;
inline constexpr std::uint8_t RecordInhibit = 2;
inline constexpr std::uint8_t SystemNotLocked = 3;
inline constexpr std::uint8_t LocateToStart = 10;
inline constexpr std::uint8_t TimecodeJump = 11;
inline constexpr std::uint8_t VideoNotStopped = 13;
inline constexpr std::uint8_t NoTape = 17;
inline constexpr std::uint8_t NoTracksArmed = 18;
inline constexpr std::uint8_t BackupMachine = 23;

}  // namespace sim::syserr
