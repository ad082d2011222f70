#include "chart/csvexport.h"

#include <array>

namespace chart {

namespace {
QByteArray rowOf(const Sample& s, int series) {
    return QByteArray::number(static_cast<double>(s.timeMs) / 1000.0, 'f', 3) + ',' +
           seriesLetter(series).toLatin1() + ',' + QByteArray::number(s.syncError) + ',' +
           QByteArray::number(s.offset) + ',' + QByteArray::number(s.state) + ',' +
           (s.locked ? '1' : '0') + '\n';
}
}  // namespace

// Merges the machines' rings by time; samples of the same time keep the machines' order.
QByteArray csvOf(const SyncHistory& history, TimeWindow shown) {
    std::array<std::size_t, SeriesCount> next{};
    std::array<std::size_t, SeriesCount> end{};
    for (int s = 0; s < SeriesCount; ++s) {
        const SampleRing& ring = history.samples(s);
        next[static_cast<std::size_t>(s)] = ring.firstAtOrAfter(shown.fromMs);
        end[static_cast<std::size_t>(s)] = ring.firstAtOrAfter(shown.toMs + 1);
    }
    QByteArray out = QByteArray(CsvHeader.data(), static_cast<qsizetype>(CsvHeader.size())) + '\n';
    for (;;) {
        int pick = -1;
        for (int s = 0; s < SeriesCount; ++s) {
            const auto i = static_cast<std::size_t>(s);
            if (next[i] >= end[i]) continue;
            if (pick < 0 || history.samples(s)[next[i]].timeMs <
                                history.samples(pick)[next[static_cast<std::size_t>(pick)]].timeMs)
                pick = s;
        }
        if (pick < 0) return out;
        const auto p = static_cast<std::size_t>(pick);
        out += rowOf(history.samples(pick)[next[p]], pick);
        ++next[p];
    }
}

}  // namespace chart
