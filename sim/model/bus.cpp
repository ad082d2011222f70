#include "sim/model/bus.h"

#include "sim/model/commands.h"
#include "sim/model/tallies.h"

#include <algorithm>

namespace sim {

namespace {
constexpr double StatusTallyBytes = 13;

std::span<const std::uint8_t> bytesOf(const QByteArray& f) {
    return {reinterpret_cast<const std::uint8_t*>(f.constData()),
            static_cast<std::size_t>(f.size())};
}
}  // namespace

Bus::Bus(const BusSettings& s)
    : sync_(s.machines, s.seed, s.troubled),
      budget_(LineBytesPerPeriod * std::clamp(s.loadPercent, 1.0, 100.0) / 100.0) {
    // The controller draws from its own stream, so that turning it off leaves the
    // synchroniser's own chances (sync error, spontaneous errors) as they were.
    if (s.controller) controller_.emplace(s.machines, s.seed ^ 0x9E3779B97F4A7C15ULL);
}

std::vector<QByteArray> Bus::nextPeriod(qsizetype backlog) {
    std::vector<QByteArray> out;
    if (controller_) {
        for (const QByteArray& c : controller_->period(n_, sync_)) {
            out.push_back(c);
            for (QByteArray& a : answer(sync_, bytesOf(c))) out.push_back(std::move(a));
        }
    }
    sync_.tick();
    ++n_;
    if (!sync_.cyclic()) {
        credit_ = 0;
        return out;
    }
    credit_ = std::min(credit_ + budget_, 2 * budget_);
    out.push_back(tally::masterPosition(sync_.view()));
    for (const QByteArray& f : out) credit_ -= static_cast<double>(f.size());
    credit_ -= static_cast<double>(backlog);
    // At least one machine tally, then more while the budget has room for a status tally.
    do {
        QByteArray t = rotaTally();
        credit_ -= static_cast<double>(t.size());
        out.push_back(std::move(t));
    } while (credit_ >= StatusTallyBytes);
    return out;
}

std::vector<QByteArray> Bus::received(std::span<const std::uint8_t> frame) {
    return answer(sync_, frame);
}

QByteArray Bus::rotaTally() {
    const int n = sync_.machineCount();
    if (statusCursor_ >= n) {
        statusCursor_ = 0;
        return extraTally();
    }
    return tally::machineStatus(*sync_.machine(++statusCursor_));
}

QByteArray Bus::extraTally() {
    const int n = sync_.machineCount();
    const int slotCount = 2 * n + 4;
    const int slot = extraCursor_;
    extraCursor_ = (extraCursor_ + 1) % slotCount;
    if (slot < 2 * n) {
        const Machine& m = *sync_.machine(slot / 2 + 1);
        return slot % 2 == 0 ? tally::machineOffset(m) : tally::machineDetails(m);
    }
    switch (slot - 2 * n) {
        case 0:
            return tally::trackBitMap(tally::ReadyBitMap, sync_.readyMap());
        case 1:
            return tally::trackBitMap(tally::RecordBitMap, sync_.recordMap());
        case 2:
            return tally::machineTracks(tally::MachineReady, trackMachine_,
                                        sync_.machineReady(trackMachine_));
        default: {
            const int m = trackMachine_;
            trackMachine_ = trackMachine_ % n + 1;
            return tally::machineTracks(tally::MachineRecord, m, sync_.machineRecord(m));
        }
    }
}

}  // namespace sim
