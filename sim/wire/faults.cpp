#include "sim/wire/faults.h"

namespace sim {

namespace {
// Chance per frame of a stall: at half load (about 125 frames a second) one a second or so.
constexpr double StallChance = 1.0 / 100;
}  // namespace

LineFaults::LineFaults(const FaultSettings& settings, std::uint64_t seed)
    : settings_(settings), rng_(seed) {}

QByteArray LineFaults::garbage() {
    if (settings_.garbageRate <= 0 || !rng_.chance(settings_.garbageRate)) return {};
    QByteArray out;
    const int n = rng_.range(1, 3);
    for (int i = 0; i < n; ++i) out.append(static_cast<char>(rng_.byte()));
    return out;
}

bool LineFaults::damage(QByteArray& bytes) {
    if (settings_.bitErrorRate <= 0) return false;
    bool hit = false;
    for (char& b : bytes) {
        if (!rng_.chance(settings_.bitErrorRate)) continue;
        b = static_cast<char>(static_cast<unsigned char>(b) ^ (1u << rng_.range(0, 7)));
        hit = true;
    }
    return hit;
}

bool LineFaults::stall() {
    return settings_.stalls && rng_.chance(StallChance);
}

}  // namespace sim
