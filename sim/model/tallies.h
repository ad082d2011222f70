#pragma once
// The synchroniser's tallies: group-1 replies with CMD2 0xA0, DATA0 the kind (link/tallycodes.h).
// Each builder draws its frame above it; link/encode.h builds them.
#include "sim/model/machine.h"

#include "link/tallycodes.h"

#include <QByteArray>

#include <cstdint>
#include <span>

namespace sim::tally {

using proto::tallykind::MachineDetails;
using proto::tallykind::MachineOffset;
using proto::tallykind::MachineReady;
using proto::tallykind::MachineRecord;
using proto::tallykind::MachineStatus;
using proto::tallykind::MasterPosition;
using proto::tallykind::ReadyBitMap;
using proto::tallykind::RecordBitMap;
using proto::tallykind::SystemSpecification;
using proto::tallykind::TrackMap;

struct SystemView {
    std::uint8_t master;    // machine number
    int position;           // master position, frames
    std::uint8_t status;    // system status byte
    std::uint8_t selected;  // current selected machine
    std::uint8_t error;     // system error code, 0 none
};

//   19 A0 80 mm pp pp pp ss cc ee 00 cs
//   |        |  |        |  |  |  \_ spare, always 0
//   |        |  |        |  |  \____ ee: system error code
//   |        |  |        |  \_______ cc: current selected machine
//   |        |  |        \__________ ss: system status byte
//   |        |  \___________________ pp: master position, frames, MSB first
//   |        \______________________ mm: master machine
//   \_______________________________ nine data bytes
QByteArray masterPosition(const SystemView& system);

//   1A A0 81 mm tt s1 s2 pp pp pp ee s3 cs
//   tt transport state; s1, s2, s3 status bytes 1-3; pp position; ee sync error (sign and size)
QByteArray machineStatus(const Machine& m);

//   16 A0 82 mm oo oo oo sf cs      oo offset in frames, MSB first; sf sub-frames
QByteArray machineOffset(const Machine& m);

//   1C A0 83 mm i1 i2 tr dd n1 n2 n3 n4 n5 n6 cs
//   i1 i2 Sony device type; tr record tracks (bits 0-2); dd edit mode, frame rate, record enable;
//   n1..n6 the machine's name
QByteArray machineDetails(const Machine& m);

//   15 A0 84 mm t1 t2 t3 cs   (0x84 ready, 0x85 record: the machine's tracks 1-24, bit 0 first)
QByteArray machineTracks(std::uint8_t kind, int machine, std::span<const std::uint8_t, 3> tracks);

//   1N A0 91 b1 .. b14 cs   (0x91 ready, 0x92 record; N = 1 + the number of map bytes, at most 14;
//   b1 holds tracks 1-8, bit 0 the lowest)
QByteArray trackBitMap(std::uint8_t kind, std::span<const std::uint8_t> map);

//   1N A0 93 m1 t1 m2 t2 ... cs   each machine and its record-tracks code
QByteArray trackMap(std::span<const Machine> machines);

//   15 A0 94 nm fr vv vv cs   nm number of machines; fr system frame rate; vv a version, 2.20
QByteArray systemSpecification(int machines, std::uint8_t frameRate);

}  // namespace sim::tally
