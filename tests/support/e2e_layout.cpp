#include "tests/support/e2e_layout.h"

#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "link/StringGrid.h"
#include "tests/support/ScriptedDevice.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

namespace e2e {

// The three windows on a line of their own, as the program builds them at start-up.
struct Layout::Windows {
    QTemporaryDir dir;
    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    Tzr8f main{QStringList{}, dir.filePath(QStringLiteral("quenlar")), scriptedFactory(line)};
    TControl control{main};
    Tdefinekey keys{main, control};

    Windows() {
        main.Control = &control;
        main.definekey = &keys;
        control.definekey = &keys;
        main.show();
        control.show();
        QCoreApplication::processEvents();
    }
};

namespace {
QPoint centreIn(QWidget* top, const QString& name) {
    const QWidget* w = top->findChild<QWidget*>(name);
    if (w == nullptr) return {-1, -1};
    return w->mapTo(top, w->rect().center());
}

}  // namespace

Layout::Layout() = default;
Layout::~Layout() = default;

Layout::Windows& Layout::windows() const {
    if (!windows_) windows_ = std::make_unique<Windows>();
    return *windows_;
}

QPoint Layout::main(const QString& name) const {
    return centreIn(&windows().main, name);
}

QRect Layout::mainRect(const QString& name) const {
    Tzr8f& top = windows().main;
    const QWidget* w = top.findChild<QWidget*>(name);
    if (w == nullptr) return {};
    return QRect(w->mapTo(&top, QPoint(0, 0)), w->size());
}

QPoint Layout::control(const QString& name) const {
    return centreIn(&windows().control, name);
}

QPoint Layout::mainCell(const QString& gridName, int col, int row) const {
    Tzr8f& top = windows().main;
    const StringGrid* grid = top.findChild<StringGrid*>(gridName);
    if (grid == nullptr) return {-1, -1};
    // The grid's own cell lookup decides: the middle of the points it gives to the cell.
    long sx = 0;
    long sy = 0;
    long n = 0;
    for (int y = 0; y < grid->height(); ++y) {
        for (int x = 0; x < grid->width(); ++x) {
            int c = -1;
            int r = -1;
            grid->MouseToCell(QPoint(x, y), c, r);
            if (c != col || r != row) continue;
            sx += x;
            sy += y;
            ++n;
        }
    }
    if (n == 0) return {-1, -1};
    return grid->mapTo(&top, QPoint(static_cast<int>(sx / n), static_cast<int>(sy / n)));
}

}  // namespace e2e
