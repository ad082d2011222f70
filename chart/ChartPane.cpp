#include "chart/ChartPane.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

namespace chart {

namespace {
constexpr qsizetype MaxPoints = 1200;  // a couple of points per pixel of a wide window
constexpr double SyncErrorFloor = 5;   // frames either side of zero, whatever the errors

double seconds(std::int64_t ms) {
    return static_cast<double>(ms) / 1000.0;
}
}  // namespace

ChartPane::ChartPane(Value value, QWidget* parent) : QChartView(parent), value_(value) {
    auto* c = new QChart();
    setChart(c);  // the view owns the chart, the chart its series and axes
    c->setTitle(value == Value::SyncError ? tr("Sync error (frames)") : tr("Offset (frames)"));
    c->legend()->setAlignment(Qt::AlignRight);
    timeAxis_ = new QValueAxis(c);
    timeAxis_->setTitleText(tr("Time (s)"));
    timeAxis_->setLabelFormat(QStringLiteral("%.0f"));
    valueAxis_ = new QValueAxis(c);
    valueAxis_->setLabelFormat(QStringLiteral("%.0f"));
    c->addAxis(timeAxis_, Qt::AlignBottom);
    c->addAxis(valueAxis_, Qt::AlignLeft);
    for (auto& l : lines_) l = new QLineSeries(c);
    markers_ = new QScatterSeries(c);
    markers_->setName(tr("state/lock change"));
    markers_->setMarkerSize(7);
    markers_->setColor(Qt::black);
    c->addSeries(markers_);
    markers_->attachAxis(timeAxis_);
    markers_->attachAxis(valueAxis_);
    setRenderHint(QPainter::Antialiasing, false);
    setMinimumHeight(180);
}

double ChartPane::valueOf(const Sample& s) const {
    return value_ == Value::SyncError ? s.syncError : s.offset;
}

void ChartPane::attach(int series, const QString& legend) {
    QLineSeries* l = lines_[static_cast<std::size_t>(series)];
    if (l->name() != legend) l->setName(legend);
    if (attached_[static_cast<std::size_t>(series)]) return;
    // Machines join the chart (and its legend) when they first report, in the order they do.
    chart()->addSeries(l);
    l->attachAxis(timeAxis_);
    l->attachAxis(valueAxis_);
    attached_[static_cast<std::size_t>(series)] = true;
}

void ChartPane::collect(const SampleRing& ring, std::size_t first, std::size_t end) {
    points_.clear();
    const std::size_t n = end - first;
    const std::size_t stretch = std::max<std::size_t>(1, (2 * n + MaxPoints - 1) / MaxPoints);
    for (std::size_t i = first; i < end; i += stretch) {
        if (stretch == 1) {
            points_.append({seconds(ring[i].timeMs), valueOf(ring[i])});
            continue;
        }
        std::size_t lo = i;
        std::size_t hi = i;
        const std::size_t stop = std::min(end, i + stretch);
        for (std::size_t k = i; k < stop; ++k) {
            if (valueOf(ring[k]) < valueOf(ring[lo])) lo = k;
            if (valueOf(ring[k]) > valueOf(ring[hi])) hi = k;
        }
        const std::size_t a = std::min(lo, hi);
        const std::size_t b = std::max(lo, hi);
        points_.append({seconds(ring[a].timeMs), valueOf(ring[a])});
        if (b != a) points_.append({seconds(ring[b].timeMs), valueOf(ring[b])});
    }
}

void ChartPane::draw(const SyncHistory& history, TimeWindow shown) {
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    changes_.clear();
    for (int s = 0; s < SeriesCount; ++s) {
        const SampleRing& ring = history.samples(s);
        if (ring.empty()) continue;
        attach(s, history.legend(s));
        const std::size_t first = ring.firstAtOrAfter(shown.fromMs);
        const std::size_t end = ring.firstAtOrAfter(shown.toMs + 1);
        collect(ring, first, end);
        for (const QPointF& p : points_) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
        for (std::size_t i = first; i < end; ++i)
            if (history.changesAt(s, i))
                changes_.append({seconds(ring[i].timeMs), valueOf(ring[i])});
        lines_[static_cast<std::size_t>(s)]->replace(points_);
    }
    markers_->replace(changes_);
    timeAxis_->setRange(seconds(shown.fromMs),
                        std::max(seconds(shown.toMs), seconds(shown.fromMs) + 1));
    if (low > high) low = high = 0;
    if (value_ == Value::SyncError) {
        const double reach = std::max({SyncErrorFloor, std::abs(low), std::abs(high)}) + 1;
        valueAxis_->setRange(-reach, reach);
    } else {
        const double pad = std::max(10.0, (high - low) * 0.1);
        valueAxis_->setRange(low - pad, high + pad);
    }
}

}  // namespace chart
