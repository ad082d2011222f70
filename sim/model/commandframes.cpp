#include "sim/model/commandframes.h"

#include "sim/model/timecode.h"

#include "link/frame.h"

#include <vector>

namespace sim::cmd {

QByteArray bytes(const encode::Frame& frame) {
    return frame::toByteArray(frame.view());
}

QByteArray make(std::initializer_list<std::uint8_t> body) {
    const std::vector<std::uint8_t> data(body);
    return bytes(encode::complete(data));
}

QByteArray cyclic(bool on) {
    return bytes(encode::cyclicData(on));
}
QByteArray toMachine(std::uint8_t machine, std::uint8_t k) {
    return bytes(encode::toMachine(machine, k));
}
QByteArray toCurrent(std::uint8_t k) {
    return bytes(encode::toCurrent(k));
}
QByteArray toMaster(std::uint8_t k) {
    return bytes(encode::toMaster(k));
}
QByteArray locateCurrent(std::uint8_t k, int frames) {
    return bytes(encode::toCurrentAt(k, timeBytes(frames)));
}
QByteArray locateMaster(std::uint8_t k, int frames) {
    return bytes(encode::toMasterAt(k, timeBytes(frames)));
}
QByteArray locateMachine(std::uint8_t machine, std::uint8_t k, int frames) {
    return bytes(encode::toMachineAt(machine, k, timeBytes(frames)));
}
QByteArray sonyLocate(int frames) {
    return bytes(encode::sonyLocate(timeBytes(frames)));
}
QByteArray armTracks(std::uint8_t t1, std::uint8_t t2, std::uint8_t t3) {
    return bytes(encode::armTracks({t1, t2, t3}));
}

}  // namespace sim::cmd
