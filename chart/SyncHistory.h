#pragma once
// The recent past of every machine's synchronisation, for the sync chart: per machine (A-F and
// the generator) a ring of samples, one for each machine-status and machine-offset tally, each
// carrying the latest of the other tally's values; and the name its details tally gives it.
// Fed from every good frame whether or not the chart is shown, so that opening it shows what
// went before. Bounded: ten minutes at 25 tallies a second per machine, the oldest dropped after.
#include "chart/SampleRing.h"
#include "decode/synctally.h"
#include "link/frame.h"

#include <QString>

#include <array>
#include <cstdint>

namespace chart {

inline constexpr int SeriesCount = 7;  // machines A-F, then the generator
inline constexpr int GeneratorMachine = 255;
inline constexpr int HistorySeconds = 600;
inline constexpr int TalliesPerSecond = 25;
inline constexpr std::size_t SamplesPerSeries =
    static_cast<std::size_t>(HistorySeconds) * TalliesPerSecond;

// The series of a machine number, or -1 for a number the chart does not draw.
constexpr int seriesOf(int machine) {
    if (machine >= 1 && machine <= 6) return machine - 1;
    if (machine == GeneratorMachine) return SeriesCount - 1;
    return -1;
}
// "A" to "F", "Gen" for the generator.
QString seriesLetter(int series);

class SyncHistory {
  public:
    SyncHistory();

    // Takes what a received frame says; returns whether it added a sample or a name.
    bool take(const frame::Bytes& rx, int length, std::int64_t timeMs);
    void take(const decode::SyncTally& tally, std::int64_t timeMs);

    const SampleRing& samples(int series) const { return rings_[static_cast<std::size_t>(series)]; }
    // Whether sample i of the series changed the transport state or the lock against the one
    // before it: a marker on the chart.
    bool changesAt(int series, std::size_t i) const;
    // The name of the machine's details tally, blanks trimmed; empty until one came.
    QString name(int series) const;
    // "A VTR 01", or just the letter while the name is not known.
    QString legend(int series) const;
    // Counts every change, so that a view can tell whether it has something new to draw.
    std::uint64_t generation() const { return generation_; }
    // The times of the oldest and the newest sample of any series (0 while there is none).
    std::int64_t oldestMs() const;
    std::int64_t newestMs() const { return newestMs_; }

  private:
    struct Latest {
        std::int32_t offset = 0;
        std::int16_t syncError = 0;
        std::uint8_t state = 0;
        bool locked = false;
    };

    std::array<SampleRing, SeriesCount> rings_;
    std::array<Latest, SeriesCount> latest_{};
    std::array<std::array<char, 6>, SeriesCount> names_{};
    std::uint64_t generation_ = 0;
    std::int64_t newestMs_ = 0;
};

}  // namespace chart
