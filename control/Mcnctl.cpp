#include "control/Mcnctl.h"

#include "app/Zr8a.h"

#include <QFrame>
#include <QGroupBox>

TControl::TControl(Tzr8f& main, QWidget* parent) : QWidget(parent), zr8f(main) {
    setObjectName(QStringLiteral("Control"));
    setWindowTitle(QStringLiteral("Machine Control"));
    Lcyclic = new QFrame(this);
    Lcyclic->setObjectName(QStringLiteral("Lcyclic"));
    Lcyclic->hide();
    Command = new QGroupBox(QStringLiteral("Command"), this);
    Command->setObjectName(QStringLiteral("Command"));
}

TControl::~TControl() = default;

int TControl::CommandIndex() const { return commandIndex_; }
void TControl::setCommandIndex(int item) { commandIndex_ = item; }
