#include "sim/wire/linepacer.h"

#include <algorithm>

namespace sim {

namespace {
constexpr double BitsPerByte = 11;
constexpr double Baud = 38400;
}  // namespace

LinePacer::LinePacer(double loadPercent) : stretch_(100.0 / std::clamp(loadPercent, 1.0, 100.0)) {}

LinePacer::Time LinePacer::wireTime(int bytes) {
    return Time(static_cast<Time::rep>(bytes * BitsPerByte / Baud * 1e9 + 0.5));
}

LinePacer::Time LinePacer::occupancy(int bytes) const {
    return Time(static_cast<Time::rep>(bytes * BitsPerByte / Baud * 1e9 * stretch_ + 0.5));
}

void LinePacer::sent(int bytes, Time now) {
    nextFree_ = std::max(now, nextFree_) + occupancy(bytes);
}

}  // namespace sim
