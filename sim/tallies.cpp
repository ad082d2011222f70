#include "sim/tallies.h"

#include "link/frame.h"

#include <algorithm>
#include <array>
#include <vector>

namespace sim::tally {

namespace {
constexpr std::uint8_t Tally = 0x10;

std::uint8_t hi(int v) {
    return static_cast<std::uint8_t>(v >> 16 & 0xFF);
}
std::uint8_t mid(int v) {
    return static_cast<std::uint8_t>(v >> 8 & 0xFF);
}
std::uint8_t lo(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
std::uint8_t num(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

// CMD1 (group 1, data count from the body), CMD2 0xA0, then the data bytes.
QByteArray build(std::vector<std::uint8_t> data) {
    std::vector<std::uint8_t> body;
    body.reserve(data.size() + 2);
    body.push_back(static_cast<std::uint8_t>(Tally | data.size()));
    body.push_back(frame::Extended);
    body.insert(body.end(), data.begin(), data.end());
    return frame::complete(body);
}
}  // namespace

QByteArray masterPosition(const SystemView& s) {
    return build({MasterPosition, s.master, hi(s.position), mid(s.position), lo(s.position),
                  s.status, s.selected, s.error, 0x00});
}

QByteArray machineStatus(const Machine& m) {
    const int p = m.position();
    return build({MachineStatus, num(m.number()), code(m.transport()), m.status1(), m.status2(),
                  hi(p), mid(p), lo(p), m.syncErrorByte(), m.status3()});
}

QByteArray machineOffset(const Machine& m) {
    const int o = m.offset();
    return build({MachineOffset, num(m.number()), hi(o), mid(o), lo(o), num(m.subFrames())});
}

QByteArray machineDetails(const Machine& m) {
    const MachineSetup& s = m.setup();
    std::vector<std::uint8_t> data{MachineDetails,
                                   num(m.number()),
                                   s.sonyId1,
                                   s.sonyId2,
                                   static_cast<std::uint8_t>(s.tracksCode & 0x07),
                                   m.detailsByte()};
    for (std::size_t i = 0; i < 6; ++i)
        data.push_back(i < s.name.size() ? static_cast<std::uint8_t>(s.name[i]) : ' ');
    return build(std::move(data));
}

QByteArray machineTracks(std::uint8_t kind, int machine, std::span<const std::uint8_t, 3> tracks) {
    return build({kind, num(machine), tracks[0], tracks[1], tracks[2]});
}

QByteArray trackBitMap(std::uint8_t kind, std::span<const std::uint8_t> map) {
    std::vector<std::uint8_t> data{kind};
    const auto n = std::min<std::size_t>(map.size(), 14);
    data.insert(data.end(), map.begin(), map.begin() + static_cast<std::ptrdiff_t>(n));
    return build(std::move(data));
}

QByteArray trackMap(std::span<const Machine> machines) {
    std::vector<std::uint8_t> data{TrackMap};
    for (const Machine& m : machines) {
        if (data.size() + 2 > 15) break;
        data.push_back(num(m.number()));
        data.push_back(m.setup().tracksCode);
    }
    return build(std::move(data));
}

QByteArray systemSpecification(int machines, std::uint8_t frameRate) {
    return build({SystemSpecification, num(machines), frameRate, 0x02, 0x20});
}

}  // namespace sim::tally
