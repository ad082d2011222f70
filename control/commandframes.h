#pragma once
// The frames the machine control window sends.
//
// Transport and locate go out in one of four forms:
//   Sony P2        20 01 cs             (Play; the Sony command itself)
//   Current Mcn    02 A0 89 kk cs       extended command to the current machine, key command kk
//   Master Mcn     02 A0 8C kk cs       the same to the master machine
//   Selected Mcn   03 A0 8B mm kk cs    the same to machine mm (the monitored one)
// A locate carries the key command Locate and four time bytes after it (frames, seconds,
// minutes, hours), so CMD1 grows by four; in Sony P2 it is the Sony locate 24 31 ff ss mm hh.
#include "link/encode.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace commandframes {

// Items of the radio group `Command`; any other item counts as SelectedMcn.
enum Form : int { SonyP2 = 0, CurrentMcn = 1, MasterMcn = 2, SelectedMcn = 3 };

struct TransportButton {
    const char* name;
    const char* caption;
    std::uint8_t keyCommand;
    std::uint8_t sonyCommand;               // a transport command, group 2
    std::optional<std::uint8_t> sonySpeed;  // its data byte, when it carries one
};

// Left to right on the window.
inline constexpr std::array<TransportButton, 5> TransportButtons{{
    {"Rwd", "<<", proto::key::RvsWind, proto::transport::FastReverse, {}},
    {"RvsPlay", "<", proto::key::ReversePlay, proto::transport::VariReverse,
     proto::transport::VariReverseSpeed},
    // Stop halts a machine of the system with the key command Pause, as the controllers do.
    {"Stop", "Stop", proto::key::Pause, proto::transport::Stop, {}},
    {"Play", ">", proto::key::Play, proto::transport::Play, {}},
    {"Fwd", ">>", proto::key::FwdWind, proto::transport::FastForward, {}},
}};

// The frame a transport button sends in the form `form` (an item of `Command`); `machine` is
// the monitored machine the selected form addresses.
encode::Frame transportFrame(const TransportButton& button, int form, std::uint8_t machine);
// The frame of a locate to `time` in the form `form`.
encode::Frame locateFrame(const encode::TimeBytes& time, int form, std::uint8_t machine);

// "hh:mm:ss:ff" to the four BCD bytes frames, seconds, minutes, hours: each character read as
// a decimal digit, 16 * tens + units, no range check (99:99:99:99 gives 99 99 99 99). Nothing
// for a text that is not 11 characters with digits in the eight digit places.
std::optional<encode::TimeBytes> string2sony(const QString& text);

// Record arming of tracks 1..24: track t is bit (t - 1) % 8 of byte (t - 1) / 8.
using ArmBits = encode::TrackBytes;
void toggleTrack(ArmBits& mask, int track);
bool trackArmed(const ArmBits& mask, int track);

}  // namespace commandframes
