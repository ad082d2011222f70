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

void TControl::transport(const commandframes::TransportButton& button) {
    frame::Bytes& f = zr8f.TxFrame;
    f[0] = 0x02;
    f[3] = button.keyCommand;
    switch (CommandIndex()) {
        case commandframes::SonyP2:
            f[0] = button.sonyCmd1;
            f[1] = button.sonyCmd2;
            f[2] = button.sonyData0;
            zr8f.sendcmd();
            break;
        case commandframes::CurrentMcn:
            cmd2current();
            break;
        case commandframes::MasterMcn:
            cmd2master();
            break;
        default:
            cmd2selected();
            break;
    }
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
    frame::Bytes& f = zr8f.TxFrame;
    f[0] = 0x06;
    f[3] = commandframes::LocateKeyCommand;
    switch (CommandIndex()) {
        case commandframes::SonyP2:
            f[0] = 0x24;
            f[1] = 0x31;
            string2sony(2);
            zr8f.sendcmd();
            break;
        case commandframes::CurrentMcn:
            string2sony(4);
            cmd2current();
            break;
        case commandframes::MasterMcn:
            string2sony(4);
            cmd2master();
            break;
        default:
            string2sony(5);
            cmd2selected();
            break;
    }
}

void TControl::string2sony(int position) {
    // An incomplete entry never reaches the line: it is refused as the edit mask refuses it.
    const auto time =
        Loc1->hasAcceptableInput() ? commandframes::string2sony(Loc1->text()) : std::nullopt;
    if (!time) inputmask::refuse();
    std::copy(time->begin(), time->end(), zr8f.TxFrame.begin() + position);
}

void TControl::cmd2current() {
    commandframes::addressCurrent(zr8f.TxFrame);
    zr8f.sendcmd();
}

void TControl::cmd2master() {
    commandframes::addressMaster(zr8f.TxFrame);
    zr8f.sendcmd();
}

void TControl::cmd2selected() {
    commandframes::addressSelected(zr8f.TxFrame, zr8f.MonMcn);
    zr8f.sendcmd();
}

void TControl::rqid() {
    zr8f.TxFrame[0] = 0x00;
    zr8f.TxFrame[1] = 0x11;  // Rq Type
    zr8f.sendcmd();
}

// ---- Cyclic data and record arming ---------------------------------------------------------

void TControl::CyclicClick() {
    frame::Bytes& f = zr8f.TxFrame;
    f[0] = 0x02;
    f[1] = frame::Extended;
    f[2] = 0x85;  // Cyclic Data Enable
    if (cyclicOn()) {
        Lcyclic->hide();
        f[3] = 0x00;
    } else {
        Lcyclic->show();
        zr8f.SendNow = true;
        f[3] = 0x01;
    }
    zr8f.sendcmd();
}

void TControl::recClick(int track) {
    recarm(track);
}

void TControl::recarm(int track) {
    commandframes::toggleTrack(ArmMask, track);
    // The shape follows the mask before the frame goes, so that a refused write cannot leave
    // the two out of step.
    tal[static_cast<std::size_t>(track - 1)]->setVisible(commandframes::trackArmed(ArmMask, track));
    frame::Bytes& f = zr8f.TxFrame;
    f[0] = 0x04;
    f[1] = frame::Extended;
    f[2] = 0x8D;
    std::copy(ArmMask.begin(), ArmMask.end(), f.begin() + 3);
    zr8f.sendcmd();
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
