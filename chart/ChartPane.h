#pragma once
// One pane of the sync chart: a value of every machine (sync error or offset) against time, a
// line per machine and a marker wherever a machine's transport state or lock changed.
#include "chart/ColumnThinner.h"
#include "chart/SyncHistory.h"
#include "chart/chartspan.h"

#include <QChartView>
#include <QList>
#include <QPointF>

#include <array>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace chart {

class MarkerLayer;

class ChartPane : public QChartView {
    Q_OBJECT
  public:
    enum class Value { SyncError, Offset };

    ChartPane(Value value, QWidget* parent);

    // Shows `shown`, a stretch of `spanSeconds` (shorter only while the history is).
    void draw(const SyncHistory& history, TimeWindow shown, int spanSeconds);

    // For tests: the points the line of a series shows, and the markers (times and values).
    const QLineSeries* line(int series) const { return lines_[static_cast<std::size_t>(series)]; }
    const QList<QPointF>& markers() const;

  private:
    void attach(int series, const QString& legend);
    double columnMsFor(int spanSeconds) const;

    Value value_;
    QValueAxis* timeAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    std::array<QLineSeries*, SeriesCount> lines_{};
    std::array<bool, SeriesCount> attached_{};
    std::array<ColumnThinner, SeriesCount> columns_;
    QScatterSeries* markerLegend_ = nullptr;  // no points: the legend's entry for the markers
    MarkerLayer* markers_ = nullptr;
    QList<QPointF> points_;   // reused from draw to draw
    QList<QPointF> changes_;  // likewise
};

}  // namespace chart
