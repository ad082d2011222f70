#pragma once
// The codes of the protocol: CMD1 groups, the Sony CMD2 codes this system speaks or decodes, the
// extended message set (CMD2 0xA0) with its kinds of command, targets and key commands. Tally
// kinds and their field places are in link/tallycodes.h.
#include <cstdint>

namespace proto {

// CMD2 of the extended message set, in commands (group 0) and tallies (group 1).
inline constexpr std::uint8_t Extended = 0xA0;

// Command groups, the high nibble of CMD1.
namespace group {
inline constexpr int System = 0x0;      // system control; with CMD2 0xA0 the extended commands
inline constexpr int Reply = 0x1;       // ACK, NAK, device type; with CMD2 0xA0 the tallies
inline constexpr int Transport = 0x2;   // transport control
inline constexpr int Preset = 0x4;      // presets and selects
inline constexpr int Sense = 0x6;       // sense requests
inline constexpr int SenseReply = 0x7;  // their answers
}  // namespace group

// CMD2 of group 0.
namespace systemcmd {
inline constexpr std::uint8_t LocalDisable = 0x0C;
inline constexpr std::uint8_t DeviceTypeRequest = 0x11;
inline constexpr std::uint8_t LocalEnable = 0x1D;
}  // namespace systemcmd

// CMD2 of group 1 (plain replies) and the reasons a NAK carries in its data byte.
namespace reply {
inline constexpr std::uint8_t Ack = 0x01;
inline constexpr std::uint8_t DeviceType = 0x11;
inline constexpr std::uint8_t Nak = 0x12;
}  // namespace reply
namespace nak {
inline constexpr std::uint8_t UnknownCommand = 0x01;
inline constexpr std::uint8_t ChecksumError = 0x04;
}  // namespace nak

// CMD2 of group 2.
namespace transport {
inline constexpr std::uint8_t Stop = 0x00;
inline constexpr std::uint8_t Play = 0x01;
inline constexpr std::uint8_t Record = 0x02;
inline constexpr std::uint8_t Eject = 0x0F;
inline constexpr std::uint8_t FastForward = 0x10;
inline constexpr std::uint8_t JogForward = 0x11;
inline constexpr std::uint8_t VariForward = 0x12;
inline constexpr std::uint8_t ShuttleForward = 0x13;
inline constexpr std::uint8_t FastReverse = 0x20;
inline constexpr std::uint8_t JogReverse = 0x21;
inline constexpr std::uint8_t VariReverse = 0x22;
inline constexpr std::uint8_t ShuttleReverse = 0x23;
inline constexpr std::uint8_t Locate = 0x31;  // DATA0..3: ff ss mm hh
inline constexpr std::uint8_t TensionRelease = 0x52;
// The speed byte the reverse variplay of the control window carries.
inline constexpr std::uint8_t VariReverseSpeed = 0x40;
}  // namespace transport

// CMD2 of group 6, and the bits of the time-sense request byte (61 0C rr).
namespace sense {
inline constexpr std::uint8_t GenTime = 0x0A;
inline constexpr std::uint8_t CurrentTime = 0x0C;
inline constexpr std::uint8_t Status = 0x20;      // DATA0: start byte << 4 | count
inline constexpr std::uint8_t EditPreset = 0x30;  // DATA0: count
}  // namespace sense
namespace timerequest {
inline constexpr std::uint8_t Ltc = 0x01;
inline constexpr std::uint8_t Vitc = 0x02;
inline constexpr std::uint8_t Timer1 = 0x04;
}  // namespace timerequest

// CMD2 of group 7: the time data (DATA0..3 ff ss mm hh) and the status answers.
namespace sensereply {
inline constexpr std::uint8_t Timer1 = 0x00;
inline constexpr std::uint8_t Timer2 = 0x01;
inline constexpr std::uint8_t Ltc = 0x04;
inline constexpr std::uint8_t Vitc = 0x06;
inline constexpr std::uint8_t GenTime = 0x08;
inline constexpr std::uint8_t CorrectedLtc = 0x14;
inline constexpr std::uint8_t CorrectedVitc = 0x16;
inline constexpr std::uint8_t StatusData = 0x20;
inline constexpr std::uint8_t EditPresetData = 0x30;
}  // namespace sensereply

// The Sony status bytes of a status-data reply (7N 20 ..): the bits of bytes 0 to 2.
namespace sonystatus {
inline constexpr std::uint8_t Local = 0x01;  // byte 0
inline constexpr std::uint8_t CassetteOut = 0x20;
inline constexpr std::uint8_t Play = 0x01;  // byte 1
inline constexpr std::uint8_t Record = 0x02;
inline constexpr std::uint8_t FastForward = 0x04;
inline constexpr std::uint8_t Rewind = 0x08;
inline constexpr std::uint8_t Stop = 0x20;
inline constexpr std::uint8_t CueUpComplete = 0x01;  // byte 2
inline constexpr std::uint8_t Still = 0x02;
inline constexpr std::uint8_t Reverse = 0x04;
inline constexpr std::uint8_t Var = 0x08;
inline constexpr std::uint8_t Jog = 0x10;
inline constexpr std::uint8_t Shuttle = 0x20;
inline constexpr std::uint8_t ServoLock = 0x80;
}  // namespace sonystatus

// Kinds of extended command (DATA0 of 0N A0 kk ..) and what they carry.
namespace ext {
inline constexpr std::uint8_t SystemTrackMapRequest = 0x02;
inline constexpr std::uint8_t ResetErrorMessage = 0x03;
inline constexpr std::uint8_t SystemSpecRequest = 0x06;
inline constexpr std::uint8_t AllMachineDataRequest = 0x07;
inline constexpr std::uint8_t UnitConfigData = 0x80;       // the first of the long commands
inline constexpr std::uint8_t LogicalRecordEnable = 0x84;  // bit maps of tracks
inline constexpr std::uint8_t CyclicDataEnable = 0x85;     // 01 on, 00 off
inline constexpr std::uint8_t ToCurrent = 0x89;            // key command [time]
inline constexpr std::uint8_t ToSpecified = 0x8B;          // target, key command [time]
inline constexpr std::uint8_t ToMaster = 0x8C;             // key command [time]
inline constexpr std::uint8_t ArmTracks = 0x8D;            // three bytes, tracks 1-24

inline constexpr std::uint8_t CyclicOff = 0x00;
inline constexpr std::uint8_t CyclicOn = 0x01;

// Targets of kind 0x8B other than a machine number, and the sub-commands they take.
inline constexpr std::uint8_t TargetGroup = 0xA0;
inline constexpr std::uint8_t TargetAll = 0xA1;
inline constexpr std::uint8_t GroupRecordOn = 0xA1;
inline constexpr std::uint8_t GroupRecordOff = 0xA2;
inline constexpr std::uint8_t AllChaseOn = 0x8C;
inline constexpr std::uint8_t AllChaseOff = 0x8D;
inline constexpr std::uint8_t AllChaseClear = 0x8E;
inline constexpr std::uint8_t AllLoadIn = 0x92;
inline constexpr std::uint8_t AllSetDuration = 0x98;
}  // namespace ext

// Key commands carried by the extended commands to machines (0x89, 0x8B, 0x8C).
namespace key {
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
inline constexpr std::uint8_t AutoEdit = 0x11;
inline constexpr std::uint8_t ChaseHere = 0x14;
inline constexpr std::uint8_t AllChaseOn = 0x16;
inline constexpr std::uint8_t ClearChase = 0x18;
inline constexpr std::uint8_t TrackArm = 0x19;
inline constexpr std::uint8_t SubFrameOffset = 0x1A;
inline constexpr std::uint8_t Chase = 0x1B;
inline constexpr std::uint8_t RecEnable = 0x1C;
inline constexpr std::uint8_t Jog = 0x1D;
inline constexpr std::uint8_t Shuttle = 0x1E;
inline constexpr std::uint8_t VariPlay = 0x1F;
inline constexpr std::uint8_t Locate = 0x20;  // followed by ff ss mm hh
inline constexpr std::uint8_t LocateAndPlay = 0x21;
inline constexpr std::uint8_t SetIn = 0x22;
inline constexpr std::uint8_t SetOut = 0x23;
inline constexpr std::uint8_t SetOffset = 0x24;
inline constexpr std::uint8_t SetGen = 0x25;
inline constexpr std::uint8_t Last = 0x2F;  // the highest number with a name of its own

// Numbers above 0x2F fold onto 0x20 plus their low nibble (0x30 "Locate", 0xFF "$2F").
constexpr std::uint8_t fold(std::uint8_t k) {
    while (k > Last) k = static_cast<std::uint8_t>(k - 0x10);
    return k;
}
}  // namespace key

}  // namespace proto
