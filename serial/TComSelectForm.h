#pragma once
// The port chooser "Select Port": offers the ports that exist or are busy, as "COM%d" with the
// device beside each, the first selected.
#include "serial/portmap.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

class TComSelectForm : public QDialog {
    Q_OBJECT
  public:
    explicit TComSelectForm(const std::vector<portmap::Port>& ports, QWidget* parent = nullptr);

    // The chosen port: the number in the chosen item's text from its fourth character on; 0 when
    // the list is empty.
    std::uint16_t chosenPort() const;

    QComboBox* PortsComboBox = nullptr;
    QLabel* PortPath = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* AbortBtn = nullptr;
};

// Shows the chooser over the ports found on this machine. Returns the chosen number, 0 when the
// user cancelled; OK on an empty list is an error.
std::uint16_t choosePortInDialog();
