#include "sim/sonyreplies.h"

#include "sim/timecode.h"

#include "link/frame.h"

#include <algorithm>
#include <vector>

namespace sim::sony {

namespace {
QByteArray build(std::uint8_t group, std::uint8_t cmd2, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> body{static_cast<std::uint8_t>(group | data.size()), cmd2};
    body.insert(body.end(), data.begin(), data.end());
    return frame::complete(body);
}
}  // namespace

QByteArray ack() {
    return build(0x10, 0x01, {});
}

QByteArray nak(std::uint8_t reasons) {
    const std::array<std::uint8_t, 1> data{reasons};
    return build(0x10, 0x12, data);
}

QByteArray timeData(std::uint8_t kind, int frames) {
    const auto bytes = timeBytes(frames);
    return build(0x70, kind, bytes);
}

QByteArray deviceType(std::uint8_t id1, std::uint8_t id2) {
    const std::array<std::uint8_t, 2> data{id1, id2};
    return build(0x10, 0x11, data);
}

QByteArray statusData(int start, int count, std::span<const std::uint8_t, 16> status) {
    const int first = std::clamp(start, 0, 15);
    const int n = std::clamp(count, 0, std::min(15, 16 - first));
    return build(0x70, 0x20,
                 status.subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(n)));
}

QByteArray editPreset(std::span<const std::uint8_t> bytes) {
    return build(0x70, 0x30, bytes.first(std::min<std::size_t>(bytes.size(), 4)));
}

}  // namespace sim::sony
