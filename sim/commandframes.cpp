#include "sim/commandframes.h"

#include "sim/timecode.h"

#include "link/frame.h"

#include <vector>

namespace sim::cmd {

namespace {
constexpr std::uint8_t Ext = frame::Extended;

QByteArray withTime(std::vector<std::uint8_t> body, int frames) {
    const auto t = timeBytes(frames);
    body.insert(body.end(), t.begin(), t.end());
    return frame::complete(body);
}
}  // namespace

QByteArray make(std::initializer_list<std::uint8_t> body) {
    const std::vector<std::uint8_t> bytes(body);
    return frame::complete(bytes);
}

QByteArray cyclic(bool on) {
    return make({0x02, Ext, 0x85, on ? std::uint8_t{1} : std::uint8_t{0}});
}
QByteArray toMachine(std::uint8_t machine, std::uint8_t k) {
    return make({0x03, Ext, 0x8B, machine, k});
}
QByteArray toCurrent(std::uint8_t k) {
    return make({0x02, Ext, 0x89, k});
}
QByteArray toMaster(std::uint8_t k) {
    return make({0x02, Ext, 0x8C, k});
}
QByteArray locateCurrent(std::uint8_t k, int frames) {
    return withTime({0x06, Ext, 0x89, k}, frames);
}
QByteArray locateMaster(std::uint8_t k, int frames) {
    return withTime({0x06, Ext, 0x8C, k}, frames);
}
QByteArray locateMachine(std::uint8_t machine, std::uint8_t k, int frames) {
    return withTime({0x07, Ext, 0x8B, machine, k}, frames);
}
QByteArray sonyLocate(int frames) {
    return withTime({0x24, 0x31}, frames);
}
QByteArray armTracks(std::uint8_t t1, std::uint8_t t2, std::uint8_t t3) {
    return make({0x04, Ext, 0x8D, t1, t2, t3});
}

}  // namespace sim::cmd
