// The "Select Port" dialog as the user sees it.
#include "serial/TComSelectForm.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <array>
#include <ostream>

namespace {

const QString kFtdiById =
    QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
const std::vector<portmap::Port> kPorts{
    {3, QStringLiteral("/dev/ttyS2")},
    {7, kFtdiById, kFtdiById, QStringLiteral("FTDI"), QStringLiteral("FT232R USB UART")},
    {33, QStringLiteral("/dev/ttyUSB0"), kFtdiById, QStringLiteral("FTDI"),
     QStringLiteral("FT232R USB UART")},
    {34, QStringLiteral("/dev/ttyUSB1"), {}, {}, QStringLiteral("USB-Serial Controller")},
    {150, QStringLiteral("/dev/pts/9")}};

QStringList labelTexts(const QWidget& w) {
    QStringList texts;
    for (const QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
    return texts;
}

TEST(SelectPort, ShowsItsCaptionTheTwoLinesAndTheButtonsWithTheFirstPortChosen) {
    TComSelectForm form(kPorts);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Select Port"));
    EXPECT_TRUE(
        labelTexts(form).contains(QStringLiteral("The configured serial port is not valid.")));
    EXPECT_TRUE(labelTexts(form).contains(QStringLiteral("Please choose another port.")));
    EXPECT_EQ(form.OkBtn->text(), QStringLiteral("OK"));
    EXPECT_TRUE(form.OkBtn->isDefault());
    EXPECT_EQ(form.AbortBtn->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(form.PortsComboBox->isEditable()) << "choice only, no typing";
    EXPECT_EQ(form.PortsComboBox->count(), static_cast<int>(kPorts.size()));
    EXPECT_EQ(form.PortsComboBox->currentIndex(), 0);
    EXPECT_EQ(form.PortsComboBox->currentText(), QStringLiteral("COM3"));
}

// One port of kPorts as its row of the opened list, the tool-tip and the labels beside the
// list show it; its item text stays "COM%d", and OK gives its number.
struct RowCase {
    const char* name;
    int row;
    std::uint16_t number;
    std::array<const char*, TComSelectForm::ColumnCount> columns;
    const char* toolTip;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class SelectPortRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(SelectPortRow, ShowsThePortItsDeviceItsByIdNameAndItsAdapter) {
    const RowCase& c = GetParam();
    TComSelectForm form(kPorts);
    form.PortsComboBox->setCurrentIndex(c.row);
    const QAbstractItemModel& model = *form.PortsComboBox->model();
    for (int column = 0; column < TComSelectForm::ColumnCount; ++column) {
        EXPECT_EQ(model.index(c.row, column).data().toString(),
                  QString::fromUtf8(c.columns[column]))
            << "column " << column;
        EXPECT_EQ(model.index(c.row, column).data(Qt::ToolTipRole).toString(),
                  QString::fromUtf8(c.toolTip));
    }
    EXPECT_EQ(form.PortsComboBox->itemText(c.row), QString::fromUtf8(c.columns[0]));
    EXPECT_EQ(form.PortsComboBox->currentText(), QString::fromUtf8(c.columns[0]));
    EXPECT_EQ(form.PortPath->text(), QString::fromUtf8(c.columns[TComSelectForm::DeviceColumn]));
    EXPECT_EQ(form.PortById->text(), QString::fromUtf8(c.columns[TComSelectForm::ByIdColumn]));
    EXPECT_EQ(form.PortAdapter->text(),
              QString::fromUtf8(c.columns[TComSelectForm::AdapterColumn]));
    QTest::mouseClick(form.OkBtn, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosenPort(), c.number);
}

INSTANTIATE_TEST_SUITE_P(
    Ports, SelectPortRow,
    ::testing::Values(
        RowCase{"BuiltInUart", 0, 3, {"COM3", "/dev/ttyS2", "", ""}, "/dev/ttyS2"},
        RowCase{"PortSetToItsByIdLink",
                1,
                7,
                {"COM7", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0",
                 "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0", "FTDI FT232R USB UART"},
                "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0\n"
                "FTDI FT232R USB UART"},
        RowCase{"UsbAdapterWithByIdNameMakerAndModel",
                2,
                33,
                {"COM33", "/dev/ttyUSB0", "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0",
                 "FTDI FT232R USB UART"},
                "/dev/ttyUSB0\n/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0\n"
                "FTDI FT232R USB UART"},
        RowCase{"UsbAdapterWithAModelOnly",
                3,
                34,
                {"COM34", "/dev/ttyUSB1", "", "USB-Serial Controller"},
                "/dev/ttyUSB1\nUSB-Serial Controller"},
        RowCase{"PseudoTerminal", 4, 150, {"COM150", "/dev/pts/9", "", ""}, "/dev/pts/9"}),
    paramname::from([](const RowCase& c) { return c.name; }));

TEST(SelectPort, TheOpenedListShowsEveryColumnInFull) {
    TComSelectForm form(kPorts);
    form.show();
    form.PortsComboBox->showPopup();
    auto* view = qobject_cast<QTreeView*>(form.PortsComboBox->view());
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    EXPECT_FALSE(view->isHeaderHidden());
    const QAbstractItemModel& model = *view->model();
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < TComSelectForm::ColumnCount; ++column) {
            const QModelIndex cell = model.index(row, column);
            const int textWidth = view->fontMetrics().horizontalAdvance(cell.data().toString());
            const QRect rect = view->visualRect(cell);
            EXPECT_GE(rect.width(), textWidth) << "row " << row << " column " << column;
            EXPECT_LE(rect.right(), view->viewport()->width()) << "row " << row;
        }
    }
    form.PortsComboBox->hidePopup();
}

TEST(SelectPort, CancelRejectsTheDialog) {
    TComSelectForm form(kPorts);
    QTest::mouseClick(form.AbortBtn, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(SelectPort, AnEmptyListChoosesNoPort) {
    TComSelectForm form({});
    EXPECT_EQ(form.PortsComboBox->count(), 0);
    EXPECT_EQ(form.chosenPort(), 0);
    EXPECT_EQ(form.PortPath->text(), QString());
    EXPECT_EQ(form.PortById->text(), QString());
    EXPECT_EQ(form.PortAdapter->text(), QString());
}

}  // namespace
