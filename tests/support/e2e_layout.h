#pragma once
// Where the analyser's controls sit in its windows, so that a test can click them as a user
// would. The positions are read from the real windows, built in the test's own process on a
// scripted line: the form places every control at fixed pixels, so the program under test has
// them at the same places.
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

namespace e2e {

class Layout {
  public:
    Layout();
    ~Layout();

    // Centre of a control of the main window / of the machine control window, by its name, in
    // that window's client coordinates; (-1, -1) when there is no such control.
    QPoint main(const QString& name) const;
    // The same control's rectangle in its window's client coordinates (empty when absent).
    QRect mainRect(const QString& name) const;
    QPoint control(const QString& name) const;
    // A point inside cell (col, row) of a grid of the main window.
    QPoint mainCell(const QString& grid, int col, int row) const;

  private:
    struct Windows;
    Windows& windows() const;
    mutable std::unique_ptr<Windows> windows_;  // built on first use
};

}  // namespace e2e
