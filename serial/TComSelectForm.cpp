#include "serial/TComSelectForm.h"

#include "serial/ComErrors.h"
#include "serial/portprobe.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TComSelectForm::TComSelectForm(const std::vector<portmap::Port>& ports, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ComSelectForm"));
    setWindowTitle(QStringLiteral("Select Port"));
    setModal(true);

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    auto* text = new QVBoxLayout(bevel);
    text->addWidget(new QLabel(QStringLiteral("The configured serial port is not valid."), bevel));
    text->addWidget(new QLabel(QStringLiteral("Please choose another port."), bevel));

    PortsComboBox = new QComboBox(this);
    PortsComboBox->setObjectName(QStringLiteral("PortsComboBox"));
    PortsComboBox->setEditable(false);
    for (const portmap::Port& p : ports) {
        PortsComboBox->addItem(QStringLiteral("COM%1").arg(p.number), p.path);
        PortsComboBox->setItemData(PortsComboBox->count() - 1, p.path, Qt::ToolTipRole);
    }
    PortPath = new QLabel(this);
    PortPath->setObjectName(QStringLiteral("PortPath"));
    const auto showPath = [this](int index) {
        PortPath->setText(index < 0 ? QString() : PortsComboBox->itemData(index).toString());
    };
    connect(PortsComboBox, &QComboBox::currentIndexChanged, this, showPath);
    PortsComboBox->setCurrentIndex(ports.empty() ? -1 : 0);
    showPath(PortsComboBox->currentIndex());

    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    AbortBtn = new QPushButton(QStringLiteral("Cancel"), this);
    AbortBtn->setObjectName(QStringLiteral("AbortBtn"));
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbortBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* choice = new QHBoxLayout;
    choice->addWidget(PortsComboBox);
    choice->addWidget(PortPath, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(AbortBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bevel);
    layout->addLayout(choice);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::uint16_t TComSelectForm::chosenPort() const {
    const QString item = PortsComboBox->currentText();
    if (item.isEmpty()) return 0;
    return static_cast<std::uint16_t>(item.mid(3).toUInt());
}

std::uint16_t choosePortInDialog() {
    TComSelectForm form(portprobe::availablePorts());
    if (form.exec() != QDialog::Accepted) return 0;
    const std::uint16_t chosen = form.chosenPort();
    if (chosen == 0) throw comerr::noPortToChoose();
    return chosen;
}
