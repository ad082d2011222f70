#include "control/maskedfield.h"

#include "control/inputmask.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

// The focus comes back to a field that the user never left when its window is activated again
// or a popup menu over it closes.
bool windowReason(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// The keys with which a widget hands the focus on: Tab and Shift+Tab, without Ctrl or Alt.
bool movesFocusOn(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

bool isPress(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
}

class FieldGuard;

// A click moves the focus before the control clicked sees the press. While armed, this sees
// every press of the application ahead of its receiver, so that the press can be stopped.
class PressWatch : public QObject {
  public:
    explicit PressWatch(FieldGuard& guard) : guard_(guard) {}
    PressWatch(const PressWatch&) = delete;
    PressWatch& operator=(const PressWatch&) = delete;
    ~PressWatch() override { disarm(); }

    void arm() {
        if (!armed_) QCoreApplication::instance()->installEventFilter(this);
        armed_ = true;
    }
    void disarm() {
        if (armed_) QCoreApplication::instance()->removeEventFilter(this);
        armed_ = false;
    }
    bool armed() const { return armed_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FieldGuard& guard_;
    bool armed_ = false;
};

class FieldGuard : public QObject {
  public:
    explicit FieldGuard(QLineEdit& field)
        : QObject(&field), field_(field), press_(*this), entered_(field.text()) {
        field.installEventFilter(this);
    }

    bool inWindow(const QObject& object) const {
        return object.isWidgetType() &&
               static_cast<const QWidget&>(object).window() == field_.window();
    }

    // Takes the focus back into the field and raises the mask's error, so that the event being
    // handled goes no further.
    [[noreturn]] void refuseLeaving() {
        press_.disarm();
        away_ = true;  // should the window be inactive, the focus returns with its activation
        {
            const QScopedValueRollback<bool> returning(returning_, true);
            field_.setFocus(Qt::OtherFocusReason);
        }
        inputmask::refuse();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &field_) return false;
        switch (event->type()) {
            case QEvent::FocusIn:
                entered(static_cast<const QFocusEvent*>(event)->reason());
                return false;
            case QEvent::FocusOut:
                return left(static_cast<const QFocusEvent*>(event)->reason());
            case QEvent::KeyPress:
                key(*static_cast<const QKeyEvent*>(event));
                return false;
            default:
                return false;
        }
    }

  private:
    bool filled() const { return field_.hasAcceptableInput(); }

    void entered(Qt::FocusReason reason) {
        if (!returning_ && !(away_ && windowReason(reason))) entered_ = field_.text();
        away_ = false;
    }

    // True when the focus-out is kept from the field: it has not really been left.
    bool left(Qt::FocusReason reason) {
        away_ = windowReason(reason);
        if (reason != Qt::MouseFocusReason || filled() || !field_.isVisible()) return false;
        awaitPress();
        return true;
    }

    void key(const QKeyEvent& key) {
        if (key.key() == Qt::Key_Escape && field_.text() != entered_) field_.setText(entered_);
        // Refused before the focus moves: the key never reaches the focus chain.
        if (movesFocusOn(key) && !filled()) inputmask::refuse();
    }

    void awaitPress() {
        press_.arm();
        const unsigned arming = ++armings_;
        // The press that moved the focus is delivered straight after this. Should none come (a
        // focus change by the mouse without a press), the field is taken back on the next turn
        // of the event loop.
        QMetaObject::invokeMethod(
            this,
            [this, arming] {
                if (!press_.armed() || arming != armings_) return;
                press_.disarm();
                if (field_.isVisible()) refuseLeaving();
            },
            Qt::QueuedConnection);
    }

    QLineEdit& field_;
    PressWatch press_;
    QString entered_;         // the text to go back to on Escape
    bool away_ = false;       // the field keeps the window's focus while the window is away
    bool returning_ = false;  // the guard itself is putting the focus back
    unsigned armings_ = 0;
};

bool PressWatch::eventFilter(QObject* watched, QEvent* event) {
    if (isPress(event->type()) && guard_.inWindow(*watched)) guard_.refuseLeaving();
    return false;
}

}  // namespace

namespace maskedfield {
void guard(QLineEdit& field) {
    new FieldGuard(field);  // owned by the field
}
}  // namespace maskedfield
