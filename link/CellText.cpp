#include "link/CellText.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QString>

namespace {

class LaidOutTexts {
  public:
    const QStaticText& get(const QString& text, const QFont& font) {
        if (font != font_) {
            texts_.clear();
            font_ = font;
        }
        auto it = texts_.find(text);
        if (it == texts_.end()) {
            // Bounded: a long run of ever new texts (names, garbage) must not grow it for good.
            if (texts_.size() >= MaxTexts) texts_.clear();
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.prepare(QTransform(), font);
            it = texts_.insert(text, laidOut);
        }
        return *it;
    }

  private:
    static constexpr qsizetype MaxTexts = 4096;
    QFont font_;
    QHash<QString, QStaticText> texts_;
};

LaidOutTexts& laidOutTexts() {
    static LaidOutTexts texts;
    return texts;
}

}  // namespace

void drawCellText(QPainter& painter, QRect rect, const QString& text) {
    if (text.isEmpty() || rect.isEmpty()) return;
    const QStaticText& laidOut = laidOutTexts().get(text, painter.font());
    const QSizeF size = laidOut.size();
    const QPointF at(rect.left(), rect.top() + (rect.height() - size.height()) / 2.0);
    if (size.width() <= rect.width()) {
        painter.drawStaticText(at, laidOut);
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawStaticText(at, laidOut);
    painter.restore();
}
