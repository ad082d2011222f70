#pragma once
// One series of the chart thinned to columns of time about a pixel wide: per column the least
// and the greatest value (so that a short excursion still shows) and the values at which the
// transport state or the lock changed. Kept up to date from the ring as samples come, reading
// only the new ones; read again whole only when the width of a column changes.
#include "chart/SampleRing.h"
#include "chart/chartspan.h"

#include <QList>
#include <QPointF>

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

namespace chart {

class ColumnThinner {
  public:
    using ValueOf = std::int32_t (*)(const Sample&);

    explicit ColumnThinner(ValueOf value) : value_(value) {}

    // Takes the samples the ring got since the last call, or all of them for a new width.
    void update(const SampleRing& ring, double columnMs);
    double columnMs() const { return columnMs_; }
    // The least and greatest value of every column that meets `shown`, in time order, but of a
    // run of one value only its ends.
    void line(TimeWindow shown, QList<QPointF>& out) const;
    // The state or lock changes in those columns: one for each value a column saw one at.
    void changes(TimeWindow shown, QList<QPointF>& out) const;

  private:
    struct Column {
        std::int64_t index = 0;    // time / column width
        std::int64_t firstMs = 0;  // the oldest sample taken into it
        std::int64_t lowMs = 0;
        std::int64_t highMs = 0;
        std::int32_t low = 0;
        std::int32_t high = 0;
        std::vector<std::pair<std::int64_t, std::int32_t>> changes;  // time, value
    };

    std::int64_t indexOf(std::int64_t timeMs) const;
    void take(Column& c, const Sample& s, bool changed) const;
    void append(const Sample& s, bool changed);
    void rebuild(const SampleRing& ring);
    void dropOlderThan(const SampleRing& ring);
    std::pair<std::size_t, std::size_t> meeting(TimeWindow shown) const;

    ValueOf value_;
    double columnMs_ = 0;
    std::uint64_t seen_ = 0;  // the ring's pushed() when last brought up to date
    std::deque<Column> columns_;
};

}  // namespace chart
