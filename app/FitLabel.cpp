#include "app/FitLabel.h"

#include <QPainter>

#include <algorithm>

namespace {
int textMargin(const QLabel& label) {
    return std::max(label.indent(), 0);
}
int roomFor(const QLabel& label) {
    return label.contentsRect().width() - 2 * textMargin(label);
}
}  // namespace

int FitLabel::shownPixelSize() const {
    const int nominal = font().pixelSize();
    const int room = roomFor(*this);
    if (nominal <= 0 || room <= 0 || fontMetrics().horizontalAdvance(text()) <= room) {
        return nominal;
    }
    QFont smaller = font();
    for (int pixels = nominal - 1; pixels > MinPixels; --pixels) {
        smaller.setPixelSize(pixels);
        if (QFontMetrics(smaller).horizontalAdvance(text()) <= room) return pixels;
    }
    return MinPixels;
}

void FitLabel::paintEvent(QPaintEvent* event) {
    const int pixels = shownPixelSize();
    if (pixels == font().pixelSize()) {
        ValueLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    QFont smaller = font();
    smaller.setPixelSize(pixels);
    p.setFont(smaller);
    p.setPen(palette().color(foregroundRole()));
    const int m = textMargin(*this);
    p.drawText(contentsRect().adjusted(m, 0, -m, 0), static_cast<int>(alignment()), text());
}
