// The machine control window as the user meets it: its components, the Cmds button, Escape, the
// close box, the Tab order, and the machine picker of the main window.
#include "tests/window/control_fixture.h"

#include "link/StringGrid.h"
#include "tests/support/paramname.h"

#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class ControlWindow : public ::testing::Test {
  protected:
    // The window's close box: the window system's close request reaches the window as a
    // spontaneous close event.
    void closeBox(QWidget& window) {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QApplication::instance()->notify(&window, &close);
    }
    ControlRig rig;
};

TEST_F(ControlWindow, IsTheHiddenMachineControlWindowOnTop) {
    EXPECT_EQ(rig.c.windowTitle(), QStringLiteral("Machine Control"));
    EXPECT_TRUE(rig.c.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(rig.c.isWindow());
    EXPECT_FALSE(rig.c.isVisible());
}

TEST_F(ControlWindow, EveryComponentCarriesItsName) {
    QStringList names{"Loc1", "Locate1", "Cyclic",  "Lcyclic", "Rwd",     "RvsPlay", "Stop",
                      "Play", "Fwd",     "Command", "SelectA", "SelectB", "SelectC", "SelectD"};
    for (int t = 1; t <= 24; ++t)
        names << QStringLiteral("rec%1").arg(t) << QStringLiteral("tal%1").arg(t);
    for (const QString& name : names) {
        auto* widget = rig.c.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        EXPECT_EQ(widget->accessibleDescription(), name);
    }
}

TEST_F(ControlWindow, ShowsItsFormDefaults) {
    EXPECT_EQ(rig.c.Loc1->text(), QStringLiteral("00:00:00:00"));
    EXPECT_EQ(rig.c.Loc1->inputMask(), QStringLiteral("99:99:99:99;_"));
    EXPECT_EQ(rig.c.Locate1->text(), QStringLiteral("Locate"));
    EXPECT_EQ(rig.c.Cyclic->text(), QStringLiteral("Cyclic"));
    EXPECT_TRUE(rig.c.Lcyclic->isHidden());
    const std::array<QPushButton*, 5> transport{rig.c.Rwd, rig.c.RvsPlay, rig.c.Stop, rig.c.Play,
                                                rig.c.Fwd};
    const QStringList captions{"<<", "<", "Stop", ">", ">>"};
    for (std::size_t i = 0; i < transport.size(); ++i) {
        EXPECT_EQ(transport[i]->text(), captions[static_cast<int>(i)]);
    }
    EXPECT_EQ(rig.c.Command->title(), QStringLiteral("Command"));
    const QStringList items{"Sony P2", "Current Mcn", "Master Mcn", "Selected Mcn"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rig.c.CommandItems[i]->text(), items[static_cast<int>(i)]);
    }
    EXPECT_EQ(rig.c.CommandIndex(), 2);
    EXPECT_TRUE(rig.c.CommandItems[2]->isChecked());
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(rig.c.Select[static_cast<std::size_t>(k)]->text(), QString(QChar('A' + k)));
        EXPECT_EQ(rig.c.Select[static_cast<std::size_t>(k)]->toolTip(),
                  QStringLiteral("Right Click to Modify Command"));
    }
    for (int t = 1; t <= 24; ++t) {
        EXPECT_EQ(rig.c.rec[static_cast<std::size_t>(t - 1)]->text(), QString::number(t));
        EXPECT_TRUE(rig.c.tal[static_cast<std::size_t>(t - 1)]->isHidden());
    }
}

TEST_F(ControlWindow, TabSkipsTheTransportLocateCyclicAndKeyButtons) {
    rig.c.show();
    ASSERT_TRUE(waitFor([&] { return rig.c.isActiveWindow(); }));
    rig.c.Loc1->setFocus();
    QSet<QString> reached;
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget()->objectName());
    }
    EXPECT_TRUE(reached.contains(QStringLiteral("Loc1")));
    const bool commandReached = reached.contains(QStringLiteral("Command0")) ||
                                reached.contains(QStringLiteral("Command1")) ||
                                reached.contains(QStringLiteral("Command2")) ||
                                reached.contains(QStringLiteral("Command3"));
    EXPECT_TRUE(commandReached) << "the Command group";
    EXPECT_TRUE(reached.contains(QStringLiteral("rec1")));
    EXPECT_TRUE(reached.contains(QStringLiteral("rec24")));
    for (const char* skipped : {"Rwd", "RvsPlay", "Stop", "Play", "Fwd", "Locate1", "Cyclic",
                                "SelectA", "SelectB", "SelectC", "SelectD"}) {
        EXPECT_FALSE(reached.contains(QLatin1String(skipped))) << skipped;
        EXPECT_EQ(rig.c.findChild<QWidget*>(QLatin1String(skipped))->focusPolicy(), Qt::ClickFocus);
    }
}

TEST_F(ControlWindow, CmdsShowsTheWindowWithDtrAndLedAndStartsTheTimer) {
    EXPECT_FALSE(rig.w.Timer1->isActive()) << "off until commands are first enabled";
    QTest::mouseClick(rig.w.cmds, Qt::LeftButton);
    EXPECT_TRUE(rig.c.isVisible());
    EXPECT_FALSE(rig.w.ledCmds->isHidden());
    EXPECT_TRUE(waitFor([&] { return rig.line->dtr(); }));
    EXPECT_TRUE(rig.w.Timer1->isActive());
    EXPECT_EQ(rig.w.Timer1->interval(), 40);

    QTest::mouseClick(rig.w.cmds, Qt::LeftButton);
    EXPECT_FALSE(rig.c.isVisible());
    EXPECT_TRUE(rig.w.ledCmds->isHidden());
    EXPECT_TRUE(waitFor([&] { return !rig.line->dtr(); }));
    EXPECT_TRUE(rig.w.Timer1->isActive()) << "the timer runs on";
}

TEST_F(ControlWindow, EscapeHidesOnlyTheWindow) {
    rig.w.cmdenab();
    ASSERT_TRUE(waitFor([&] { return rig.line->dtr(); }));
    rig.c.Loc1->setFocus();
    QTest::keyClick(rig.c.Loc1, Qt::Key_Escape);
    EXPECT_FALSE(rig.c.isVisible());
    EXPECT_FALSE(rig.w.ledCmds->isHidden());
    EXPECT_TRUE(rig.w.serial->DTR());
    rig.w.cmdsClick();
    EXPECT_TRUE(rig.c.isVisible()) << "one press of Cmds shows it again";
    EXPECT_TRUE(rig.w.serial->DTR());
    EXPECT_TRUE(rig.line->dtr());
}

TEST_F(ControlWindow, CloseBoxHidesTheWindowAndDropsDtrAndTheLed) {
    rig.w.cmdenab();
    rig.c.Cyclic->click();
    ASSERT_TRUE(waitFor([&] { return rig.line->dtr(); }));
    closeBox(rig.c);
    EXPECT_FALSE(rig.c.isVisible());
    EXPECT_TRUE(rig.w.ledCmds->isHidden());
    EXPECT_TRUE(waitFor([&] { return !rig.line->dtr(); }));
    EXPECT_TRUE(rig.w.Timer1->isActive());
    EXPECT_FALSE(rig.c.Lcyclic->isHidden()) << "cyclic data stays on";
    rig.w.cmdenab();
    EXPECT_TRUE(rig.c.isVisible());
}

TEST_F(ControlWindow, ClosingByTheProgramIsNotRefused) {
    // The application's end closes every window; the control window must not hold it up.
    rig.w.cmdenab();
    EXPECT_TRUE(rig.c.close());
    EXPECT_FALSE(rig.c.isVisible());
}

TEST_F(ControlWindow, ArmedTracksAndCyclicDataSurviveHidingAndShowing) {
    rig.w.cmdenab();
    rig.w.Timer1->stop();
    rig.w.Timer1Timer();
    rig.c.rec[4]->click();
    rig.c.CommandItems[0]->click();
    rig.w.cmdenab();
    rig.w.cmdenab();
    EXPECT_FALSE(rig.c.tal[4]->isHidden());
    EXPECT_EQ(rig.c.ArmMask, (commandframes::ArmBits{0x10, 0, 0}));
    EXPECT_EQ(rig.c.CommandIndex(), 0);
}

struct PickCase {
    int row;
    int machine;
    const char* letter;
    const char* header;
};

class MachinePick : public ControlWindow, public ::testing::WithParamInterface<PickCase> {};

TEST_P(MachinePick, RowChoosesTheMonitoredMachine) {
    rig.w.Grid4MouseUp(Qt::RightButton, 0, GetParam().row);
    EXPECT_EQ(rig.w.MonMcn, GetParam().machine);
    EXPECT_EQ(rig.w.MonMcnLabel->text(), QString::fromUtf8(GetParam().letter));
    EXPECT_EQ(rig.w.mcngrid->cell(19, 0), QString::fromUtf8(GetParam().header));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MachinePick,
    ::testing::Values(PickCase{7, 255, "G", "Gen Tally"}, PickCase{3, 3, "C", "Mcn C Tally"},
                      PickCase{1, 1, "A", "Mcn A Tally"}, PickCase{6, 6, "F", "Mcn F Tally"},
                      PickCase{0, 0, "@", "Mcn @ Tally"}, PickCase{-1, -1, "?", "Mcn ? Tally"}),
    paramname::from([](const PickCase& c) { return paramname::join("Row", c.row); }));

TEST_F(ControlWindow, PickingAMachineResetsTheMachineStatusPanel) {
    rig.w.Mcnpos->setText(QStringLiteral("01:00:00:00"));
    rig.w.Grid4MouseUp(Qt::LeftButton, 0, 2);
    EXPECT_EQ(rig.w.Mcnpos->text(), QStringLiteral("---:---:---:---"));
    EXPECT_EQ(rig.w.MonMcnLabel->text(), QStringLiteral("B"));
}

TEST_F(ControlWindow, AClickOnGrid4PassesTheRowUnderThePointer) {
    StringGrid* grid = rig.w.Grid4;
    grid->scrollToTop();
    const QPoint rowC(grid->columnViewportPosition(0) + 5, grid->rowViewportPosition(2) + 5);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rowC);
    EXPECT_EQ(rig.w.MonMcn, 3);
    EXPECT_EQ(rig.w.MonMcnLabel->text(), QStringLiteral("C"));
}

}  // namespace
