#include "app/ValueLabel.h"

#include "link/CellText.h"

#include <QPainter>

QRect ValueLabel::textRect() const {
    QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int m = indent();
    // As QLabel does: a framed label without an indent of its own keeps half an 'x' clear.
    if (m < 0 && frameWidth() > 0)
        m = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (m > 0) {
        if (alignment() & Qt::AlignLeft) r.setLeft(r.left() + m);
        if (alignment() & Qt::AlignRight) r.setRight(r.right() - m);
    }
    return r;
}

void ValueLabel::paintEvent(QPaintEvent* event) {
    const bool plainLine = pixmap().isNull() && !wordWrap() &&
                           (alignment() & Qt::AlignVertical_Mask) == Qt::AlignVCenter &&
                           textFormat() != Qt::RichText &&
                           !(textFormat() == Qt::AutoText && Qt::mightBeRichText(text())) &&
                           !text().contains(QLatin1Char('\n'));
    if (!plainLine) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    p.setPen(palette().color(group, foregroundRole()));
    drawCellText(p, textRect(), text(), alignment() & Qt::AlignHorizontal_Mask);
}
