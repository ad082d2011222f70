#pragma once
// The simulator's own controller on the line: an edit controller that keeps the synchroniser's
// cyclic data alive, polls time and status, and now and then selects, moves, locates and arms
// machines, so that a listening analyser sees every kind of traffic from the first second.
#include "sim/model/rng.h"
#include "sim/model/synchroniser.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

class Controller {
  public:
    Controller(int machineCount, std::uint64_t seed);

    // The commands it puts on the line in period n (n counts from 0, one per 40 ms).
    std::vector<QByteArray> period(std::int64_t n, const Synchroniser& sync);

  private:
    QByteArray opening(std::int64_t n);
    QByteArray action(const Synchroniser& sync);
    std::uint8_t anyMachine() { return static_cast<std::uint8_t>(rng_.range(1, machines_)); }
    int near(int position) { return position + rng_.range(-30, 30) * 25; }

    SimRandom rng_;
    int machines_;
    std::int64_t nextAction_ = 0;
};

}  // namespace sim
