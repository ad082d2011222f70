#include "chart/ColumnThinner.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {
double seconds(std::int64_t ms) {
    return static_cast<double>(ms) / 1000.0;
}
}  // namespace

std::int64_t ColumnThinner::indexOf(std::int64_t timeMs) const {
    return static_cast<std::int64_t>(std::floor(static_cast<double>(timeMs) / columnMs_));
}

void ColumnThinner::take(Column& c, const Sample& s, bool changed) const {
    const std::int32_t v = value_(s);
    // The first sample of a least or greatest value is kept, as a scan from the left finds it.
    if (v < c.low) {
        c.low = v;
        c.lowMs = s.timeMs;
    }
    if (v > c.high) {
        c.high = v;
        c.highMs = s.timeMs;
    }
    if (!changed) return;
    const bool known = std::any_of(c.changes.begin(), c.changes.end(),
                                   [v](const auto& change) { return change.second == v; });
    if (!known) c.changes.emplace_back(s.timeMs, v);
}

void ColumnThinner::append(const Sample& s, bool changed) {
    const std::int64_t index = indexOf(s.timeMs);
    // Times never go back; were one to, it joins the newest column rather than reorder them.
    if (columns_.empty() || index > columns_.back().index) {
        Column c;
        c.index = index;
        c.firstMs = c.lowMs = c.highMs = s.timeMs;
        c.low = c.high = value_(s);
        columns_.push_back(std::move(c));
    }
    take(columns_.back(), s, changed);
}

void ColumnThinner::rebuild(const SampleRing& ring) {
    columns_.clear();
    for (std::size_t i = 0; i < ring.size(); ++i)
        append(ring[i], i > 0 && stateOrLockChanged(ring[i - 1], ring[i]));
    seen_ = ring.pushed();
}

// Columns the ring no longer holds any sample of go; the oldest one left is read again if it
// took samples the ring has dropped since.
void ColumnThinner::dropOlderThan(const SampleRing& ring) {
    if (ring.empty()) {
        columns_.clear();
        return;
    }
    const std::int64_t oldest = ring[0].timeMs;
    const std::int64_t oldestIndex = indexOf(oldest);
    while (!columns_.empty() && columns_.front().index < oldestIndex) columns_.pop_front();
    if (columns_.empty() || columns_.front().firstMs >= oldest) return;
    Column& front = columns_.front();
    front.firstMs = front.lowMs = front.highMs = oldest;
    front.low = front.high = value_(ring[0]);
    front.changes.clear();
    for (std::size_t i = 0; i < ring.size() && indexOf(ring[i].timeMs) <= front.index; ++i)
        take(front, ring[i], i > 0 && stateOrLockChanged(ring[i - 1], ring[i]));
}

void ColumnThinner::update(const SampleRing& ring, double columnMs) {
    const std::uint64_t fresh = ring.pushed() - seen_;
    if (columnMs != columnMs_ || fresh >= ring.size()) {
        columnMs_ = columnMs;
        rebuild(ring);
        return;
    }
    for (std::size_t i = ring.size() - fresh; i < ring.size(); ++i)
        append(ring[i], i > 0 && stateOrLockChanged(ring[i - 1], ring[i]));
    seen_ = ring.pushed();
    if (fresh > 0) dropOlderThan(ring);
}

std::pair<std::size_t, std::size_t> ColumnThinner::meeting(TimeWindow shown) const {
    if (columns_.empty()) return {0, 0};
    const std::int64_t from = indexOf(shown.fromMs);
    const std::int64_t to = indexOf(shown.toMs);
    const auto first =
        std::lower_bound(columns_.begin(), columns_.end(), from,
                         [](const Column& c, std::int64_t i) { return c.index < i; });
    const auto end = std::upper_bound(first, columns_.end(), to,
                                      [](std::int64_t i, const Column& c) { return i < c.index; });
    return {static_cast<std::size_t>(first - columns_.begin()),
            static_cast<std::size_t>(end - columns_.begin())};
}

// Of a run of points of one value only the first and the last are kept: the line between them
// is the same, and every point costs the chart to lay out and draw.
void ColumnThinner::line(TimeWindow shown, QList<QPointF>& out) const {
    const qsizetype start = out.size();
    const auto add = [&out, start](double t, std::int32_t v) {
        const qsizetype n = out.size() - start;
        if (n >= 2 && out[out.size() - 1].y() == v && out[out.size() - 2].y() == v) {
            out.last().setX(t);
            return;
        }
        out.append({t, double(v)});
    };
    const auto [first, end] = meeting(shown);
    for (std::size_t i = first; i < end; ++i) {
        const Column& c = columns_[i];
        const bool lowFirst = c.lowMs <= c.highMs;
        if (lowFirst)
            add(seconds(c.lowMs), c.low);
        else
            add(seconds(c.highMs), c.high);
        if (c.low == c.high) continue;
        if (lowFirst)
            add(seconds(c.highMs), c.high);
        else
            add(seconds(c.lowMs), c.low);
    }
}

void ColumnThinner::changes(TimeWindow shown, QList<QPointF>& out) const {
    const auto [first, end] = meeting(shown);
    for (std::size_t i = first; i < end; ++i)
        for (const auto& [ms, v] : columns_[i].changes) out.append({seconds(ms), double(v)});
}

}  // namespace chart
