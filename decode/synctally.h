#pragma once
// The synchronisation sample of any machine's extended tally, for the sync chart: every machine
// (A-F = 1..6, the generator 255), not only the monitored one.
//
//   1A A0 81 mm tt s1 s2 pp pp pp ee s3 cs      machine status
//            |  |  |              \_ ee: sync error, bit 7 the sign, bits 0-6 the size in frames
//            |  |  \________________ s1: status byte 1, bit 6 set = not locked
//            |  \___________________ tt: transport state, 1..19
//            \______________________ mm: machine number
//
//   16 A0 82 mm oo oo oo sf cs                  machine offset
//            |  \_______\___ oo: offset, 24-bit frame count, MSB first, unsigned
//            \______________ mm: machine number
//
//   1C A0 83 mm i1 i2 tr dd n1 n2 n3 n4 n5 n6 cs   machine details
//            |                 \______________\_ n1..n6: the machine's name
//            \______________________________ mm: machine number
#include "link/frame.h"

#include <array>
#include <cstdint>
#include <optional>

namespace decode {

struct SyncTally {
    enum class Kind : std::uint8_t { Status, Offset, Name };
    Kind kind = Kind::Status;
    std::uint8_t machine = 0;
    // Kind::Status
    int syncError = 0;  // frames, negative when the sign bit is set
    std::uint8_t state = 0;
    bool locked = false;
    // Kind::Offset
    std::int32_t offset = 0;  // frames
    // Kind::Name
    std::array<char, 6> name{};

    friend bool operator==(const SyncTally&, const SyncTally&) = default;
};

// What the frame says about a machine's synchronisation, or nothing for any other frame and for
// a tally too short to carry what it names.
std::optional<SyncTally> syncTally(const frame::Bytes& rx, int length);

}  // namespace decode
