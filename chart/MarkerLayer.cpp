#include "chart/MarkerLayer.h"

#include <QChart>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace chart {

MarkerLayer::MarkerLayer(QChart* chart, const QValueAxis* x, const QValueAxis* y,
                         const QScatterSeries* look)
    : QGraphicsItem(chart), chart_(chart), x_(x), y_(y), look_(look) {
    setZValue(100);  // over the lines, as the scatter series' markers were
    setAcceptedMouseButtons(Qt::NoButton);
    fitPlotArea();
}

void MarkerLayer::setMarkers(const QList<QPointF>& markers) {
    if (markers.isEmpty() && markers_.isEmpty()) return;
    markers_ = markers;
    update();
}

void MarkerLayer::fitPlotArea() {
    const QRectF area = chart_->plotArea();
    if (area == area_) return;
    prepareGeometryChange();
    area_ = area;
}

// The marker as the scatter series draws it: an ellipse of its pen and brush, not antialiased,
// its box of the marker size placed so that the box with the pen's half width is centred.
const QPixmap& MarkerLayer::stamp() {
    const qreal size = look_->markerSize();
    if (!stamp_.isNull() && size == stampSize_ && look_->pen() == stampPen_ &&
        look_->brush() == stampBrush_)
        return stamp_;
    stampSize_ = size;
    stampPen_ = look_->pen();
    stampBrush_ = look_->brush();
    const qreal pen = stampPen_.style() == Qt::NoPen ? 0 : stampPen_.widthF();
    const qreal margin = pen / 2 + 1;
    const int side = static_cast<int>(std::ceil(size + 2 * margin));
    stamp_ = QPixmap(side, side);
    stamp_.fill(Qt::transparent);
    QPainter p(&stamp_);
    p.setPen(stampPen_);
    p.setBrush(stampBrush_);
    p.drawEllipse(QRectF(margin, margin, size, size));
    stampCentre_ = QPointF(margin + (size + pen) / 2, margin + (size + pen) / 2);
    return stamp_;
}

void MarkerLayer::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const double xSpan = x_->max() - x_->min();
    const double ySpan = y_->max() - y_->min();
    if (markers_.isEmpty() || area_.isEmpty() || xSpan <= 0 || ySpan <= 0) return;
    const QPixmap& marker = stamp();
    const double xScale = area_.width() / xSpan;
    const double yScale = area_.height() / ySpan;
    // Markers that fall on the same pixel would be drawn over each other: each pixel once.
    pixels_.clear();
    for (const QPointF& m : markers_) {
        const auto px = static_cast<qint64>(std::lround((m.x() - x_->min()) * xScale));
        const auto py = static_cast<qint64>(std::lround((y_->max() - m.y()) * yScale));
        if (px < -marker.width() || px > area_.width() + marker.width()) continue;
        pixels_.push_back((px << 32) | (py & 0xffffffff));
    }
    std::sort(pixels_.begin(), pixels_.end());
    pixels_.erase(std::unique(pixels_.begin(), pixels_.end()), pixels_.end());
    painter->save();
    painter->setClipRect(area_);
    const QPointF origin = area_.topLeft() - stampCentre_;
    for (const qint64 p : pixels_) {
        const auto px = static_cast<double>(p >> 32);
        const auto py = static_cast<double>(static_cast<std::int32_t>(p & 0xffffffff));
        painter->drawPixmap(origin + QPointF(px, py), marker);
    }
    painter->restore();
}

}  // namespace chart
