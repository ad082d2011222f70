#include "control/Mcnctl.h"

#include "app/Application.h"
#include "app/Zr8a.h"
#include "control/inputmask.h"
#include "control/placement.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

TControl::TControl(Tzr8f& main, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), zr8f(main) {
    setObjectName(QStringLiteral("Control"));
    setAccessibleDescription(QStringLiteral("Control"));
    setWindowTitle(QStringLiteral("Machine Control"));
    setFixedSize(404, 182);
    buildTransport();
    buildCommandGroup();
    buildKeys();
    buildTracks();
    // Key preview: the window hears Escape and M before whichever control has the focus.
    if (Application* app = Application::instance()) {
        app->addKeyPreview(this, [this](const QKeyEvent& key) { Locate1Key(key.key()); });
    }
    for (QPushButton* key : Select) key->installEventFilter(this);
}

TControl::~TControl() = default;

int TControl::CommandIndex() const {
    return commandButtons_->checkedId();
}

void TControl::setCommandIndex(int item) {
    CommandItems[static_cast<std::size_t>(std::clamp(item, 0, 3))]->setChecked(true);
}

bool TControl::cyclicOn() const {
    return !Lcyclic->isHidden();
}

// ---- Transport and locate ------------------------------------------------------------------

void TControl::send(const encode::Frame& frame) {
    zr8f.TxFrame = frame.bytes;
    zr8f.sendcmd();
}

std::uint8_t TControl::monitoredMachine() const {
    return static_cast<std::uint8_t>(zr8f.MonMcn & 0xFF);
}

void TControl::transport(const commandframes::TransportButton& button) {
    send(commandframes::transportFrame(button, CommandIndex(), monitoredMachine()));
}

void TControl::RwdClick() {
    transport(commandframes::TransportButtons[0]);
}
void TControl::RvsPlayClick() {
    transport(commandframes::TransportButtons[1]);
}
void TControl::StopClick() {
    transport(commandframes::TransportButtons[2]);
}
void TControl::PlayClick() {
    transport(commandframes::TransportButtons[3]);
}
void TControl::FwdClick() {
    transport(commandframes::TransportButtons[4]);
}

void TControl::Locate1Click() {
    send(commandframes::locateFrame(locateTime(), CommandIndex(), monitoredMachine()));
}

encode::TimeBytes TControl::locateTime() const {
    // An incomplete entry never reaches the line: it is refused as the edit mask refuses it.
    const auto time =
        Loc1->hasAcceptableInput() ? commandframes::string2sony(Loc1->text()) : std::nullopt;
    if (!time) inputmask::refuse();
    return *time;
}

void TControl::rqid() {
    send(encode::deviceTypeRequest());
}

// ---- Cyclic data and record arming ---------------------------------------------------------

void TControl::CyclicClick() {
    const bool on = !cyclicOn();
    if (on) {
        Lcyclic->show();
        zr8f.Tx.open();
    } else {
        Lcyclic->hide();
    }
    send(encode::cyclicData(on));
}

void TControl::recClick(int track) {
    recarm(track);
}

void TControl::recarm(int track) {
    commandframes::toggleTrack(ArmMask, track);
    // The shape follows the mask before the frame goes, so that a refused write cannot leave
    // the two out of step.
    tal[static_cast<std::size_t>(track - 1)]->setVisible(commandframes::trackArmed(ArmMask, track));
    send(encode::armTracks(ArmMask));
}

// ---- Keyboard, activation and closing ------------------------------------------------------

void TControl::Locate1Key(int key) {
    if (key == Qt::Key_Escape) hide();
    if (key == Qt::Key_M) rqid();
}

void TControl::CloseCmdForm() {
    hide();
    zr8f.ledCmds->hide();
    zr8f.serial->setDTR(false);
}

bool TControl::event(QEvent* event) {
    if (activation_.loads(*event)) FormActivate();
    return QWidget::event(event);
}

bool TControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto key = std::find(Select.begin(), Select.end(), watched);
        if (key != Select.end()) {
            SelectMouseDown(static_cast<int>(key - Select.begin()),
                            static_cast<QMouseEvent*>(event)->button());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TControl::closeEvent(QCloseEvent* event) {
    // Only the user's close box hides the window and drops DTR; a close asked for by the program
    // (the application ending) is let through, or it would keep the program running.
    if (event->spontaneous()) {
        event->ignore();
        CloseCmdForm();
    } else {
        event->accept();
    }
}

void TControl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        placement::centreOnScreen(*this);
    }
}
