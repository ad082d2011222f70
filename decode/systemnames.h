#pragma once
// Texts of the tallies that describe the system and a machine's set-up.
//
// Master position:
//   1N A0 80 mm pp pp pp ss cc ee xx cs
//   |  |  |  |  |        |  |  |  \_ xx: not decoded; takes part in the change test
//   |  |  |  |  |        |  |  \____ ee: system error code, 0 none, 1..25
//   |  |  |  |  |        |  \_______ cc: current selected machine number
//   |  |  |  |  |        \__________ ss: system status byte
//   |  |  |  |  \___________________ pp: master position, 24-bit frame count, MSB first
//   |  |  |  \______________________ mm: master machine number
//   \__\__\_________________________ extended tally, master position
//
// Machine offset:
//   1N A0 82 mm oo oo oo sf cs       oo: offset, 24-bit frame count, MSB first; sf: sub-frames
//
// Machine details:
//   1N A0 83 mm i1 i2 tr dd n1 n2 n3 n4 n5 n6 cs
//   |        |  |  |  |  |  \_ n1..n6: the machine's six-character name
//   |        |  |  |  |  \____ dd: bits 0-1 edit mode, 2-3 frame rate, 7 record enable
//   |        |  |  |  \_______ tr: bits 0-2 record tracks
//   |        |  \__\__________ i1 i2: Sony identity (device type)
//   |        \________________ mm: machine number
#include "decode/codetable.h"
#include "decode/tallynames.h"

#include <array>

namespace decode {

// The field places are decode::masterposition, machineoffset and machinedetails
// (decode/tallynames.h).

// "A:Master", "B:Select", or with a details tally's name "A:VTR 01".
inline QString machineTag(int number, const QString& tag) {
    return QString(QChar(static_cast<char16_t>((number + 64) & 0xFF))) + QLatin1Char(':') + tag;
}

// Rows 1..7 of the system status grid, from the system status byte: bits 0-1 the frame rate,
// then bits 2..7 one row each.
inline constexpr std::array<std::string_view, 4> FrameRateNames{{
    "EBU 25fps",
    "SMPTE 30fps",
    "Film 24fps",
    "SMPTE Drop",
}};
inline constexpr std::array<BitTexts, 6> SystemStatusBits{{
    {"Sys Data", ""},
    {"Local", "Remote"},
    {"GOTO", ""},
    {"Record", ""},
    {"Not Lock", "Sys Lock"},
    {"Mast Lock", ""},
}};
using SystemStatusTexts = std::array<QString, 7>;
SystemStatusTexts systemStatusColumn(std::uint8_t status);

// System error texts by code; 0 is no error.
inline constexpr std::array<std::string_view, 26> SystemErrorTexts{{
    "",
    "1: Not record Enabled!",
    "2: Record Inhibit!",
    "3:System Not Locked!",
    "4: Key Lock On!",
    "5:Out Before In!",
    "6:Comms-Local-Tape!",
    "7: Macros Protected!",
    "8: No Track Mapped!",
    "9: Record Enabled!",
    "10: Locate to Start",
    "11:TC Jump or Pre-Roll!",
    "12: Commands Disabled",
    "13: Video Not Stopped",
    "14: Analogue and Video Enable!",
    "15: Not all in Record!",
    "16: Crash Enabled!",
    "17: No Tape!",
    "18: No tracks Armed!",
    "19: No Macro Defined",
    "20: Not In Record",
    "21: No Tracks Armed",
    "22: No EEPROM Access",
    "23: Backup Machine",
    "24: Record Out Disabled",
    "25: System in Local",
}};
// A code past the table shows its number: "26: Unknown error".
QString systemErrorText(std::uint8_t code);

// Record tracks of the details tally (tr bits 0-2).
inline constexpr std::array<std::string_view, 8> RecordTrackNames{{
    "None",
    "A+V",
    "8",
    "16",
    "24",
    "32",
    "40",
    "48",
}};
inline QString recordTracksText(std::uint8_t tracks) {
    return text(RecordTrackNames[tracks & machinedetails::TracksMask]);
}

// Column "Status4" of the machine status grid, from the details byte: row 1 the edit mode,
// row 3 the frame rate, row 8 record enable; the other rows are left as they are.
inline constexpr std::array<std::string_view, 4> EditModeNames{{
    "A+V Off",
    "A1,A2",
    "A1,A2,V",
    "Assemble",
}};
inline constexpr BitTexts DetailsRecordEnable{"Record Enab", ""};
ColumnTexts detailsColumn(std::uint8_t details);

// "$" and the two identity bytes in hex: $2024.
QString sonyIdText(std::uint8_t high, std::uint8_t low);

}  // namespace decode
