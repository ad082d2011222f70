#pragma once
// The port chooser "Select Port": offers the ports that exist or are busy, as "COM%d", the first
// selected. The list opens as a table: beside each "COM%d" the device, its /dev/serial/by-id
// name and the USB adapter's maker and model, so that two adapters can be told apart; the
// chosen port's device and names are also shown beside the list.
#include "serial/portmap.h"
#include "serial/portnames.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

class TComSelectForm : public QDialog {
    Q_OBJECT
  public:
    // The columns of the opened list; the closed list shows the first.
    enum Column { PortColumn, DeviceColumn, ByIdColumn, AdapterColumn, ColumnCount };

    explicit TComSelectForm(const std::vector<portmap::Port>& ports, QWidget* parent = nullptr);

    // The chosen port: the number in the chosen item's text from its fourth character on; 0 when
    // the list is empty.
    std::uint16_t chosenPort() const;

    QComboBox* PortsComboBox = nullptr;
    QLabel* PortPath = nullptr;
    QLabel* PortById = nullptr;
    QLabel* PortAdapter = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* AbortBtn = nullptr;

  private:
    void showDetails(int index);
};

// Shows the chooser over the ports found now on this machine, or in `folders` with the
// QUENLAR_COM<n> entries of `environment`. Returns the chosen number, 0 when the user cancelled;
// OK on an empty list is an error.
std::uint16_t choosePortInDialog();
std::uint16_t choosePortInDialog(const portnames::Folders& folders, const QStringList& environment);
