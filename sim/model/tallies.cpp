#include "sim/model/tallies.h"

#include "sim/model/commandframes.h"

#include "link/encode.h"

#include <vector>

namespace sim::tally {

namespace {
// The version the system reports of itself: 2.20.
constexpr std::array<std::uint8_t, 2> Version{0x02, 0x20};

std::uint8_t num(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
}  // namespace

QByteArray masterPosition(const SystemView& s) {
    return cmd::bytes(
        encode::masterPosition({s.master, s.position, s.status, s.selected, s.error}));
}

QByteArray machineStatus(const Machine& m) {
    return cmd::bytes(
        encode::machineStatus({num(m.number()), code(m.transport()), m.status1(), m.status2(),
                               m.position(), m.syncErrorByte(), m.status3()}));
}

QByteArray machineOffset(const Machine& m) {
    return cmd::bytes(encode::machineOffset({num(m.number()), m.offset(), num(m.subFrames())}));
}

QByteArray machineDetails(const Machine& m) {
    const MachineSetup& s = m.setup();
    return cmd::bytes(encode::machineDetails(
        {num(m.number()), s.sonyId1, s.sonyId2, s.tracksCode, m.detailsByte(), s.name}));
}

QByteArray machineTracks(std::uint8_t kind, int machine, std::span<const std::uint8_t, 3> tracks) {
    return cmd::bytes(encode::machineTracks(kind, num(machine), {tracks[0], tracks[1], tracks[2]}));
}

QByteArray trackBitMap(std::uint8_t kind, std::span<const std::uint8_t> map) {
    return cmd::bytes(encode::trackBitMap(kind, map));
}

QByteArray trackMap(std::span<const Machine> machines) {
    std::vector<encode::MachineTracks> entries;
    entries.reserve(machines.size());
    for (const Machine& m : machines) entries.push_back({num(m.number()), m.setup().tracksCode});
    return cmd::bytes(encode::trackMap(entries));
}

QByteArray systemSpecification(int machines, std::uint8_t frameRate) {
    return cmd::bytes(encode::systemSpecification(num(machines), frameRate, Version));
}

}  // namespace sim::tally
