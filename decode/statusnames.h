#pragma once
// Texts of the machine-status tally, the one the machine panel draws.
//
//   1A A0 81 mm tt s1 s2 pp pp pp ee s3 cs
//   |  |  |  |  |  |  |  |        |  \_ s3: status byte 3 (column "Status3")
//   |  |  |  |  |  |  |  |        \____ ee: sync error, bit 7 sign, bits 0-6 size
//   |  |  |  |  |  |  |  \_____________ pp: position, 24-bit frame count, MSB first
//   |  |  |  |  |  |  \________________ s2: status byte 2 (column "Status2")
//   |  |  |  |  |  \___________________ s1: status byte 1 (column "Status1")
//   |  |  |  |  \______________________ tt: transport state, 1..19
//   |  |  |  \_________________________ mm: machine number
//   |  |  \____________________________ machine status
//   \__\_______________________________ extended tally, 10 data bytes
#include "decode/codetable.h"
#include "decode/tallynames.h"

#include <array>

namespace decode {

// The field places are decode::machinestatus (decode/tallynames.h).
inline constexpr std::array<BitTexts, 8> Status1Bits{{
    {"Input Mon", ""},
    {"Rehearse", ""},
    {"Rec Inhibit", ""},
    {"Armed", ""},
    {"Goto", ""},
    {"Record", ""},
    {"Not Lock", "Locked"},
    {"Reverse", ""},
}};

// Status byte 2: bits 0-2 the condition (row of bit 0), bit 3 and bit 4 on their rows, bit 5 not
// shown, bits 6-7 the speed (row of bit 6).
inline constexpr std::array<std::string_view, 8> Status2Conditions{{
    "Normal",
    "No KT-6",
    "Tape End",
    "Tape Start",
    "Local",
    "Disabled",
    "No Tape",
    "No Comms",
}};
inline constexpr BitTexts Status2Still{"Still", ""};
inline constexpr BitTexts Status2Cued{"Cued", ""};
inline constexpr std::array<std::string_view, 4> Status2Speeds{{
    "Play Speed",
    "Fast Speed",
    "Slow Speed",
    "Slow Speed",
}};

// Status byte 3: bits 1 and 2 are not shown.
inline constexpr int Status3Hidden1 = 1;
inline constexpr int Status3Hidden2 = 2;
inline constexpr std::array<BitTexts, 8> Status3Bits{{
    {"Rec Enab", ""},
    {"", ""},
    {"", ""},
    {"Chase Active", ""},
    {"Chase Grp", ""},
    {"Prog Ply", ""},
    {"Ram Scrub", ""},
    {"Field 1", ""},
}};

ColumnTexts status1Column(std::uint8_t s1);
ColumnTexts status2Column(std::uint8_t s2);
ColumnTexts status3Column(std::uint8_t s3);

// "+ 5", "- 5", or "0" for a zero size of either sign.
QString syncErrorText(std::uint8_t error);

}  // namespace decode
