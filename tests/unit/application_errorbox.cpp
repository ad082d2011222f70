// The application object at the edge of every event handler: the error box, one at a time, its
// text and caption; the hint delay; the key preview.
#include "app/Application.h"
#include "serial/AppError.h"
#include "tests/support/paramname.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

namespace {

Application& app() {
    return *Application::instance();
}

// An object whose event handler fails, as a button's click or the port's event may.
class Failing : public QObject {
  public:
    std::function<void()> onEvent;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) onEvent();
        return QObject::event(e);
    }
};

void deliver(Failing& target) {
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&target, &e);
}

class ErrorBox : public ::testing::Test {
  protected:
    void SetUp() override { testsupport::errorBoxes().clear(); }
    void TearDown() override {
        app().errorSink = [](const QString& text) { testsupport::errorBoxes().append(text); };
    }
};

struct BoxText {
    const char* raised;
    const char* shown;
};

class BoxTextRule : public ::testing::TestWithParam<BoxText> {};

TEST_P(BoxTextRule, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(Application::boxText(QString::fromLatin1(GetParam().raised)),
              QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(LastCharacter, BoxTextRule,
                         ::testing::Values(BoxText{"Buffer is empty", "Buffer is empty."},
                                           BoxText{"3:System Not Locked!", "3:System Not Locked!"},
                                           BoxText{"already.", "already."},
                                           BoxText{"dash-", "dash-"}, BoxText{"slash/", "slash/."},
                                           BoxText{"number 7", "number 7."},
                                           BoxText{"(paren)", "(paren)"}, BoxText{"", ""}),
                         paramname::from([](const BoxText& c) { return c.raised; }));

TEST_F(ErrorBox, FailureInAnEventHandlerIsShownAndTheLoopGoesOn) {
    Failing target;
    target.onEvent = [] { throw AppError(2007, QStringLiteral("ie_NOpen - device not open")); };
    deliver(target);
    deliver(target);
    EXPECT_EQ(testsupport::errorBoxes(),
              QStringList({QStringLiteral("ie_NOpen - device not open."),
                           QStringLiteral("ie_NOpen - device not open.")}));
}

TEST_F(ErrorBox, OtherExceptionsShowTheirOwnText) {
    Failing target;
    target.onEvent = [] { throw std::runtime_error("disk on fire"); };
    deliver(target);
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("disk on fire.")});
}

TEST_F(ErrorBox, RunReportingFailureTellsWhetherTheStepFailed) {
    EXPECT_TRUE(runReportingFailure([] {}));
    EXPECT_FALSE(
        runReportingFailure([] { throw AppError(5003, QStringLiteral("Bad trigger handle")); }));
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("Bad trigger handle.")});
}

TEST_F(ErrorBox, FailureRaisedWhileABoxIsOpenIsNotStacked) {
    Failing repeating;
    repeating.onEvent = [] { throw AppError(2007, QStringLiteral("ie_NOpen - device not open")); };
    QStringList shown;
    app().errorSink = [&](const QString& text) {
        shown.append(text);
        EXPECT_TRUE(app().errorBoxOpen());
        deliver(repeating);  // the timer fires again while the first box waits for the user
        deliver(repeating);
    };
    deliver(repeating);
    EXPECT_EQ(shown, QStringList{QStringLiteral("ie_NOpen - device not open.")});
    EXPECT_FALSE(app().errorBoxOpen());
    deliver(repeating);  // once the box is closed the next failure is shown again
    EXPECT_EQ(shown.size(), 2);
}

QList<QMessageBox*> openBoxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) boxes.append(box);
    }
    return boxes;
}

TEST_F(ErrorBox, TheRealBoxIsCriticalCaptionedWithTheTitleAndNeverStacked) {
    app().errorSink = nullptr;
    Failing repeating;
    repeating.onEvent = [] {
        throw AppError(3006, QStringLiteral("Output buffer too small for block"));
    };
    int boxesWhileOpen = -1;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        deliver(repeating);
        deliver(repeating);
        const QList<QMessageBox*> boxes = openBoxes();
        boxesWhileOpen = static_cast<int>(boxes.size());
        if (!boxes.isEmpty()) {
            caption = boxes.first()->windowTitle();
            text = boxes.first()->text();
            icon = boxes.first()->icon();
        }
        for (QMessageBox* box : boxes) box->accept();
    });
    EXPECT_FALSE(runReportingFailure([] {
        throw AppError(2001, QStringLiteral("ie_BadId - Specified comport doesn't exist"));
    }));
    EXPECT_EQ(boxesWhileOpen, 1);
    EXPECT_EQ(caption, QStringLiteral("Quenlar: Extended Protocol Analyser"));
    EXPECT_EQ(text, QStringLiteral("ie_BadId - Specified comport doesn't exist."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_FALSE(app().errorBoxOpen());
}

TEST(HintDelay, IsTheToolTipWakeUpDelay) {
    const int before = app().HintDelay;
    app().HintDelay = 50;
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 50);
    app().HintDelay = before;
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), before);
}

TEST(KeyPreview, SeesEveryKeyOnceBeforeTheFocusedControlWhichStillGetsIt) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    QWidget other;
    QList<int> previewed;
    QString textWhenPreviewed;
    app().addKeyPreview(&window, [&](const QKeyEvent& key) {
        previewed.append(key.key());
        textWhenPreviewed = edit->text();
    });
    QTest::keyClick(edit, Qt::Key_Q);
    QTest::keyClick(&window, Qt::Key_Control);
    QTest::keyClick(&other, Qt::Key_Z);
    EXPECT_EQ(previewed, QList<int>({Qt::Key_Q, Qt::Key_Control}));
    EXPECT_EQ(edit->text(), QStringLiteral("q"));
    QTest::keyClick(edit, Qt::Key_W);
    EXPECT_EQ(textWhenPreviewed, QStringLiteral("q"));  // before the control took the W
}

TEST(KeyPreview, EndsWithItsWindow) {
    int previewed = 0;
    {
        QWidget window;
        app().addKeyPreview(&window, [&](const QKeyEvent&) { ++previewed; });
        QTest::keyClick(&window, Qt::Key_A);
    }
    QWidget later;
    QTest::keyClick(&later, Qt::Key_A);
    EXPECT_EQ(previewed, 1);
}

}  // namespace
