#pragma once
// The state/lock change markers of a pane, drawn as one item: a stamp of the marker series' look
// copied to every marker's pixel, each pixel once. A scatter series makes an item of every point,
// which costs the receive path far too much when the markers are many.
#include <QBrush>
#include <QGraphicsItem>
#include <QList>
#include <QPen>
#include <QPixmap>
#include <QPointF>

#include <vector>

class QChart;
class QScatterSeries;
class QValueAxis;

namespace chart {

class MarkerLayer : public QGraphicsItem {
  public:
    // Drawn on `chart` (which owns it) with the axes' ranges; `look` gives the legend's marker.
    MarkerLayer(QChart* chart, const QValueAxis* x, const QValueAxis* y,
                const QScatterSeries* look);

    // Times in seconds and values; shown from the next paint.
    void setMarkers(const QList<QPointF>& markers);
    const QList<QPointF>& markers() const { return markers_; }
    // Follows the chart's plot area when it moves or changes size.
    void fitPlotArea();

    QRectF boundingRect() const override { return area_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    const QPixmap& stamp();

    const QChart* chart_;
    const QValueAxis* x_;
    const QValueAxis* y_;
    const QScatterSeries* look_;
    QRectF area_;
    QList<QPointF> markers_;
    std::vector<qint64> pixels_;  // reused from paint to paint
    QPixmap stamp_;
    QPointF stampCentre_;
    QPen stampPen_;
    QBrush stampBrush_;
    qreal stampSize_ = 0;
};

}  // namespace chart
