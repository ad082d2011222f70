// The sync chart of the main window: its history fed from every good frame, and the window,
// opened and closed with Ctrl+G (the shortcut rule of mykeydown) or a double-click on the sync
// error label.
#include "app/Zr8a.h"
#include "chart/SyncChartWindow.h"
#include "chart/SyncHistory.h"

#include <QEvent>
#include <QLabel>

#include <functional>

namespace {

// Calls back on a double-click of the object it watches.
class DoubleClickWatch : public QObject {
  public:
    DoubleClickWatch(QObject* watched, std::function<void()> onDoubleClick)
        : QObject(watched), onDoubleClick_(std::move(onDoubleClick)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) onDoubleClick_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onDoubleClick_;
};

}  // namespace

void Tzr8f::buildSyncChart() {
    SyncHistory = std::make_unique<chart::SyncHistory>();
    SyncClock.start();
    new DoubleClickWatch(SyncError, [this] { chartshow(); });
}

// One decode of a few bytes and a store into a ring that was sized at start-up.
void Tzr8f::chartfeed() {
    SyncHistory->take(Rx.frame, Rx.length, SyncClock.elapsed());
}

void Tzr8f::chartshow() {
    if (SyncChart == nullptr) SyncChart = new chart::SyncChartWindow(*SyncHistory, this);
    SyncChart->show();
    SyncChart->raise();
    SyncChart->activateWindow();
}

void Tzr8f::charttoggle() {
    if (SyncChart != nullptr && SyncChart->isVisible()) {
        SyncChart->hide();
    } else {
        chartshow();
    }
}
