#pragma once
// A private X display for a whole-program test (Xvfb on a display number it picks itself), and
// the user's hands on it (xdotool: keys, clicks, windows by title).
#include "tests/support/e2e_program.h"

#include <QPoint>
#include <QProcessEnvironment>
#include <QString>

#include <memory>

namespace e2e {

class Display {
  public:
    Display();
    bool ok() const { return !name_.isEmpty(); }
    // ":N"
    const QString& name() const { return name_; }
    // The test's environment for a program on this display: DISPLAY set, no offscreen platform.
    QProcessEnvironment environment() const;

    // Runs xdotool on this display; returns its standard output, trimmed.
    QString xdotool(const QStringList& args) const;
    // The id of the mapped window whose title contains `title`, once there is one; empty after
    // timeoutMs.
    QString waitForWindow(const QString& title, int timeoutMs) const;
    bool windowShown(const QString& title) const;
    // Gives the window the keyboard and types keys as xdotool names them ("ctrl+a", "m").
    void key(const QString& window, const QString& keys) const;
    // Clicks mouse button 1 at a point of the window's client area.
    void click(const QString& window, QPoint at) const;
    // A picture of the whole screen.
    bool screenshot(const QString& path) const;

  private:
    std::unique_ptr<Program> server_;
    QString name_;
};

}  // namespace e2e
