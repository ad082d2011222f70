#pragma once
// Names of the Sony 9-pin commands, by group (the high nibble of CMD1) and CMD2.
//
//   CMD1 CMD2 [data] CS      CMD1 = group << 4 | data count
//
// Groups 2 and 4 are filled with blanks to 15 characters so that trace columns line up.
// "Locate" has none: the short-command grid compares it exactly and appends the target time.
#include "decode/codetable.h"

#include <array>

namespace decode {

inline constexpr std::array<CodeName, 3> SonyGroup0Names{{
    {0x0C, "Local Disable"},
    {0x11, "Rq Type"},
    {0x1D, "Local Enable"},
}};

inline constexpr std::array<CodeName, 29> SonyGroup2Names{{
    {0x00, "Stop           "}, {0x01, "Play           "}, {0x02, "Record         "},
    {0x04, "Standby Off    "}, {0x05, "Standby On     "}, {0x0F, "Eject          "},
    {0x10, "Fast Forward   "}, {0x11, "Jog Forward    "}, {0x12, "Variplay Fwd   "},
    {0x13, "Shuttle Fwd    "}, {0x20, "Fast Reverse   "}, {0x21, "Jog Reverse    "},
    {0x22, "Variplay Rvs   "}, {0x23, "Shuttle Rvs    "}, {0x30, "Pre-Roll       "},
    {0x31, "Locate"},          {0x37, "Chase On       "}, {0x38, "Prog Play +    "},
    {0x39, "Prog Play -    "}, {0x40, "Preview        "}, {0x41, "Review         "},
    {0x42, "Auto Edit      "}, {0x52, "Tension Release"}, {0x60, "Full EE Off    "},
    {0x61, "Full EE On     "}, {0x63, "Select EE On   "}, {0x64, "Edit Off       "},
    {0x65, "Edit On        "}, {0x82, "Memory Write St"},
}};

inline constexpr std::array<CodeName, 19> SonyGroup4Names{{
    {0x00, "Timer-1 Preset "}, {0x04, "TC-Gen Preset  "}, {0x14, "Set In         "},
    {0x15, "Set Out        "}, {0x30, "Edit Preset Cmd"}, {0x31, "Set Preroll    "},
    {0x32, "Monitor Switch "}, {0x33, "Servo Ref      "}, {0x34, "Head Select    "},
    {0x35, "Set Color frm  "}, {0x36, "Set Timer Mode "}, {0x3A, "Edit Field     "},
    {0x3C, "Set Postroll   "}, {0x40, "Auto Mode OFF  "}, {0x41, "Auto Mode ON   "},
    {0x44, "Audio Split On "}, {0x45, "Audio Split Of "}, {0x65, "Edit On        "},
    {0x78, "Set Ofset      "},
}};

inline constexpr std::array<CodeName, 2> SonyGroup6Names{{
    {0x0A, "Rq Gen Time"},
    {0x30, "Rq Track Arm"},
}};

// The name of a Sony command of group 0, 2, 4 or 6; nothing for a code (or group) without one.
std::optional<QString> sonyCommandName(int group, std::uint8_t cmd2);

}  // namespace decode
