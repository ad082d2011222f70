#include "serial/TComSelectForm.h"

#include "serial/ComErrors.h"
#include "serial/portprobe.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {
// "FTDI FT232R USB UART": maker and model, either of them possibly unknown.
QString adapterText(const portmap::Port& p) {
    QStringList words;
    for (const QString& w : {p.maker, p.model}) {
        if (!w.isEmpty()) words << w;
    }
    return words.join(QLatin1Char(' '));
}

QString byIdName(const portmap::Port& p) {
    return p.byId.isEmpty() ? QString() : QFileInfo(p.byId).fileName();
}

// The device, then the full by-id link and the adapter where known, one a line.
QString toolTip(const portmap::Port& p) {
    QStringList lines{p.path};
    if (!p.byId.isEmpty() && p.byId != p.path) lines << p.byId;
    if (const QString adapter = adapterText(p); !adapter.isEmpty()) lines << adapter;
    return lines.join(QLatin1Char('\n'));
}

// Rows of the list: the "COM%d" item carries the device path as its data, as the closed list
// needs nothing else.
void fill(QStandardItemModel& model, const std::vector<portmap::Port>& ports) {
    model.setHorizontalHeaderLabels({QStringLiteral("Port"), QStringLiteral("Device"),
                                     QStringLiteral("By-id name"), QStringLiteral("Adapter")});
    for (const portmap::Port& p : ports) {
        const std::array<QString, TComSelectForm::ColumnCount> texts{
            QStringLiteral("COM%1").arg(p.number), p.path, byIdName(p), adapterText(p)};
        QList<QStandardItem*> row;
        for (const QString& text : texts) {
            auto* cell = new QStandardItem(text);  // owned by the model once appended
            cell->setEditable(false);
            cell->setToolTip(toolTip(p));
            row << cell;
        }
        row.front()->setData(p.path, Qt::UserRole);
        model.appendRow(row);
    }
}

// A list that opens as a table wide enough for all its columns.
QTreeView* tableView(QWidget* parent) {
    auto* view = new QTreeView(parent);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return view;
}

// The combo box makes its list as wide as itself; the table needs room for every column in full.
void fitColumns(QTreeView& view) {
    const QAbstractItemView& cells = view;
    int width = 2 * view.frameWidth();
    for (int c = 0; c < TComSelectForm::ColumnCount; ++c)
        width += std::max(cells.sizeHintForColumn(c), view.header()->sectionSizeHint(c));
    view.setMinimumWidth(width);
}

// Labels beside the list keep the width of their longest text, so the fixed-size dialog does
// not change size as the choice moves.
void reserveWidth(QLabel& label, const QStringList& texts) {
    int widest = 0;
    for (const QString& t : texts)
        widest = std::max(widest, label.fontMetrics().horizontalAdvance(t));
    label.setMinimumWidth(widest);
}
}  // namespace

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
    auto* model = new QStandardItemModel(PortsComboBox);
    fill(*model, ports);
    QTreeView* view = tableView(PortsComboBox);
    PortsComboBox->setModel(model);
    PortsComboBox->setView(view);
    PortsComboBox->setModelColumn(PortColumn);
    fitColumns(*view);

    QStringList paths, names, adapters;
    for (const portmap::Port& p : ports) {
        paths << p.path;
        names << byIdName(p);
        adapters << adapterText(p);
    }
    const auto detailLabel = [this](const QString& name, const QStringList& texts) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        reserveWidth(*label, texts);
        return label;
    };
    PortPath = detailLabel(QStringLiteral("PortPath"), paths);
    PortById = detailLabel(QStringLiteral("PortById"), names);
    PortAdapter = detailLabel(QStringLiteral("PortAdapter"), adapters);
    connect(PortsComboBox, &QComboBox::currentIndexChanged, this, &TComSelectForm::showDetails);
    PortsComboBox->setCurrentIndex(ports.empty() ? -1 : 0);
    showDetails(PortsComboBox->currentIndex());

    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    AbortBtn = new QPushButton(QStringLiteral("Cancel"), this);
    AbortBtn->setObjectName(QStringLiteral("AbortBtn"));
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(AbortBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* details = new QVBoxLayout;
    details->addWidget(PortPath);
    details->addWidget(PortById);
    details->addWidget(PortAdapter);
    auto* choice = new QHBoxLayout;
    choice->addWidget(PortsComboBox, 0, Qt::AlignTop);
    choice->addLayout(details, 1);
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

void TComSelectForm::showDetails(int index) {
    const auto cell = [&](int column) {
        return index < 0 ? QString()
                         : PortsComboBox->model()->index(index, column).data().toString();
    };
    PortPath->setText(cell(DeviceColumn));
    PortById->setText(cell(ByIdColumn));
    PortAdapter->setText(cell(AdapterColumn));
}

std::uint16_t TComSelectForm::chosenPort() const {
    const QString item = PortsComboBox->currentText();
    if (item.isEmpty()) return 0;
    return static_cast<std::uint16_t>(item.mid(3).toUInt());
}

std::uint16_t choosePortInDialog(const portnames::Folders& folders,
                                 const QStringList& environment) {
    TComSelectForm form(portprobe::availablePorts(folders, environment));
    if (form.exec() != QDialog::Accepted) return 0;
    const std::uint16_t chosen = form.chosenPort();
    if (chosen == 0) throw comerr::noPortToChoose();
    return chosen;
}

std::uint16_t choosePortInDialog() {
    return choosePortInDialog(portnames::Folders{},
                              QProcessEnvironment::systemEnvironment().toStringList());
}
