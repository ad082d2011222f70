#pragma once
// The extended tallies: group-1 replies with CMD2 0xA0, DATA0 the kind. Their kinds, and the data
// byte number (DATAk, k = 0 the kind) of every field in the ones this system builds or decodes.
//
//   1N A0 kk mm .. cs
//   |  |  |  \_ mm: machine number for kk 81..87 (1 = A, 2 = B, ...)
//   |  |  \____ kk: what the tally carries
//   |  \_______ extended message set
//   \__________ group 1 (a reply), N data bytes
#include <cstddef>
#include <cstdint>

namespace proto {

namespace tallykind {
inline constexpr std::uint8_t MasterPosition = 0x80;
inline constexpr std::uint8_t MachineStatus = 0x81;
inline constexpr std::uint8_t MachineOffset = 0x82;
inline constexpr std::uint8_t MachineDetails = 0x83;
inline constexpr std::uint8_t MachineReady = 0x84;
inline constexpr std::uint8_t MachineRecord = 0x85;
inline constexpr std::uint8_t LastMachineTally = 0x87;  // 81..87 speak of one machine
inline constexpr std::uint8_t ReadyBitMap = 0x91;
inline constexpr std::uint8_t RecordBitMap = 0x92;
inline constexpr std::uint8_t TrackMap = 0x93;
inline constexpr std::uint8_t SystemSpecification = 0x94;
}  // namespace tallykind

//   19 A0 80 mm pp pp pp ss cc ee xx cs
namespace masterposition {
inline constexpr int Master = 1;
inline constexpr int Position = 2;  // three bytes, MSB first
inline constexpr int Status = 5;
inline constexpr int Selected = 6;
inline constexpr int Error = 7;
inline constexpr int Spare = 8;
inline constexpr std::size_t DataCount = 9;

// The system status byte: bits 0-1 the frame rate, then a flag a bit.
inline constexpr std::uint8_t StatusFrameRate = 0x03;
namespace systemstatus {
inline constexpr std::uint8_t SysData = 0x04;  // fresh system data
inline constexpr std::uint8_t Local = 0x08;
inline constexpr std::uint8_t Goto = 0x10;  // the master is locating
inline constexpr std::uint8_t Record = 0x20;
inline constexpr std::uint8_t NotLocked = 0x40;  // a chasing machine is not locked
inline constexpr std::uint8_t MasterLocked = 0x80;
}  // namespace systemstatus
}  // namespace masterposition

//   1A A0 81 mm tt s1 s2 pp pp pp ee s3 cs
namespace machinestatus {
inline constexpr int Machine = 1;
inline constexpr int State = 2;
inline constexpr int Status1 = 3;
inline constexpr int Status2 = 4;
inline constexpr int Position = 5;  // three bytes, MSB first
inline constexpr int SyncError = 8;
inline constexpr int Status3 = 9;
inline constexpr std::size_t DataCount = 10;

// Status byte 1: a flag a bit.
namespace status1 {
inline constexpr std::uint8_t InputMonitor = 0x01;
inline constexpr std::uint8_t Rehearse = 0x02;
inline constexpr std::uint8_t RecordInhibit = 0x04;
inline constexpr std::uint8_t Armed = 0x08;
inline constexpr std::uint8_t Goto = 0x10;  // locating
inline constexpr std::uint8_t Record = 0x20;
inline constexpr std::uint8_t NotLocked = 0x40;
inline constexpr std::uint8_t Reverse = 0x80;
}  // namespace status1

// Status byte 2: bits 0-2 the tape condition, 3 still, 4 cued, 6-7 the speed class.
namespace status2 {
inline constexpr std::uint8_t Condition = 0x07;
inline constexpr std::uint8_t Still = 0x08;
inline constexpr std::uint8_t Cued = 0x10;
inline constexpr int SpeedShift = 6;
}  // namespace status2

// Status byte 3: a flag a bit; bits 1, 2 and 7 are not used.
namespace status3 {
inline constexpr std::uint8_t RecordEnabled = 0x01;
inline constexpr std::uint8_t Chase = 0x08;
inline constexpr std::uint8_t ChaseGroup = 0x10;
inline constexpr std::uint8_t Vari = 0x20;  // programmed play
inline constexpr std::uint8_t Jog = 0x40;   // RAM scrub
}  // namespace status3

// The sync error byte: bit 7 the sign (set: negative), bits 0-6 the size in frames.
inline constexpr std::uint8_t SyncErrorSign = 0x80;
inline constexpr std::uint8_t SyncErrorSize = 0x7F;
constexpr int syncErrorFrames(std::uint8_t byte) {
    const int size = byte & SyncErrorSize;
    return (byte & SyncErrorSign) != 0 ? -size : size;
}
// A larger size than the byte holds is sent as its largest.
constexpr std::uint8_t syncErrorByte(int frames) {
    const int size = frames < 0 ? -frames : frames;
    return static_cast<std::uint8_t>((frames < 0 ? SyncErrorSign : 0) |
                                     (size > SyncErrorSize ? SyncErrorSize : size));
}
}  // namespace machinestatus

//   16 A0 82 mm oo oo oo sf cs
namespace machineoffset {
inline constexpr int Machine = 1;
inline constexpr int Offset = 2;  // three bytes, MSB first
inline constexpr int SubFrames = 5;
inline constexpr std::size_t DataCount = 6;
}  // namespace machineoffset

//   1C A0 83 mm i1 i2 tr dd n1 n2 n3 n4 n5 n6 cs
namespace machinedetails {
inline constexpr int Machine = 1;
inline constexpr int SonyId = 2;  // two bytes
inline constexpr int Tracks = 4;  // bits 0-2
inline constexpr int Details = 5;
inline constexpr int Name = 6;
inline constexpr int NameLength = 6;
inline constexpr std::size_t DataCount = 12;

inline constexpr std::uint8_t TracksMask = 0x07;
// The details byte: bits 0-1 the edit mode, 2-3 the frame rate, 7 record enable.
inline constexpr std::uint8_t EditMode = 0x03;
inline constexpr int FrameRateShift = 2;
inline constexpr std::uint8_t FrameRate = 0x03;  // after the shift
inline constexpr std::uint8_t RecordEnable = 0x80;
}  // namespace machinedetails

//   15 A0 84 mm t1 t2 t3 cs   (84 ready, 85 record: tracks 1-24, bit 0 first)
namespace machinetracks {
inline constexpr int Machine = 1;
inline constexpr int Tracks = 2;  // three bytes
inline constexpr std::size_t DataCount = 5;
}  // namespace machinetracks

//   1N A0 91 b1 .. b14 cs     (91 ready, 92 record; b1 tracks 1-8, bit 0 the lowest)
namespace bitmap {
inline constexpr int Map = 1;
inline constexpr std::size_t MaxBytes = 14;
}  // namespace bitmap

//   1N A0 93 m1 t1 m2 t2 .. cs   each machine and its record-tracks code
namespace trackmap {
inline constexpr int FirstMachine = 1;
inline constexpr std::size_t MaxMachines = 7;
}  // namespace trackmap

//   15 A0 94 nm fr vv vv cs   nm machines; fr system frame rate; vv vv a version
namespace systemspec {
inline constexpr int Machines = 1;
inline constexpr int FrameRate = 2;
inline constexpr int Version = 3;  // two bytes
inline constexpr std::size_t DataCount = 5;
}  // namespace systemspec

}  // namespace proto
