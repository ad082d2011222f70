#include "sim/model/sonyreplies.h"

#include "sim/model/commandframes.h"
#include "sim/model/timecode.h"

#include "link/encode.h"

#include <algorithm>

namespace sim::sony {

QByteArray ack() {
    return cmd::bytes(encode::ack());
}

QByteArray nak(std::uint8_t reasons) {
    return cmd::bytes(encode::nak(reasons));
}

QByteArray timeData(std::uint8_t kind, int frames) {
    return cmd::bytes(encode::timeData(kind, timeBytes(frames)));
}

QByteArray deviceType(std::uint8_t id1, std::uint8_t id2) {
    return cmd::bytes(encode::deviceType(id1, id2));
}

QByteArray statusData(int start, int count, std::span<const std::uint8_t, 16> status) {
    const int first = std::clamp(start, 0, 15);
    const int n = std::clamp(count, 0, std::min(15, 16 - first));
    return cmd::bytes(encode::statusData(
        status.subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(n))));
}

QByteArray editPreset(std::span<const std::uint8_t> bytes) {
    return cmd::bytes(encode::editPresetData(bytes.first(std::min<std::size_t>(bytes.size(), 4))));
}

}  // namespace sim::sony
