#include "link/CellText.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QString>

#include <utility>
#include <vector>

namespace {

// Texts by font: the grids and the labels use a handful of fonts, each with its own texts.
class LaidOutTexts {
  public:
    const QStaticText& get(const QString& text, const QFont& font) {
        QHash<QString, QStaticText>& texts = forFont(font);
        auto it = texts.find(text);
        if (it == texts.end()) {
            // Bounded: a long run of ever new texts (names, garbage) must not grow it for good.
            if (texts.size() >= MaxTexts) texts.clear();
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.prepare(QTransform(), font);
            it = texts.insert(text, laidOut);
        }
        return *it;
    }

  private:
    QHash<QString, QStaticText>& forFont(const QFont& font) {
        for (auto& [f, texts] : fonts_) {
            if (f == font) return texts;
        }
        if (fonts_.size() >= MaxFonts) fonts_.clear();
        fonts_.push_back({font, {}});
        return fonts_.back().second;
    }

    static constexpr qsizetype MaxTexts = 4096;
    static constexpr std::size_t MaxFonts = 16;
    std::vector<std::pair<QFont, QHash<QString, QStaticText>>> fonts_;
};

LaidOutTexts& laidOutTexts() {
    static LaidOutTexts texts;
    return texts;
}

}  // namespace

void drawCellText(QPainter& painter, QRect rect, const QString& text, Qt::Alignment horizontal) {
    if (text.isEmpty() || rect.isEmpty()) return;
    const QStaticText& laidOut = laidOutTexts().get(text, painter.font());
    const QSizeF size = laidOut.size();
    qreal x = rect.left();
    if (horizontal & Qt::AlignHCenter) x += (rect.width() - size.width()) / 2.0;
    if (horizontal & Qt::AlignRight) x = rect.left() + rect.width() - size.width();
    const QPointF at(x, rect.top() + (rect.height() - size.height()) / 2.0);
    if (size.width() <= rect.width()) {
        painter.drawStaticText(at, laidOut);
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawStaticText(at, laidOut);
    painter.restore();
}
