// The main window's behaviour as the user first sees it: caption, stacking, long texts shrinking
// to fit, hint delay, grids that show every row. Where each component stands and how it looks
// is the golden file tests/data/layout/mainwindow.txt (tests/window/golden_corpus.cpp).
#include "app/Application.h"
#include "app/FitLabel.h"
#include "link/StringGrid.h"
#include "tests/support/paramname.h"
#include "tests/window/mainwindow_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

using Layout = MainWindowTest;

TEST_F(Layout, CaptionIsTheProgramAndItsVersionAlone) {
    start();
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("Quenlar : Extended Protocol Analyser : Version 2.20"));
    // Qt would add its display name to every caption.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

TEST_F(Layout, MembersAreTheNamedComponents) {
    start();
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("MonMcn")), w->MonMcnLabel);
    EXPECT_EQ(w->findChild<StringGrid*>(QStringLiteral("grid1")), w->grid1);
    EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("Button1")), w->Button1);
    EXPECT_EQ(w->findChild<QObject*>(QStringLiteral("serial")), static_cast<QObject*>(w->serial));
    EXPECT_EQ(w->findChild<QObject*>(QStringLiteral("Timer1")), static_cast<QObject*>(w->Timer1));
    EXPECT_EQ(w->objectName(), QStringLiteral("zr8f"));
}

TEST_F(Layout, ButtonBarLiesOverTheTopOfTheStatusPanels) {
    start();
    const QList<QObject*> order = w->children();
    EXPECT_GT(order.indexOf(w->Buttons), order.indexOf(w->MachineStatusInfo));
    EXPECT_GT(order.indexOf(w->Buttons), order.indexOf(w->SystemStatusInfo));
}

class LongText : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LongText, IsDrawnSmallEnoughToShowWhole) {
    start();
    for (QLabel* label : {w->command, w->ErrorMsg}) {
        auto* fitting = qobject_cast<FitLabel*>(label);
        ASSERT_NE(fitting, nullptr) << label->objectName().toStdString();
        label->setText(QString::fromLatin1(GetParam()));
        QFont shown = label->font();
        shown.setPixelSize(fitting->shownPixelSize());
        EXPECT_LE(QFontMetrics(shown).horizontalAdvance(label->text()),
                  label->contentsRect().width() - 2 * label->indent())
            << label->objectName().toStdString();
        EXPECT_GE(fitting->shownPixelSize(), 12);
        EXPECT_EQ(label->font().pixelSize(), 19);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, LongText,
                         ::testing::Values("14: Analogue and Video Enable!",
                                           "11:TC Jump or Pre-Roll!", "M4Byte+MacroBit*3+M8Byte"),
                         paramname::ByValue());

TEST_F(Layout, ShortTextsKeepTheLargeFont) {
    start();
    w->ErrorMsg->setText(QStringLiteral("4: Key Lock On!"));
    EXPECT_EQ(qobject_cast<FitLabel*>(w->ErrorMsg)->shownPixelSize(), 19);
}

TEST_F(Layout, HintsComeUpAfterFiftyMilliseconds) {
    Application::instance()->HintDelay = Application::DefaultHintDelay;
    start();
    EXPECT_EQ(Application::instance()->HintDelay, 50);
    EXPECT_EQ(w->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, w->Traceall), 50);
}

TEST_F(Layout, StatusGridsShowEveryRowWithoutScrolling) {
    start();
    for (const StringGrid* g : {w->statgrid, w->SysStatSGrid, w->Grid4}) {
        EXPECT_GE(g->height(), g->RowCount() * 16) << g->objectName().toStdString();
        EXPECT_LE(g->geometry().bottom(), g->parentWidget()->height())
            << g->objectName().toStdString();
    }
}

}  // namespace
