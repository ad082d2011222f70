#include "tests/support/paneldump.h"

#include "app/Zr8a.h"
#include "link/StringGrid.h"

#include <QItemSelectionModel>
#include <QLabel>

#include <algorithm>
#include <array>
#include <utility>

namespace paneldump {
namespace {

// The form's colours by the names a reader knows them by.
constexpr std::array<std::pair<QRgb, const char*>, 8> ColourNames{{
    {0x000000, "black"},
    {0xffffff, "white"},
    {0xff0000, "red"},
    {0x00ff00, "lime"},
    {0x00ffff, "aqua"},
    {0xff00ff, "fuchsia"},
    {0xffff00, "yellow"},
    {0x808080, "grey"},
}};

QString colourName(const QWidget& w, const QColor& c) {
    if (c == w.palette().color(QPalette::Button)) return QStringLiteral("button");
    const QRgb rgb = c.rgb() & 0xffffff;
    for (const auto& [value, name] : ColourNames) {
        if (value == rgb) return QLatin1String(name);
    }
    return c.name();
}

QString labelLine(const QLabel& l) {
    QString line = QStringLiteral("label %1/%2 \"%3\" %4")
                       .arg(l.parentWidget()->objectName(), l.objectName(), l.text(),
                            colourName(l, l.palette().color(QPalette::WindowText)));
    if (l.autoFillBackground()) {
        line += QStringLiteral(" on ") + colourName(l, l.palette().color(QPalette::Window));
    }
    if (l.isHidden()) line += QStringLiteral(" hidden");
    return line;
}

QStringList labels(const Tzr8f& w) {
    QList<const QLabel*> found;
    for (const QLabel* l : w.findChildren<QLabel*>()) {
        // The word mark is a picture that never changes.
        if (!l->objectName().isEmpty() && l->pixmap().isNull()) found << l;
    }
    std::ranges::sort(found, [](const QLabel* a, const QLabel* b) {
        return std::pair(a->parentWidget()->objectName(), a->objectName()) <
               std::pair(b->parentWidget()->objectName(), b->objectName());
    });
    QStringList lines;
    for (const QLabel* l : found) lines << labelLine(*l);
    return lines;
}

QStringList leds(const Tzr8f& w) {
    QStringList lines;
    for (const QFrame* led : {w.ledta, w.ledt, w.ledComms, w.ledCmds}) {
        lines << QStringLiteral("led %1 %2")
                     .arg(led->objectName(),
                          led->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"));
    }
    return lines;
}

QStringList rows(const StringGrid& g) {
    // A whole-row grid shows its selected row highlighted.
    const bool wholeRows = g.selectionBehavior() == QAbstractItemView::SelectRows;
    const QItemSelectionModel& selection = *g.selectionModel();
    QStringList lines;
    for (int r = 0; r < g.RowCount(); ++r) {
        QString line =
            QStringLiteral("%1 %2 |").arg(g.objectName()).arg(r, 2, 10, QLatin1Char('0'));
        for (int c = 0; c < g.ColCount(); ++c) line += g.cell(c, r) + QLatin1Char('|');
        if (wholeRows && r >= g.FixedRows() && selection.isRowSelected(r - g.FixedRows()))
            line += QStringLiteral(" <");
        lines << line;
    }
    return lines;
}

}  // namespace

QString dump(const Tzr8f& w) {
    QStringList lines = labels(w) + leds(w);
    QList<const StringGrid*> grids;
    for (const StringGrid* g : w.findChildren<StringGrid*>()) grids << g;
    std::ranges::sort(grids, {}, [](const StringGrid* g) { return g->objectName(); });
    for (const StringGrid* g : grids) lines += rows(*g);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace paneldump
