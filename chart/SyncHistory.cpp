#include "chart/SyncHistory.h"

#include <algorithm>
#include <limits>

namespace chart {

namespace {
template <std::size_t... I>
std::array<SampleRing, sizeof...(I)> makeRings(std::index_sequence<I...>) {
    return {((void)I, SampleRing(SamplesPerSeries))...};
}
}  // namespace

QString seriesLetter(int series) {
    if (series == SeriesCount - 1) return QStringLiteral("Gen");
    return QString(QChar(u'A' + series));
}

SyncHistory::SyncHistory() : rings_(makeRings(std::make_index_sequence<SeriesCount>{})) {}

bool SyncHistory::take(const frame::Bytes& rx, int length, std::int64_t timeMs) {
    const std::optional<decode::SyncTally> tally = decode::syncTally(rx, length);
    if (!tally || seriesOf(tally->machine) < 0) return false;
    take(*tally, timeMs);
    return true;
}

void SyncHistory::take(const decode::SyncTally& tally, std::int64_t timeMs) {
    const int series = seriesOf(tally.machine);
    if (series < 0) return;
    const auto s = static_cast<std::size_t>(series);
    Latest& latest = latest_[s];
    switch (tally.kind) {
        case decode::SyncTally::Kind::Name:
            if (names_[s] == tally.name) return;
            names_[s] = tally.name;
            ++generation_;
            return;
        case decode::SyncTally::Kind::Status:
            latest.syncError = static_cast<std::int16_t>(tally.syncError);
            latest.state = tally.state;
            latest.locked = tally.locked;
            break;
        case decode::SyncTally::Kind::Offset:
            latest.offset = tally.offset;
            break;
    }
    rings_[s].push({timeMs, latest.offset, latest.syncError, latest.state, latest.locked});
    newestMs_ = std::max(newestMs_, timeMs);
    ++generation_;
}

bool SyncHistory::changesAt(int series, std::size_t i) const {
    const SampleRing& ring = samples(series);
    if (i == 0 || i >= ring.size()) return false;
    return stateOrLockChanged(ring[i - 1], ring[i]);
}

QString SyncHistory::name(int series) const {
    const std::array<char, 6>& n = names_[static_cast<std::size_t>(series)];
    return QString::fromLatin1(n.data(), static_cast<qsizetype>(n.size()))
        .remove(QChar(u'\0'))
        .trimmed();
}

QString SyncHistory::legend(int series) const {
    const QString n = name(series);
    return n.isEmpty() ? seriesLetter(series) : seriesLetter(series) + QLatin1Char(' ') + n;
}

std::int64_t SyncHistory::oldestMs() const {
    std::int64_t oldest = std::numeric_limits<std::int64_t>::max();
    for (const SampleRing& r : rings_)
        if (!r.empty()) oldest = std::min(oldest, r[0].timeMs);
    return oldest == std::numeric_limits<std::int64_t>::max() ? 0 : oldest;
}

}  // namespace chart
