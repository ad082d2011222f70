#pragma once
// The key definition window "Define Key": edits one record of `keydef`.
#include "control/keyrecord.h"

#include <QWidget>

class Tzr8f;
class TControl;

class Tdefinekey : public QWidget {
    Q_OBJECT
public:
    Tdefinekey(Tzr8f& main, TControl& control, QWidget* parent = nullptr);
    ~Tdefinekey() override;

private:
    Tzr8f& zr8f;
    TControl& control_;
};
