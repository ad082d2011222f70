#pragma once
// Which activations of a window are the user coming to it, and which only a modal box over it
// going away. The windows that load their file on activation must not load again when the error
// box of a failed load closes: that would show the box again, and again, for ever.
#include <QApplication>
#include <QEvent>

#include <utility>

class ActivationWatch {
  public:
    // Call for every event of the window; true for an activation that should load.
    bool loads(const QEvent& event) {
        if (event.type() == QEvent::WindowDeactivate) {
            behindModal_ = QApplication::activeModalWidget() != nullptr;
        }
        if (event.type() != QEvent::WindowActivate) return false;
        return !std::exchange(behindModal_, false);
    }

  private:
    bool behindModal_ = false;
};
