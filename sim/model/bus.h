#pragma once
// The bus as the analyser hears it, one 40 ms frame period at a time: the controller's commands
// with the synchroniser's answers, then the cyclic tallies, as many as the load leaves room for.
//
// Each period carries, while cyclic data is enabled:
//   - the master-position tally (every period, whatever the load);
//   - machine tallies in turn: the status of every machine, and after each round of statuses one
//     of the rest (offset and details of each machine, the ready and record bit maps, a
//     machine's ready and record tracks), at least one per period and more while the load's
//     byte budget lasts.
#include "sim/model/controller.h"
#include "sim/model/synchroniser.h"

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sim {

// The line: 38400 baud, 11 bits a byte (start, 8 data, parity, stop).
inline constexpr double LineBytesPerSecond = 38400.0 / 11.0;
inline constexpr double PeriodSeconds = 0.040;
inline constexpr double LineBytesPerPeriod = LineBytesPerSecond * PeriodSeconds;

struct BusSettings {
    int machines = MaxMachines;
    double loadPercent = 50;
    bool controller = true;
    std::uint64_t seed = 1;
    bool troubled = false;  // B hunts, C drops out now and then
};

class Bus {
  public:
    explicit Bus(const BusSettings& settings);

    // The frames of the next period, in line order. `backlog` is the number of bytes of earlier
    // periods still waiting for the line: the tallies of this period make room for them, so the
    // line never falls behind for good, even at full load.
    std::vector<QByteArray> nextPeriod(qsizetype backlog = 0);
    // A good frame from the far side (the analyser speaking): its effect, and the answers that
    // go out at once.
    std::vector<QByteArray> received(std::span<const std::uint8_t> frame);

    const Synchroniser& synchroniser() const { return sync_; }
    std::int64_t periods() const { return n_; }

  private:
    QByteArray rotaTally();
    QByteArray extraTally();

    Synchroniser sync_;
    std::optional<Controller> controller_;
    double budget_;
    double credit_ = 0;
    std::int64_t n_ = 0;
    int statusCursor_ = 0;
    int extraCursor_ = 0;
    int trackMachine_ = 1;
};

}  // namespace sim
