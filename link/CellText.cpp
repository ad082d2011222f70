#include "link/CellText.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QString>

#include <vector>

namespace {

// Texts by font: the grids and the labels use a handful of fonts, each with its own texts. Each
// font keeps two generations: when the newer fills up it becomes the older and the oldest texts
// go, while a text still in use is brought forward. So the hex bytes, counts and names that come
// back again and again stay laid out, and ever new texts (positions, garbage) cost a bounded
// amount of memory.
class LaidOutTexts {
  public:
    const QStaticText& get(const QString& text, const QFont& font) {
        Generations& g = forFont(font);
        if (auto it = g.newer.constFind(text); it != g.newer.constEnd()) return *it;
        QStaticText laidOut;
        if (auto old = g.older.constFind(text); old != g.older.constEnd()) {
            laidOut = *old;
        } else {
            laidOut.setText(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.prepare(QTransform(), font);
        }
        if (g.newer.size() >= TextsPerGeneration) {
            g.older = std::move(g.newer);
            g.newer.clear();
        }
        return *g.newer.insert(text, laidOut);
    }

  private:
    struct Generations {
        QFont font;
        QHash<QString, QStaticText> newer;
        QHash<QString, QStaticText> older;
    };

    Generations& forFont(const QFont& font) {
        for (Generations& g : fonts_) {
            if (g.font == font) return g;
        }
        if (fonts_.size() >= MaxFonts) fonts_.clear();
        fonts_.push_back({font, {}, {}});
        return fonts_.back();
    }

    static constexpr qsizetype TextsPerGeneration = 512;
    static constexpr std::size_t MaxFonts = 16;
    std::vector<Generations> fonts_;
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
