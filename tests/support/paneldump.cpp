#include "tests/support/paneldump.h"

#include "app/Zr8a.h"
#include "link/StringGrid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>

#include <algorithm>
#include <array>
#include <tuple>
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

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString gridLine(const StringGrid& g) {
    QString line = QStringLiteral(" grid %1x%2 fixed %3,%4 widths")
                       .arg(g.ColCount())
                       .arg(g.RowCount())
                       .arg(g.FixedRows())
                       .arg(g.FixedCols());
    for (int c = 0; c < g.ColCount(); ++c)
        line += QLatin1Char(' ') + QString::number(g.colWidth(c));
    line += QStringLiteral(" rows %1").arg(g.verticalHeader()->defaultSectionSize());
    if (g.selectionBehavior() == QAbstractItemView::SelectRows)
        line += QStringLiteral(" whole-rows");
    QString scroll;
    if (g.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) scroll += QLatin1Char('h');
    if (g.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) scroll += QLatin1Char('v');
    if (!scroll.isEmpty()) line += QStringLiteral(" scroll ") + scroll;
    if (!g.Hint().isEmpty()) line += QStringLiteral(" hint ") + quoted(g.Hint());
    return line;
}

QString widgetLine(const QWidget& w, int depth) {
    const QRect r = w.geometry();
    QString line = QString(depth * 2, QLatin1Char(' ')) +
                   QStringLiteral("%1 %2 %3 %4 %5 %6")
                       .arg(w.objectName().isEmpty() ? QStringLiteral("-") : w.objectName(),
                            QLatin1String(w.metaObject()->className()))
                       .arg(r.x())
                       .arg(r.y())
                       .arg(r.width())
                       .arg(r.height());
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->pixmap().isNull()) {
            line += QLatin1Char(' ') + quoted(label->text());
        } else {
            line += QStringLiteral(" picture %1x%2")
                        .arg(label->pixmap().width())
                        .arg(label->pixmap().height());
        }
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        line += QLatin1Char(' ') + quoted(button->text());
    if (w.testAttribute(Qt::WA_SetFont)) {
        line += QStringLiteral(" font %1px").arg(w.font().pixelSize());
        if (w.font().bold()) line += QStringLiteral(" bold");
    }
    if (w.testAttribute(Qt::WA_SetPalette)) {
        line += QLatin1Char(' ') + colourName(w, w.palette().color(QPalette::WindowText));
        if (w.autoFillBackground())
            line += QStringLiteral(" on ") + colourName(w, w.palette().color(QPalette::Window));
    }
    if (const auto* frame = qobject_cast<const QFrame*>(&w)) {
        if (frame->frameShape() != QFrame::NoFrame && frame->frameShadow() == QFrame::Sunken)
            line += QStringLiteral(" sunken");
    }
    if (w.isHidden()) line += QStringLiteral(" hidden");
    if (!w.isEnabled()) line += QStringLiteral(" disabled");
    if (!w.toolTip().isEmpty()) line += QStringLiteral(" tip ") + quoted(w.toolTip());
    if (w.accessibleDescription() != w.objectName())
        line += QStringLiteral(" described ") + quoted(w.accessibleDescription());
    if (const auto* grid = qobject_cast<const StringGrid*>(&w)) line += gridLine(*grid);
    return line;
}

void widgetLines(const QWidget& parent, int depth, QStringList& lines) {
    QList<const QWidget*> children;
    for (const QObject* o : parent.children()) {
        if (o->isWidgetType()) children << static_cast<const QWidget*>(o);
    }
    std::ranges::sort(children, [](const QWidget* a, const QWidget* b) {
        return std::tuple(a->y(), a->x(), a->objectName()) <
               std::tuple(b->y(), b->x(), b->objectName());
    });
    for (const QWidget* child : children) {
        lines << widgetLine(*child, depth);
        // A grid's viewport, headers and scroll bars are the toolkit's, not the form's.
        if (qobject_cast<const QAbstractScrollArea*>(child) == nullptr)
            widgetLines(*child, depth + 1, lines);
    }
}

}  // namespace

QString dumpOne(const Tzr8f& w, const QString& name) {
    if (const auto* grid = w.findChild<StringGrid*>(name))
        return rows(*grid).join(QLatin1Char('\n'));
    if (const auto* label = w.findChild<QLabel*>(name)) return labelLine(*label);
    return QStringLiteral("no such item ") + name;
}

QString geometry(const QWidget& window) {
    QStringList lines{QStringLiteral("window %1 %2 %3 %4 %5 %6")
                          .arg(window.objectName(), quoted(window.windowTitle()))
                          .arg(window.width())
                          .arg(window.height())
                          .arg(colourName(window, window.palette().color(QPalette::Window)))
                          .arg(window.autoFillBackground() ? QStringLiteral("filled")
                                                           : QStringLiteral("unfilled"))};
    widgetLines(window, 1, lines);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString dump(const Tzr8f& w) {
    QStringList lines = labels(w) + leds(w);
    QList<const StringGrid*> grids;
    for (const StringGrid* g : w.findChildren<StringGrid*>()) grids << g;
    std::ranges::sort(grids, {}, [](const StringGrid* g) { return g->objectName(); });
    for (const StringGrid* g : grids) lines += rows(*g);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace paneldump
