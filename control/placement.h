#pragma once
// Window placement and naming shared by the machine control and key definition windows.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace placement {
// Puts a window in the middle of its screen.
inline void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

// Gives a component its name for Qt, screen readers and UI automation alike.
template <typename W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    widget->setAccessibleDescription(name);
    return widget;
}
}  // namespace placement
