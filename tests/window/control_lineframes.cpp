// The frames the machine control window and the machine picker put on the line, byte for byte.
#include "tests/window/control_fixture.h"

#include "link/StringGrid.h"
#include "tests/support/paramname.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The window shown, commands enabled, and sending allowed (one tick with cyclic data off).
class LineFrames : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.w.cmdenab();
        rig.w.Timer1->stop();  // ticks are driven by hand
        rig.w.Timer1Timer();
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // A click on the item's round indicator.
    void choose(int form) {
        QRadioButton* item = rig.c.CommandItems[static_cast<std::size_t>(form)];
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(7, item->height() / 2));
        ASSERT_TRUE(item->isChecked());
    }
    ControlRig rig;
};

struct TransportCase {
    int button;  // Rwd, RvsPlay, Stop, Play, Fwd
    int form;    // Sony P2, Current, Master, Selected
    const char* frame;
};

class TransportFrames : public LineFrames, public ::testing::WithParamInterface<TransportCase> {};

TEST_P(TransportFrames, ButtonSendsItsFrameInTheChosenForm) {
    const std::array<QPushButton*, 5> buttons{rig.c.Rwd, rig.c.RvsPlay, rig.c.Stop, rig.c.Play,
                                              rig.c.Fwd};
    choose(GetParam().form);
    click(buttons[static_cast<std::size_t>(GetParam().button)]);
    EXPECT_EQ(rig.sentBefore().toHex(' '), bytes(GetParam().frame).toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransportFrames,
    ::testing::Values(TransportCase{0, 0, "202040"}, TransportCase{0, 1, "02A0890631"},
                      TransportCase{0, 2, "02A08C0634"}, TransportCase{0, 3, "03A08B010635"},
                      TransportCase{1, 0, "21224083"}, TransportCase{1, 1, "02A089042F"},
                      TransportCase{1, 2, "02A08C0432"}, TransportCase{1, 3, "03A08B010433"},
                      TransportCase{2, 0, "200020"}, TransportCase{2, 1, "02A089012C"},
                      TransportCase{2, 2, "02A08C012F"}, TransportCase{2, 3, "03A08B010130"},
                      TransportCase{3, 0, "200121"}, TransportCase{3, 1, "02A089022D"},
                      TransportCase{3, 2, "02A08C0230"}, TransportCase{3, 3, "03A08B010231"},
                      TransportCase{4, 0, "201030"}, TransportCase{4, 1, "02A0890732"},
                      TransportCase{4, 2, "02A08C0735"}, TransportCase{4, 3, "03A08B010736"}),
    paramname::from([](const TransportCase& c) {
        constexpr std::array<const char*, 5> Buttons{"Rwd", "RvsPlay", "Stop", "Play", "Fwd"};
        constexpr std::array<const char*, 4> Forms{"SonyP2", "Current", "Master", "Selected"};
        return paramname::join(Buttons.at(static_cast<std::size_t>(c.button)),
                               Forms.at(static_cast<std::size_t>(c.form)));
    }));

TEST_F(LineFrames, PlayInTheInitialFormGoesToTheMasterMachine) {
    click(rig.c.Play);
    EXPECT_EQ(rig.take(5), bytes("02A08C0230"));
}

TEST_F(LineFrames, StopToTheSelectedGeneratorCarriesMachine255) {
    rig.c.hide();  // so that picking the generator sends no select frame of its own
    rig.w.Grid4MouseUp(Qt::RightButton, 0, 7);
    rig.c.show();
    choose(3);
    click(rig.c.Stop);
    EXPECT_EQ(rig.sentBefore(), bytes("03A08BFF012E"));
}

struct LocateCase {
    int form;
    const char* time;
    const char* frame;
};

class LocateFrames : public LineFrames, public ::testing::WithParamInterface<LocateCase> {};

TEST_P(LocateFrames, LocateSendsTheTypedTimeFramesFirst) {
    choose(GetParam().form);
    rig.c.Loc1->setText(QLatin1String(GetParam().time));
    click(rig.c.Locate1);
    EXPECT_EQ(rig.sentBefore().toHex(' '), bytes(GetParam().frame).toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(Table, LocateFrames,
                         ::testing::Values(LocateCase{0, "01:02:03:04", "2431040302015F"},
                                           LocateCase{1, "01:02:03:04", "06A089200403020159"},
                                           LocateCase{2, "01:02:03:04", "06A08C20040302015C"},
                                           LocateCase{3, "01:02:03:04", "07A08B0120040302015D"},
                                           LocateCase{0, "00:00:00:00", "24310000000055"}),
                         paramname::from([](const LocateCase& c) {
                             return paramname::hexPairs(c.frame);
                         }));

TEST_F(LineFrames, TypedLocateTimeKeepsItsColons) {
    choose(0);
    rig.c.Loc1->setFocus();
    rig.c.Loc1->home(false);
    QTest::keyClicks(rig.c.Loc1, QStringLiteral("01020304"));
    EXPECT_EQ(rig.c.Loc1->text(), QStringLiteral("01:02:03:04"));
    click(rig.c.Locate1);
    EXPECT_EQ(rig.sentBefore(), bytes("2431040302015F"));
}

// With the focus in Loc1 the click is refused as it leaves the field; with the focus elsewhere
// Locate itself refuses the time. Either way there is one box and nothing on the line.
class IncompleteLocate : public LineFrames, public ::testing::WithParamInterface<bool> {};

TEST_P(IncompleteLocate, IsRefusedAndSendsNothing) {
    const bool focusInLoc1 = GetParam();
    // The form already chosen: a click on it only takes the focus.
    QWidget* focus = focusInLoc1 ? static_cast<QWidget*>(rig.c.Loc1) : rig.c.CommandItems[2];
    ASSERT_TRUE(ControlRig::activate(rig.c));
    QTest::mouseClick(focus, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), focus);
    rig.c.Loc1->setText(QStringLiteral("01:2"));
    click(rig.c.Locate1);
    EXPECT_EQ(
        testsupport::errorBoxes(),
        QStringList{QStringLiteral("Invalid input value.  Use escape key to abandon changes.")});
    EXPECT_EQ(rig.sentBefore(), QByteArray());
}

INSTANTIATE_TEST_SUITE_P(Focus, IncompleteLocate, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "InLoc1" : "Elsewhere");
                         });

TEST_F(LineFrames, CyclicSwitchesOnAndOffWithItsFrames) {
    click(rig.c.Cyclic);
    EXPECT_EQ(rig.take(5), bytes("02A0850128"));
    EXPECT_FALSE(rig.c.Lcyclic->isHidden());
    click(rig.c.Cyclic);
    EXPECT_EQ(rig.sentBefore(), bytes("02A0850027"));
    EXPECT_TRUE(rig.c.Lcyclic->isHidden());
}

TEST_F(LineFrames, FirstPressOfRec1ArmsTrackOne) {
    click(rig.c.rec[0]);
    EXPECT_EQ(rig.sentBefore(), bytes("04A08D01000032"));
    EXPECT_FALSE(rig.c.tal[0]->isHidden());
}

TEST_F(LineFrames, Rec9PressedTwiceArmsAndDisarmsTrackNine) {
    click(rig.c.rec[8]);
    EXPECT_EQ(rig.take(7), bytes("04A08D00010032"));
    EXPECT_FALSE(rig.c.tal[8]->isHidden());
    click(rig.c.rec[8]);
    EXPECT_EQ(rig.sentBefore(), bytes("04A08D00000031"));
    EXPECT_TRUE(rig.c.tal[8]->isHidden());
}

TEST_F(LineFrames, ArmingFrameAlwaysCarriesAllTracks) {
    click(rig.c.rec[0]);
    click(rig.c.rec[23]);
    click(rig.c.rec[11]);
    EXPECT_EQ(rig.sentBefore(), bytes("04A08D01000032"
                                      "04A08D010080B2"
                                      "04A08D010880BA"));
}

TEST_F(LineFrames, MKeyAsksForTheMachineTypeOnce) {
    QTest::keyClick(&rig.c, Qt::Key_M);
    EXPECT_EQ(rig.take(3), bytes("001111"));
    EXPECT_EQ(rig.sentBefore(), QByteArray()) << "one press, one request";
}

TEST_F(LineFrames, MKeyWorksWhileTypingInTheLocateField) {
    rig.c.Loc1->setFocus();
    QTest::keyClick(rig.c.Loc1, Qt::Key_M, Qt::ShiftModifier);
    EXPECT_EQ(rig.take(3), bytes("001111"));
    EXPECT_EQ(rig.c.Loc1->text(), QStringLiteral("00:00:00:00"));
    EXPECT_EQ(rig.sentBefore(), QByteArray());
}

TEST_F(LineFrames, PickingAMachineInGrid4SelectsItAtTheController) {
    StringGrid* grid = rig.w.Grid4;
    grid->scrollToTop();
    const QPoint rowB(grid->columnViewportPosition(0) + 5, grid->rowViewportPosition(1) + 5);
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, rowB);
    EXPECT_EQ(rig.w.MonMcn, 2);
    EXPECT_EQ(rig.sentBefore(), bytes("03A08B020030"));
}

TEST_F(LineFrames, PickingTheGeneratorSelectsMachine255) {
    rig.w.Grid4MouseUp(Qt::LeftButton, 0, 7);
    EXPECT_EQ(rig.sentBefore(), bytes("03A08BFF002D"));
}

TEST_F(LineFrames, ClickOnTheHeaderOrBelowTheRowsSelectsNoMachineAtTheController) {
    rig.w.Grid4MouseUp(Qt::LeftButton, 0, 0);
    rig.w.Grid4MouseUp(Qt::LeftButton, 0, -1);
    EXPECT_EQ(rig.w.MonMcn, -1);
    EXPECT_EQ(rig.sentBefore(), QByteArray());
}

TEST_F(LineFrames, PickingAMachineInSonyFormSendsNothing) {
    choose(0);
    rig.w.Grid4MouseUp(Qt::RightButton, 0, 3);
    EXPECT_EQ(rig.w.MonMcn, 3);
    EXPECT_EQ(rig.sentBefore(), QByteArray());
}

TEST_F(LineFrames, PickingAMachineWithTheWindowHiddenSendsNothing) {
    rig.w.cmdenab();
    rig.w.Grid4MouseUp(Qt::RightButton, 0, 3);
    EXPECT_EQ(rig.w.MonMcn, 3);
    EXPECT_EQ(rig.sentBefore(), QByteArray());
}

TEST_F(LineFrames, DsrComingOnAsksForTheTime) {
    rig.line->setModemLines(0x20);
    EXPECT_EQ(rig.take(4), bytes("610C016E"));
}

}  // namespace
