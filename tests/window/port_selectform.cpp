// The "Select Port" dialog as the user sees it.
#include "serial/TComSelectForm.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const std::vector<portmap::Port> kPorts{{3, QStringLiteral("/dev/ttyS2")},
                                        {33, QStringLiteral("/dev/ttyUSB0")},
                                        {150, QStringLiteral("/dev/pts/9")}};

QStringList labelTexts(const QWidget& w) {
    QStringList texts;
    for (const QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
    return texts;
}

TEST(SelectPort, ShowsItsCaptionTheTwoLinesAndTheButtons) {
    TComSelectForm form(kPorts);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Select Port"));
    EXPECT_TRUE(
        labelTexts(form).contains(QStringLiteral("The configured serial port is not valid.")));
    EXPECT_TRUE(labelTexts(form).contains(QStringLiteral("Please choose another port.")));
    EXPECT_EQ(form.OkBtn->text(), QStringLiteral("OK"));
    EXPECT_TRUE(form.OkBtn->isDefault());
    EXPECT_EQ(form.AbortBtn->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(form.PortsComboBox->isEditable()) << "choice only, no typing";
}

TEST(SelectPort, ListsEachPortAsComAndItsNumberWithTheDeviceBesideIt) {
    TComSelectForm form(kPorts);
    ASSERT_EQ(form.PortsComboBox->count(), 3);
    EXPECT_EQ(form.PortsComboBox->itemText(0), QStringLiteral("COM3"));
    EXPECT_EQ(form.PortsComboBox->itemText(1), QStringLiteral("COM33"));
    EXPECT_EQ(form.PortsComboBox->itemText(2), QStringLiteral("COM150"));
    EXPECT_EQ(form.PortsComboBox->currentIndex(), 0) << "the first item is selected";
    EXPECT_EQ(form.PortPath->text(), QStringLiteral("/dev/ttyS2"));
    EXPECT_EQ(form.PortsComboBox->itemData(2, Qt::ToolTipRole).toString(),
              QStringLiteral("/dev/pts/9"));
    form.PortsComboBox->setCurrentIndex(2);
    EXPECT_EQ(form.PortPath->text(), QStringLiteral("/dev/pts/9"));
}

TEST(SelectPort, OkGivesTheNumberAfterTheThirdCharacterOfTheChosenItem) {
    TComSelectForm form(kPorts);
    EXPECT_EQ(form.chosenPort(), 3);
    form.PortsComboBox->setCurrentIndex(2);
    QTest::mouseClick(form.OkBtn, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosenPort(), 150);
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
}

}  // namespace
