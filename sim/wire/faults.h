#pragma once
// Line faults the simulator can put on the wire: bits flipped by noise, stray bytes between
// frames, and stalls, where frames pile up and are let go as one block of more than 30 bytes, as
// a receiver that was held up meets them in one read.
#include "sim/model/rng.h"

#include <QByteArray>

#include <cstdint>

namespace sim {

struct FaultSettings {
    double bitErrorRate = 0;  // chance per byte that one of its bits flips
    double garbageRate = 0;   // chance per frame that one to three random bytes come before it
    bool stalls = false;      // now and then (one frame in a hundred) a stall
};

class LineFaults {
  public:
    LineFaults(const FaultSettings& settings, std::uint64_t seed);

    // Stray bytes to put on the line before the next frame; empty most of the time.
    QByteArray garbage();
    // Flips bits of the bytes as the line would; true when any byte was hit.
    bool damage(QByteArray& bytes);
    // True when the writer should hold frames back now and let them go as one block.
    bool stall();

    // A stall lets at least this many bytes go at once: the pile of several frames that a
    // held-up receiver meets.
    static constexpr int StallBytes = 31;

  private:
    FaultSettings settings_;
    SimRandom rng_;
};

}  // namespace sim
