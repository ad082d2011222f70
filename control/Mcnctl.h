#pragma once
// The machine control window "Machine Control": transport, locate, cyclic data, record arming and
// the four user keys.
#include "control/keyrecord.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Tzr8f;
class Tdefinekey;

class TControl : public QWidget {
    Q_OBJECT
public:
    TControl(Tzr8f& main, QWidget* parent = nullptr);
    ~TControl() override;

    // Item of the radio group `Command`: 0 "Sony P2", 1 "Current Mcn", 2 "Master Mcn",
    // 3 "Selected Mcn".
    int CommandIndex() const;
    void setCommandIndex(int item);

    QFrame* Lcyclic = nullptr;
    QGroupBox* Command = nullptr;

    Tdefinekey* definekey = nullptr;  // set after the key definition window is created

private:
    Tzr8f& zr8f;
    int commandIndex_ = 2;
};
