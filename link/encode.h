#pragma once
// Every frame the analyser and the simulator put on the line, built whole: CMD1 with its data
// count, CMD2, the data bytes and the checksum. Each builder shows its frame (cs the checksum).
#include "link/codes.h"
#include "link/framebytes.h"
#include "link/tallycodes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace encode {

struct Frame {
    frame::Bytes bytes{};  // zero past the checksum
    std::size_t size = 0;  // checksum included

    constexpr std::span<const std::uint8_t> view() const {
        return std::span<const std::uint8_t>(bytes).first(size);
    }
    friend bool operator==(const Frame&, const Frame&) = default;
};

// A time as the bus carries it: BCD frames, seconds, minutes, hours.
using TimeBytes = std::array<std::uint8_t, 4>;
// Record arming of tracks 1..24, track t at bit (t - 1) % 8 of byte (t - 1) / 8.
using TrackBytes = std::array<std::uint8_t, 3>;

// ---- Any frame -------------------------------------------------------------------------------

//   CMD1 CMD2 DATA.. cs      CMD1, CMD2 and the data CMD1 announces, taken from `body`
//                            (bytes past them are ignored)
Frame complete(std::span<const std::uint8_t> body);
//   gN cc d1 .. dN cs        group g, CMD2 cc, the data (at most 15 bytes are kept)
Frame message(int group, std::uint8_t cmd2, std::span<const std::uint8_t> data = {});

// ---- Sony commands ---------------------------------------------------------------------------

//   00 11 cs                 device type request
Frame deviceTypeRequest();
//   24 31 ff ss mm hh cs     locate
Frame sonyLocate(const TimeBytes& time);
//   61 0C rr cs              current time sense, rr the proto::timerequest bits
Frame timeSense(std::uint8_t request);
//   61 0A rr cs              generator time sense
Frame genTimeSense(std::uint8_t request);
//   61 20 sn cs              status sense: n bytes from byte s on
Frame statusSense(int start, int count);
//   61 30 0n cs              edit preset sense
Frame editPresetSense(int count);

// ---- Sony replies ----------------------------------------------------------------------------

//   10 01 cs                 ACK
Frame ack();
//   11 12 rr cs              NAK, rr the proto::nak reasons
Frame nak(std::uint8_t reasons);
//   12 11 i1 i2 cs           device type
Frame deviceType(std::uint8_t id1, std::uint8_t id2);
//   74 kk ff ss mm hh cs     time data of kind kk (proto::sensereply)
Frame timeData(std::uint8_t kind, const TimeBytes& time);
//   7N 20 d1 .. dN cs        status data
Frame statusData(std::span<const std::uint8_t> status);
//   7N 30 d1 .. dN cs        edit preset data
Frame editPresetData(std::span<const std::uint8_t> preset);

// ---- Extended commands -----------------------------------------------------------------------

//   0N A0 kk a1 .. cs        any kind with its arguments
Frame extendedCommand(std::uint8_t kind, std::span<const std::uint8_t> args = {});
//   02 A0 85 01|00 cs        cyclic data on / off
Frame cyclicData(bool on);
//   02 A0 89 kk cs           key command kk to the current selected machine
Frame toCurrent(std::uint8_t key);
//   02 A0 8C kk cs           to the master machine
Frame toMaster(std::uint8_t key);
//   03 A0 8B mm kk cs        to machine mm (kk 00 selects it)
Frame toMachine(std::uint8_t machine, std::uint8_t key);
//   06 A0 89 kk ff ss mm hh cs / 06 A0 8C ..   a key command with a time: locates
Frame toCurrentAt(std::uint8_t key, const TimeBytes& time);
Frame toMasterAt(std::uint8_t key, const TimeBytes& time);
//   07 A0 8B mm kk ff ss mm hh cs
Frame toMachineAt(std::uint8_t machine, std::uint8_t key, const TimeBytes& time);
//   03 A0 8B A1 ss cs / 03 A0 8B A0 ss cs     sub-command ss to all machines / the chase group
Frame toAll(std::uint8_t subCommand);
Frame toGroup(std::uint8_t subCommand);
//   04 A0 8D t1 t2 t3 cs     arm tracks 1-24
Frame armTracks(const TrackBytes& tracks);
//   0N A0 84 b1 .. cs        logical record enable bit maps
Frame recordEnable(std::span<const std::uint8_t> map);

// ---- Extended tallies ------------------------------------------------------------------------

//   1N A0 kk d1 .. cs        any kind with its data
Frame extendedTally(std::uint8_t kind, std::span<const std::uint8_t> data = {});

struct MasterPosition {
    std::uint8_t master;    // machine number
    int position;           // frames, the low 24 bits are sent
    std::uint8_t status;    // system status byte
    std::uint8_t selected;  // current selected machine
    std::uint8_t error;     // system error code, 0 none
};
//   19 A0 80 mm pp pp pp ss cc ee 00 cs
Frame masterPosition(const MasterPosition& tally);

struct MachineStatus {
    std::uint8_t machine;
    std::uint8_t state;  // transport state, 1..19
    std::uint8_t status1;
    std::uint8_t status2;
    int position;  // frames, the low 24 bits are sent
    std::uint8_t syncError;
    std::uint8_t status3;
};
//   1A A0 81 mm tt s1 s2 pp pp pp ee s3 cs
Frame machineStatus(const MachineStatus& tally);

struct MachineOffset {
    std::uint8_t machine;
    int offset;  // frames, the low 24 bits are sent
    std::uint8_t subFrames;
};
//   16 A0 82 mm oo oo oo sf cs
Frame machineOffset(const MachineOffset& tally);

struct MachineDetails {
    std::uint8_t machine;
    std::uint8_t sonyId1;
    std::uint8_t sonyId2;
    std::uint8_t tracks;    // record tracks code, bits 0-2
    std::uint8_t details;   // edit mode, frame rate, record enable
    std::string_view name;  // six characters are sent, blank-filled
};
//   1C A0 83 mm i1 i2 tr dd n1 n2 n3 n4 n5 n6 cs
Frame machineDetails(const MachineDetails& tally);

//   15 A0 84 mm t1 t2 t3 cs  (kind 84 ready, 85 record)
Frame machineTracks(std::uint8_t kind, std::uint8_t machine, const TrackBytes& tracks);
//   1N A0 91 b1 .. cs        (kind 91 ready, 92 record; at most 14 map bytes are sent)
Frame trackBitMap(std::uint8_t kind, std::span<const std::uint8_t> map);

struct MachineTracks {
    std::uint8_t machine;
    std::uint8_t tracks;  // record tracks code
};
//   1N A0 93 m1 t1 m2 t2 .. cs   (at most 7 machines are sent)
Frame trackMap(std::span<const MachineTracks> machines);
//   15 A0 94 nm fr v1 v2 cs
Frame systemSpecification(std::uint8_t machines, std::uint8_t frameRate,
                          const std::array<std::uint8_t, 2>& version);

}  // namespace encode
