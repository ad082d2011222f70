#pragma once
// The frames the machine control window builds, before `sendcmd` adds the checksum.
//
// Transport and locate go out in one of four forms:
//   Sony P2        20 01            (Play; the Sony command itself)
//   Current Mcn    02 A0 89 kk      extended command to the current machine, key command kk
//   Master Mcn     02 A0 8C kk      the same to the master machine
//   Selected Mcn   03 A0 8B mm kk   the same to machine mm (the monitored one)
// A locate carries key command 0x20 and four time bytes after it (frames, seconds, minutes,
// hours), so CMD1 grows by four.
#include "link/frame.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace commandframes {

// Items of the radio group `Command`.
enum Form : int { SonyP2 = 0, CurrentMcn = 1, MasterMcn = 2, SelectedMcn = 3 };

struct TransportButton {
    const char* name;
    const char* caption;
    std::uint8_t keyCommand;  // KeyCommandNames: 1 Pause, 2 Play, 4 Reverse Play, 6/7 winds
    std::uint8_t sonyCmd1;
    std::uint8_t sonyCmd2;
    std::uint8_t sonyData0;  // only sent when sonyCmd1 announces a data byte
};

// Left to right on the window.
inline constexpr std::array<TransportButton, 5> TransportButtons{{
    {"Rwd", "<<", 6, 0x20, 0x20, 0x00},     // Fast Reverse
    {"RvsPlay", "<", 4, 0x21, 0x22, 0x40},  // Variplay Rvs at speed data 0x40
    {"Stop", "Stop", 1, 0x20, 0x00, 0x00},  // Stop
    {"Play", ">", 2, 0x20, 0x01, 0x00},     // Play
    {"Fwd", ">>", 7, 0x20, 0x10, 0x00},     // Fast Forward
}};

inline constexpr std::uint8_t LocateKeyCommand = 0x20;

// Turn a frame holding CMD1 and the key command in DATA1 into its extended form.
void addressCurrent(frame::Bytes& f);
void addressMaster(frame::Bytes& f);
// CMD1 grows by one, the key command moves to DATA2 and DATA1 takes the machine number's low byte.
void addressSelected(frame::Bytes& f, int machine);

// "hh:mm:ss:ff" to the four BCD bytes frames, seconds, minutes, hours: each character read as
// a decimal digit, 16 * tens + units, no range check (99:99:99:99 gives 99 99 99 99). Nothing
// for a text that is not 11 characters with digits in the eight digit places.
std::optional<std::array<std::uint8_t, 4>> string2sony(const QString& text);

// Record arming of tracks 1..24: track t is bit (t - 1) % 8 of byte (t - 1) / 8.
using ArmBits = std::array<std::uint8_t, 3>;
void toggleTrack(ArmBits& mask, int track);
bool trackArmed(const ArmBits& mask, int track);

}  // namespace commandframes
