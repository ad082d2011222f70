#include "control/keydefine.h"

#include "app/Zr8a.h"
#include "control/Mcnctl.h"

Tdefinekey::Tdefinekey(Tzr8f& main, TControl& control, QWidget* parent)
    : QWidget(parent), zr8f(main), control_(control) {
    setObjectName(QStringLiteral("definekey"));
    setWindowTitle(QStringLiteral("Define Key"));
}

Tdefinekey::~Tdefinekey() = default;
