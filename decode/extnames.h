#pragma once
// Names of the extended commands: group 0 with CMD2 0xA0.
//
//   0N A0 kk a1 a2 .. cs
//   |  |  |  |  \_ a2: for kk 8B, the key command (or the group/all sub-command)
//   |  |  |  \____ a1: for kk 89/8C, the key command; for kk 8B, the target:
//   |  |  |        A0 a group of machines, A1 all machines, else a machine number
//   |  |  \_______ kk: the kind of extended command
//   |  \__________ extended message set
//   \_____________ group 0, N data bytes
#include "decode/codetable.h"
#include "link/codes.h"
#include "link/frame.h"

#include <array>

namespace decode {

// Key commands carried by the commands to machines (kinds 89, 8B, 8C), numbers 0x00..0x2F.
inline constexpr std::array<std::string_view, proto::key::Last + 1> KeyCommandNames{{
    "Sel Machine",   "Pause",         "Play",         "Instant Replay",
    "Reverse Play",  "Again",         "Rvs Wind",     "Fwd Wind",
    "Record On",     "Record Off",    "Crawl Fwd",    "Crawl Rvs",
    "Park",          "Stop",          "Locate Out",   "Make Master",
    "Rehearse",      "Auto-Edit",     "Cmd $12",      "Cmd $13",
    "Chase Here",    "Cmd $15",       "All Chase On", "Cmd $17",
    "Clear Chase",   "Track Arm",     "Sub Frm Ofst", "Chase",
    "Rec Enab",      "Jog",           "Shuttle",      "Vari-Play",
    "Locate",        "Locate & Play", "Set In",       "Set Out",
    "Set Offset",    "Set Gen",       "Set Pre-Roll", "Set Delay",
    "Set Post-Roll", "Set Start",     "$2A",          "$2B",
    "$2C",           "$2D",           "$2E",          "$2F",
}};

// Numbers above 0x2F fold onto 0x20 plus their low nibble (0x30 "Locate", 0xFF "$2F").
constexpr std::uint8_t foldKeyCommand(std::uint8_t k) {
    return proto::key::fold(k);
}

inline QString keyCommandName(std::uint8_t k) {
    return text(KeyCommandNames[foldKeyCommand(k)]);
}

// Kinds of extended command (DATA0).
namespace extkind = proto::ext;

// Kinds named by a fixed text. 0x84 is named by the record-track decoder, 0x89, 0x8B and 0x8C
// by their arguments.
inline constexpr std::array<CodeName, 20> ExtendedCommandNames{{
    {0x00, "Unit Config data Rq"},
    {0x01, "Iface Config data Rq"},
    {0x02, "System track Map Rq"},
    {0x03, "Reset Error Message"},
    {0x04, "Run Setup exit routine"},
    {0x05, "Macro Map Rq"},
    {0x06, "System Spec Rq"},
    {0x07, "Mcn All Data Rq"},
    {0x08, "ADR Loops Rq"},
    {0x09, "Reset ADR Loops"},
    {0x0A, "Finished ADR Download"},
    {0x80, "Unit Config Data"},
    {0x81, "Iface Config Data"},
    {0x82, "Logical Track Map"},
    {0x83, "Sony Cmd to Mcn"},
    {0x85, "Cyclic Data Enable"},
    {0x86, ""},
    {0x87, "Insert ADR Loop"},
    {0x88, "Add ADR Loop"},
    {0xCB, "Macro Cmd"},
}};

// Targets of kind 0x8B (DATA1) and their sub-commands (DATA2).
inline constexpr std::uint8_t TargetGroup = proto::ext::TargetGroup;
inline constexpr std::uint8_t TargetAll = proto::ext::TargetAll;

inline constexpr std::array<CodeName, 2> GroupCommandNames{{
    {proto::ext::GroupRecordOn, "C2GRP Rec On"},
    {proto::ext::GroupRecordOff, "C2GRP Rec Off"},
}};
inline constexpr std::string_view GroupOtherName = "C2Specifed MCNs";

inline constexpr std::array<CodeName, 5> AllCommandNames{{
    {proto::ext::AllChaseOn, "C2All M Chase On"},
    {proto::ext::AllChaseOff, "C2All M Chase Off"},
    {proto::ext::AllChaseClear, "C2All Chase Clear"},
    {proto::ext::AllLoadIn, "C2All Load In"},
    {proto::ext::AllSetDuration, "C2All Set duration"},
}};
inline constexpr std::string_view AllOtherName = "C2All ";

// Prefixes of the key commands to the current, the master and specified machines.
inline constexpr std::string_view ToCurrentPrefix = "C2C ";
inline constexpr std::string_view ToMasterPrefix = "C2M ";
inline constexpr std::string_view ToSpecifiedPrefix = "C2S ";

// The arguments of an extended command: DATA1 and DATA2 when the frame carries them.
struct ExtendedArgs {
    std::optional<std::uint8_t> data1;
    std::optional<std::uint8_t> data2;
};

// The name of an extended command of kind `kind`; nothing for a kind without one (and for 0x84,
// which the record-track decoder names). An argument the frame does not carry names nothing: the
// text stops at the part that the missing byte would have chosen.
std::optional<QString> extendedCommandName(std::uint8_t kind, const ExtendedArgs& args);

// What an extended command shows:
//   0N A0 kk a1 a2 .. cs
//         |  |  \_ 8B: key command or group/all sub-command
//         |  \____ 89/8C: key command; 8B: target (A0 group, A1 all, else a machine)
//         \_______ kind
// The arguments are read where a full frame carries them; in a shorter frame those places hold
// its checksum or bytes of an earlier frame, and the name says what they hold, exactly as the
// controllers' own monitors show such frames.
struct ExtendedCommandSeen {
    bool trackMap = false;  // the record-enable command: the track grid shows and names it
    std::optional<QString> name;
    // The controller repeats the cyclic-data request about once a second: it would flood the
    // trace and hide the last real command, so it is neither traced nor shown.
    bool shown = true;
};
ExtendedCommandSeen extendedCommand(const frame::Bytes& rx);

}  // namespace decode
