#pragma once
// Names of the extended tallies (group-1 replies with CMD2 0xA0, link/tallycodes.h) and the
// transport states.
#include "decode/codetable.h"
#include "link/tallycodes.h"

#include <array>

namespace decode {

// The kinds and field places under the names the decoders use.
namespace tallykind = proto::tallykind;
namespace masterposition = proto::masterposition;
namespace machinestatus = proto::machinestatus;
namespace machineoffset = proto::machineoffset;
namespace machinedetails = proto::machinedetails;

// Every named tally. 0x80..0x83 are decoded further, 0x91 and 0x92 fill the track grid.
// Note "Mcn status" (0x81) against "Mcn Status" (0x02).
inline constexpr std::array<CodeName, 22> TallyNames{{
    {0x00, "Sys Data Len"},         {0x01, "Sys Data"},          {0x02, "Mcn Status"},
    {0x03, "Mcn Details"},          {0x04, "Logical Ready"},     {0x05, "Logical Record"},
    {0x06, "Mcn Config Data"},      {0x80, "Master Poz"},        {0x81, "Mcn status"},
    {0x82, "Mcn Offset"},           {0x83, "Mcn Details"},       {0x84, "Mcn Ready Data"},
    {0x85, "Mcn Record Data"},      {0x88, "Iface Config Data"}, {0x90, "System Config Data"},
    {0x91, "Ready Bit Map"},        {0x92, "Record Bit Map"},    {0x93, "Logical track Map"},
    {0x94, "System Specification"}, {0x95, "Macro Key Data"},    {0x96, "M4Byte+MacroBit*3+M8Byte"},
    {0x97, "MacroMom*8+Tally*4"},
}};

inline std::optional<QString> tallyName(std::uint8_t kind) {
    return text(lookup(TallyNames, kind));
}

// Rows of the logical record track grid, and the name each bit map is given.
namespace trackrow {
inline constexpr int Command = 1;  // the record-enable command 0x84
inline constexpr int Ready = 2;
inline constexpr int Record = 3;
}  // namespace trackrow

// Bit-map tallies and the record-enable command:
//   1N A0 91 b1 b2 .. b14 cs   b1 tracks 1-8 (bit 0 = track 1), b2 tracks 9-16, ... b14 105-112
// A frame carries N - 1 bit-map bytes; the grid shows the placeholder for the others.
inline constexpr int TrackColumns = 14;
inline constexpr std::string_view NotReceived = "xxxx xxxx";

// Header of track column c: "1 - 8", "9 - 16", ... "105 - 112".
inline QString trackHeader(int column) {
    return QStringLiteral("%1 - %2").arg((column - 1) * 8 + 1).arg(column * 8);
}

inline constexpr std::array<std::string_view, 4> TrackMapNames{{
    "",
    "Logical Record Enable",
    "Ready Bit Map",
    "Record Bit Map",
}};

// Transport states of the machine-status tally, codes 1..19. 5/11 and 6/12 share their texts;
// 15, 17 and 18 show as numbers.
inline constexpr std::array<std::string_view, 19> TallyStateNames{{
    "Stop",    "Pause",    "Play",     "Reverse Play", "Shuttle Fwd", "Shuttle Rvs", "Jog Fwd",
    "Jog Rvs", "Fast Fwd", "Fast Rvs", "Shuttle Fwd",  "Shuttle Rvs", "Vari-Fwd",    "Vari-Rvs",
    "15",      "Locate",   "17",       "18",           "Record On",
}};

// The state's name; a code without one (0, above 19) shows its number, as 15, 17 and 18 do.
inline QString transportStateName(std::uint8_t code) {
    if (code >= 1 && code <= TallyStateNames.size()) return text(TallyStateNames[code - 1]);
    return QString::number(code);
}

}  // namespace decode
