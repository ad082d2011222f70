#pragma once
// One pane of the sync chart: a value of every machine (sync error or offset) against time, a
// line per machine and a marker wherever a machine's transport state or lock changed.
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

class ChartPane : public QChartView {
    Q_OBJECT
  public:
    enum class Value { SyncError, Offset };

    ChartPane(Value value, QWidget* parent);

    void draw(const SyncHistory& history, TimeWindow shown);

    // For tests: the points the line of a series shows, and the markers.
    const QLineSeries* line(int series) const { return lines_[static_cast<std::size_t>(series)]; }
    const QScatterSeries* markers() const { return markers_; }

  private:
    double valueOf(const Sample& s) const;
    // The shown samples of one series, thinned to about MaxPoints (the least and the greatest
    // value of each stretch kept, so that a short excursion still shows).
    void collect(const SampleRing& ring, std::size_t first, std::size_t end);
    void attach(int series, const QString& legend);

    Value value_;
    QValueAxis* timeAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    std::array<QLineSeries*, SeriesCount> lines_{};
    std::array<bool, SeriesCount> attached_{};
    QScatterSeries* markers_ = nullptr;
    QList<QPointF> points_;   // reused from draw to draw
    QList<QPointF> changes_;  // likewise
};

}  // namespace chart
