// The keyboard shortcuts: the window sees every key-down first, and a shortcut acts only when the
// key-down just before it was Ctrl or Alt.
#include "app/Application.h"
#include "link/StringGrid.h"
#include "tests/support/paramname.h"
#include "tests/window/mainwindow_fixture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class Shortcuts : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
        w->show();
        dirty();
    }
    // Something that only the reset of all tables puts right.
    void dirty() {
        w->MonMcnLabel->setText(QStringLiteral("X"));
        w->command->setText(QStringLiteral("Play"));
        w->grid1->setCell(0, 1, QStringLiteral("7"));
    }
    bool reset() const {
        return w->MonMcnLabel->text() == QLatin1String("A") && w->command->text().isEmpty() &&
               w->grid1->cell(0, 1) == QLatin1String("0");
    }
    bool untouched() const {
        return w->MonMcnLabel->text() == QLatin1String("X") &&
               w->command->text() == QLatin1String("Play") &&
               w->grid1->cell(0, 1) == QLatin1String("7");
    }
    // A key-down alone, with the modifiers the keyboard reports as held.
    void press(Qt::Key key, Qt::KeyboardModifiers held) {
        QKeyEvent down(QEvent::KeyPress, key, held);
        QCoreApplication::sendEvent(w.get(), &down);
    }
    void keys(QWidget* to, std::initializer_list<Qt::Key> sequence) {
        for (Qt::Key k : sequence) QTest::keyClick(to, k);
    }
};

TEST_F(Shortcuts, CtrlThenLResetsTheTables) {
    keys(w.get(), {Qt::Key_Control, Qt::Key_L});
    EXPECT_TRUE(reset());
}

TEST_F(Shortcuts, AltThenLResetsTheTables) {
    keys(w.get(), {Qt::Key_Alt, Qt::Key_L});
    EXPECT_TRUE(reset());
}

TEST_F(Shortcuts, LAloneDoesNothing) {
    keys(w.get(), {Qt::Key_L});
    EXPECT_TRUE(untouched());
}

TEST_F(Shortcuts, CtrlShiftLDoesNothingBecauseTheKeyBeforeLWasShift) {
    keys(w.get(), {Qt::Key_Control, Qt::Key_Shift, Qt::Key_L});
    EXPECT_TRUE(untouched());
}

TEST_F(Shortcuts, TheModifierStateIsNotConsulted) {
    // L with Ctrl still held, but a Shift key-down came in between: nothing.
    keys(w.get(), {Qt::Key_Control});
    press(Qt::Key_Shift, Qt::ControlModifier);
    press(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(untouched());
}

TEST_F(Shortcuts, HoldingCtrlAndPressingLTwiceActsOnce) {
    keys(w.get(), {Qt::Key_Control, Qt::Key_L});
    ASSERT_TRUE(reset());
    dirty();
    press(Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(untouched());
}

TEST_F(Shortcuts, AutoRepeatOfTheHeldCtrlLetsTheNextLetterAct) {
    keys(w.get(), {Qt::Key_Control, Qt::Key_L});
    dirty();
    press(Qt::Key_Control, Qt::ControlModifier);
    press(Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(reset());
}

TEST_F(Shortcuts, AnotherKeyAfterCtrlDoesNothingAndUsesUpTheCtrl) {
    keys(w.get(), {Qt::Key_Control, Qt::Key_K, Qt::Key_L});
    EXPECT_TRUE(untouched());
    EXPECT_EQ(w->LastKey, Qt::Key_L);
}

class ShortcutWithFocusOn : public Shortcuts, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShortcutWithFocusOn, StillReachesTheWindow) {
    auto* focused = w->findChild<QWidget*>(QString::fromLatin1(GetParam()));
    ASSERT_NE(focused, nullptr);
    focused->setFocus();
    keys(focused, {Qt::Key_Control, Qt::Key_L});
    EXPECT_TRUE(reset()) << GetParam();
}

// A grid takes letters for its keyboard search and a button would see the key before the window.
INSTANTIATE_TEST_SUITE_P(Controls, ShortcutWithFocusOn,
                         ::testing::Values("Details", "clearkey", "grid1", "Grid4", "edpreset"),
                         paramname::ByValue());

TEST_F(Shortcuts, TheFocusedControlStillGetsItsKeys) {
    w->Details->setFocus();
    QTest::keyClick(w->Details, Qt::Key_Space);
    EXPECT_EQ(w->height(), 600);
    EXPECT_FALSE(w->ledComms->isHidden());
}

TEST_F(Shortcuts, AltThenXClosesThePortAndEndsTheProgram) {
    Application::instance()->Terminated = false;
    ASSERT_TRUE(w->serial->Open());
    ASSERT_TRUE(line->isOpen());
    keys(w->Details, {Qt::Key_Alt, Qt::Key_X});
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->serial->Open());
    EXPECT_FALSE(line->isOpen());
    EXPECT_TRUE(Application::instance()->Terminated);
    Application::instance()->Terminated = false;
}

TEST_F(Shortcuts, XAloneLeavesTheWindowOpen) {
    keys(w.get(), {Qt::Key_X});
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->serial->Open());
}

}  // namespace
