#include "chart/ChartPane.h"

#include "chart/MarkerLayer.h"
#include "chart/seriescolours.h"

#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {

namespace {
constexpr double SyncErrorFloor = 5;     // frames either side of zero, whatever the errors
constexpr double UnlaidPlotWidth = 800;  // pixels, until the chart has been laid out once
constexpr double ColumnTolerance = 1.5;  // a column may be this much narrower or wider than a
                                         // pixel before the columns are made again

double seconds(std::int64_t ms) {
    return static_cast<double>(ms) / 1000.0;
}

std::int32_t syncErrorOf(const Sample& s) {
    return s.syncError;
}
std::int32_t offsetOf(const Sample& s) {
    return s.offset;
}

template <std::size_t... I>
std::array<ColumnThinner, sizeof...(I)> makeColumns(ColumnThinner::ValueOf value,
                                                    std::index_sequence<I...>) {
    return {((void)I, ColumnThinner(value))...};
}
}  // namespace

ChartPane::ChartPane(Value value, QWidget* parent)
    : QChartView(parent),
      value_(value),
      columns_(makeColumns(value == Value::SyncError ? syncErrorOf : offsetOf,
                           std::make_index_sequence<SeriesCount>{})) {
    auto* c = new QChart();
    setChart(c);  // the view owns the chart, the chart its series, axes and marker layer
    c->setAnimationOptions(QChart::NoAnimation);
    c->setTitle(value == Value::SyncError ? tr("Sync error (frames)") : tr("Offset (frames)"));
    c->legend()->setAlignment(Qt::AlignRight);
    // Every item moves at every redraw: an index of where they are would be rebuilt each time.
    scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    // Nearly all of the plot changes at a redraw: one update of the whole view is cheaper than
    // working out the least region of every item that changed.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    timeAxis_ = new QValueAxis(c);
    timeAxis_->setTitleText(tr("Time (s)"));
    timeAxis_->setLabelFormat(QStringLiteral("%.0f"));
    valueAxis_ = new QValueAxis(c);
    valueAxis_->setLabelFormat(QStringLiteral("%.0f"));
    c->addAxis(timeAxis_, Qt::AlignBottom);
    c->addAxis(valueAxis_, Qt::AlignLeft);
    for (auto& l : lines_) l = new QLineSeries(c);
    markerLegend_ = new QScatterSeries(c);
    markerLegend_->setName(tr("state/lock change"));
    markerLegend_->setMarkerSize(7);
    markerLegend_->setColor(Qt::black);
    c->addSeries(markerLegend_);
    markerLegend_->attachAxis(timeAxis_);
    markerLegend_->attachAxis(valueAxis_);
    markers_ = new MarkerLayer(c, timeAxis_, valueAxis_, markerLegend_);
    connect(c, &QChart::plotAreaChanged, this, [this] { markers_->fitPlotArea(); });
    setRenderHint(QPainter::Antialiasing, false);
    setMinimumHeight(180);
}

const QList<QPointF>& ChartPane::markers() const {
    return markers_->markers();
}

void ChartPane::attach(int series, const QString& legend) {
    QLineSeries* l = lines_[static_cast<std::size_t>(series)];
    if (l->name() != legend) l->setName(legend);
    if (attached_[static_cast<std::size_t>(series)]) return;
    // Machines join the chart (and its legend) when they first report, in the order they do.
    chart()->addSeries(l);
    l->attachAxis(timeAxis_);
    l->attachAxis(valueAxis_);
    l->setColor(QColor(SeriesColours[static_cast<std::size_t>(series)]));  // after the theme's
    attached_[static_cast<std::size_t>(series)] = true;
}

// About a pixel of the plot's width; kept while it stays near that, so that the columns are not
// made again for every small change of the plot's width.
double ChartPane::columnMsFor(int spanSeconds) const {
    const double width = chart()->plotArea().width();
    const double pixelMs = double(spanSeconds) * 1000.0 / (width >= 50 ? width : UnlaidPlotWidth);
    const double current = columns_[0].columnMs();
    if (current > 0 && current * ColumnTolerance >= pixelMs && current <= pixelMs * ColumnTolerance)
        return current;
    return pixelMs;
}

void ChartPane::draw(const SyncHistory& history, TimeWindow shown, int spanSeconds) {
    const double columnMs = columnMsFor(spanSeconds);
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    changes_.clear();
    for (int s = 0; s < SeriesCount; ++s) {
        const SampleRing& ring = history.samples(s);
        ColumnThinner& columns = columns_[static_cast<std::size_t>(s)];
        columns.update(ring, columnMs);
        if (ring.empty()) continue;
        attach(s, history.legend(s));
        points_.clear();
        columns.line(shown, points_);
        for (const QPointF& p : points_) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
        columns.changes(shown, changes_);
        lines_[static_cast<std::size_t>(s)]->replace(points_);
    }
    markers_->setMarkers(changes_);
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
