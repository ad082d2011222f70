// The masked fields of the machine control window (Loc1) and of the Define Key window (the byte
// fields) keep the focus while their mask is unfilled: Tab, Shift+Tab and a click on another
// control are refused, and nothing that would have followed happens. Escape abandons the entry.
#include "tests/support/paramname.h"
#include "tests/window/control_fixture.h"

#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Refusal = QStringLiteral("Invalid input value.  Use escape key to abandon changes.");

// Key A sends 23 33 44 55 66: the Define Key window shows data0 to data2 for it.
const QByteArray KeyA = keyRecord("A", {}, bytes("23 33 44 55 66"));

enum class Form { MachineControl, DefineKey };
enum class Leave { Tab, ShiftTab, Click };

class MaskFocus : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFileBytes(rig.keydef(), KeyA + keyRecord("B", {}, {}) + keyRecord("C", {}, {}) +
                                         keyRecord("D", {}, {}));
        rig.w.Timer1Timer();  // sending allowed
        ASSERT_TRUE(ControlRig::activate(rig.c));
    }

    // Shows the form; with the Define Key window, key A is opened by a right click.
    void open(Form form) {
        form_ = form;
        if (form == Form::DefineKey) {
            QTest::mouseClick(rig.c.Select[0], Qt::RightButton);
            ASSERT_TRUE(waitFor([&] { return rig.k.isActiveWindow(); }));
        }
    }
    QWidget& window() {
        if (form_ == Form::MachineControl) return rig.c;
        return rig.k;
    }
    QLineEdit* field() const { return form_ == Form::MachineControl ? rig.c.Loc1 : rig.k.data[1]; }
    // The control whose click would act at once: arming track 1, or saving and closing.
    QPushButton* clickTarget() const {
        return form_ == Form::MachineControl ? rig.c.rec[0] : rig.k.Exit;
    }
    QString original() const {
        return form_ == Form::MachineControl ? QStringLiteral("00:00:00:00") : QStringLiteral("55");
    }

    // Clicks into the field, clears it and types `typed`.
    void enter(const QString& typed) {
        QTest::mouseClick(field(), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), field());
        QTest::keyClick(field(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field(), Qt::Key_Delete);
        QTest::keyClicks(field(), typed);
    }

    void leave(Leave how) {
        switch (how) {
            case Leave::Tab:
                QTest::keyClick(field(), Qt::Key_Tab);
                break;
            case Leave::ShiftTab:
                QTest::keyClick(field(), Qt::Key_Backtab, Qt::ShiftModifier);
                break;
            case Leave::Click:
                QTest::mouseClick(clickTarget(), Qt::LeftButton);
                break;
        }
    }

    // Escape in the machine control window also hides it; the user comes back to it from the
    // main window, and the focus is where it was.
    void escape() {
        QTest::keyClick(field(), Qt::Key_Escape);
        if (form_ == Form::MachineControl) {
            EXPECT_FALSE(rig.c.isVisible()) << "Escape hides the machine control window";
            ASSERT_TRUE(ControlRig::activate(rig.w));
            ASSERT_TRUE(ControlRig::activate(rig.c));
            ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == field(); }));
        }
    }

    // Delivers whatever is already posted, so that a box that would follow a step has come.
    static void settle() { QCoreApplication::processEvents(); }

    ControlRig rig;
    Form form_ = Form::MachineControl;
};

struct LeaveCase {
    const char* name;
    Form form;
    Leave leave;
    const char* typed;
    const char* shown;
};

void PrintTo(const LeaveCase& c, std::ostream* os) {
    *os << c.name;
}

class LeavingUnfilled : public MaskFocus, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeavingUnfilled, IsRefusedUntilEscapeAbandonsTheEntry) {
    const LeaveCase& c = GetParam();
    open(c.form);
    enter(QLatin1String(c.typed));
    ASSERT_EQ(field()->displayText(), QLatin1String(c.shown));
    const QByteArray file = fileBytes(rig.keydef());

    leave(c.leave);
    settle();
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{Refusal});
    EXPECT_EQ(QApplication::focusWidget(), field());
    EXPECT_EQ(field()->displayText(), QLatin1String(c.shown));
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(rig.c.ArmMask, (commandframes::ArmBits{0, 0, 0})) << "track 1 not armed";
    EXPECT_TRUE(rig.c.tal[0]->isHidden());
    EXPECT_EQ(rig.sentBefore(), QByteArray());
    EXPECT_EQ(fileBytes(rig.keydef()), file) << "nothing saved";

    escape();
    EXPECT_EQ(field()->text(), original());
    leave(c.leave);
    settle();
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{Refusal}) << "no second box";
    EXPECT_NE(QApplication::focusWidget(), field());
    if (c.leave == Leave::Click && c.form == Form::MachineControl) {
        EXPECT_EQ(rig.sentBefore(), bytes("04A08D01000032")) << "the click now arms track 1";
    }
    if (c.leave == Leave::Click && c.form == Form::DefineKey) {
        EXPECT_FALSE(rig.k.isVisible()) << "the click on Exit now closes the window";
        EXPECT_EQ(fileBytes(rig.keydef()), file) << "saved as it was read";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, LeavingUnfilled,
    ::testing::Values(
        LeaveCase{"Loc1ByTab", Form::MachineControl, Leave::Tab, "12", "12:__:__:__"},
        LeaveCase{"Loc1ByShiftTab", Form::MachineControl, Leave::ShiftTab, "12", "12:__:__:__"},
        LeaveCase{"Loc1ByClickOnRec1", Form::MachineControl, Leave::Click, "12", "12:__:__:__"},
        LeaveCase{"EmptyLoc1ByClickOnRec1", Form::MachineControl, Leave::Click, "", "__:__:__:__"},
        LeaveCase{"Data1ByTab", Form::DefineKey, Leave::Tab, "0", "0_"},
        LeaveCase{"Data1ByShiftTab", Form::DefineKey, Leave::ShiftTab, "0", "0_"},
        LeaveCase{"Data1ByClickOnExit", Form::DefineKey, Leave::Click, "0", "0_"},
        LeaveCase{"EmptyData1ByTab", Form::DefineKey, Leave::Tab, "", "__"}),
    paramname::from([](const LeaveCase& c) { return c.name; }));

TEST_F(MaskFocus, FilledFieldIsLeftFreely) {
    open(Form::MachineControl);
    enter(QStringLiteral("01020304"));
    QTest::keyClick(field(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), field());
    QTest::mouseClick(field(), Qt::LeftButton);
    QTest::mouseClick(rig.c.rec[0], Qt::LeftButton);
    EXPECT_EQ(rig.sentBefore(), bytes("04A08D01000032"));
    EXPECT_EQ(testsupport::errorBoxes(), QStringList());
}

// The window going away is not the user leaving the field: no box, the entry stays, and on the
// way back Escape still returns to the text from before the entry.
TEST_F(MaskFocus, OtherWindowActivatedRaisesNoBox) {
    open(Form::MachineControl);
    enter(QStringLiteral("12"));
    ASSERT_TRUE(ControlRig::activate(rig.w));
    settle();
    EXPECT_EQ(testsupport::errorBoxes(), QStringList());
    ASSERT_TRUE(ControlRig::activate(rig.c));
    ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == field(); }));
    EXPECT_EQ(field()->displayText(), QStringLiteral("12:__:__:__"));
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_EQ(field()->text(), original());
    EXPECT_EQ(testsupport::errorBoxes(), QStringList());
}

TEST_F(MaskFocus, ClosingTheWindowRaisesNoBox) {
    open(Form::MachineControl);
    enter(QStringLiteral("12"));
    QCloseEvent close;  // the close box: a spontaneous close request
    QSpontaneKeyEvent::setSpontaneous(&close);
    QApplication::instance()->notify(&rig.c, &close);
    settle();
    EXPECT_FALSE(rig.c.isVisible());
    EXPECT_EQ(testsupport::errorBoxes(), QStringList());
    EXPECT_EQ(rig.c.Loc1->displayText(), QStringLiteral("12:__:__:__"));
}

TEST_F(MaskFocus, DefineKeyWindowLeftForTheControlWindowRaisesNoBox) {
    open(Form::DefineKey);
    enter(QStringLiteral("0"));
    ASSERT_TRUE(ControlRig::activate(rig.c));
    settle();
    EXPECT_EQ(testsupport::errorBoxes(), QStringList());
    EXPECT_EQ(field()->displayText(), QStringLiteral("0_"));
}

}  // namespace
