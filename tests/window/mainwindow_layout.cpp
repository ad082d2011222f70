// The main window as the user first sees it: caption, panels, buttons, LEDs, labels, captions,
// colours, fonts, hints and the grids' form values.
#include "app/Application.h"
#include "app/FitLabel.h"
#include "link/StringGrid.h"
#include "tests/window/mainwindow_fixture.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {

const QColor Lime(0x00, 0xff, 0x00);
const QColor Aqua(0x00, 0xff, 0xff);
const QColor Fuchsia(0xff, 0x00, 0xff);
const QColor Yellow(0xff, 0xff, 0x00);
const QColor Black(Qt::black);
const QColor White(Qt::white);
const QColor Red(Qt::red);
const QColor Grey(0x80, 0x80, 0x80);

using Layout = MainWindowTest;

TEST_F(Layout, CaptionIsTheProgramAndItsVersionAlone) {
    start();
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("Quenlar : Extended Protocol Analyser : Version 2.20"));
    // Qt would add its display name to every caption.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

TEST_F(Layout, WindowIsGrey) {
    start();
    EXPECT_EQ(w->palette().color(QPalette::Window), Grey);
    EXPECT_TRUE(w->autoFillBackground());
}

// ---- Names ------------------------------------------------------------------------------------

class ComponentName : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ComponentName, IsItsObjectNameAndAccessibleDescription) {
    start();
    const QString name = QString::fromLatin1(GetParam());
    const QList<QWidget*> found = w->findChildren<QWidget*>(name);
    ASSERT_EQ(found.size(), 1) << GetParam();
    EXPECT_EQ(found.first()->accessibleDescription(), name);
}

INSTANTIATE_TEST_SUITE_P(
    Components, ComponentName,
    ::testing::Values("Buttons", "MachineStatusInfo", "SystemStatusInfo", "LogiRecTrks", "Misc",
                      "RawComms", "Traceall", "Editall", "Trace", "editcmd", "Parity", "Button1",
                      "Details", "clearkey", "cmds", "Protocol", "Image1", "ledta", "ledt",
                      "ledComms", "ledCmds", "tracecount", "MonMcn", "mcnid", "SonyID", "Mcnpos",
                      "tally", "mcnoff", "mcnsuboff", "RecTrks", "SyncError", "Position", "MastMcn",
                      "CurrMcn", "command", "ErrorMsg", "acia", "aciaerr", "LLastCmd", "Label16",
                      "grid1", "grid2", "mcngrid", "Grid4", "statgrid", "statbitsno",
                      "SysStatSGrid", "edpreset"));

TEST_F(Layout, MembersAreTheNamedComponents) {
    start();
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("MonMcn")), w->MonMcnLabel);
    EXPECT_EQ(w->findChild<StringGrid*>(QStringLiteral("grid1")), w->grid1);
    EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("Button1")), w->Button1);
    EXPECT_EQ(w->findChild<QObject*>(QStringLiteral("serial")), static_cast<QObject*>(w->serial));
    EXPECT_EQ(w->findChild<QObject*>(QStringLiteral("Timer1")), static_cast<QObject*>(w->Timer1));
    EXPECT_EQ(w->objectName(), QStringLiteral("zr8f"));
}

// ---- Panels -----------------------------------------------------------------------------------

struct Placed {
    const char* name;
    QRect rect;
};

class PanelPlace : public MainWindowTest, public ::testing::WithParamInterface<Placed> {};

TEST_P(PanelPlace, IsWhereTheFormPutsIt) {
    start();
    w->DetailsClick();  // the raw-traffic panel has its form height in the details view
    const auto* widget = w->findChild<QWidget*>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), GetParam().rect) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Form, PanelPlace,
    ::testing::Values(Placed{"Buttons", {3, 12, 786, 39}},
                      Placed{"MachineStatusInfo", {3, 46, 503, 274}},
                      Placed{"SystemStatusInfo", {510, 46, 279, 183}},
                      Placed{"LogiRecTrks", {510, 232, 279, 125}},
                      Placed{"Misc", {3, 324, 502, 33}}, Placed{"RawComms", {0, 362, 791, 218}},
                      Placed{"grid2", {2, 33, 490, 102}}, Placed{"mcngrid", {2, 140, 490, 68}},
                      Placed{"grid1", {492, 33, 298, 174}}, Placed{"Image1", {606, 3, 176, 32}}));

TEST_F(Layout, PanelsCarryTheirHeadingsOnSunkenStrips) {
    start();
    const std::pair<QFrame*, const char*> headings[] = {{w->MachineStatusInfo, "Machine Status"},
                                                        {w->SystemStatusInfo, "System Status"},
                                                        {w->LogiRecTrks, "Logical Record Tracks"},
                                                        {w->RawComms, "Raw RS422 Comms"}};
    for (const auto& [panel, text] : headings) {
        const QLabel* heading = nullptr;
        for (const QLabel* l : panel->findChildren<QLabel*>()) {
            if (l->text() == QLatin1String(text)) heading = l;
        }
        ASSERT_NE(heading, nullptr) << text;
        EXPECT_TRUE(heading->font().bold()) << text;
        EXPECT_EQ(heading->font().pixelSize(), 11) << text;
        EXPECT_EQ(heading->frameShadow(), QFrame::Sunken) << text;
        EXPECT_GE(heading->width(), panel->width() / 2) << text;
    }
}

TEST_F(Layout, ButtonBarLiesOverTheTopOfTheStatusPanels) {
    start();
    const QList<QObject*> order = w->children();
    EXPECT_GT(order.indexOf(w->Buttons), order.indexOf(w->MachineStatusInfo));
    EXPECT_GT(order.indexOf(w->Buttons), order.indexOf(w->SystemStatusInfo));
}

// ---- Buttons ----------------------------------------------------------------------------------

struct ButtonFace {
    const char* name;
    const char* caption;
    const char* hint;
};

class ButtonBar : public MainWindowTest, public ::testing::WithParamInterface<ButtonFace> {};

TEST_P(ButtonBar, ShowsItsCaptionAndHint) {
    start();
    const auto* b = w->findChild<QPushButton*>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->parentWidget(), w->Buttons);
    EXPECT_EQ(b->text(), QString::fromLatin1(GetParam().caption));
    EXPECT_EQ(b->toolTip(), QString::fromLatin1(GetParam().hint));
}

INSTANTIATE_TEST_SUITE_P(
    LeftToRight, ButtonBar,
    ::testing::Values(ButtonFace{"Traceall", "TraceAll", "Trace All to \\ZR-8\\Traceall.txt"},
                      ButtonFace{"Editall", "Edit", "Edit TraceAll File"},
                      ButtonFace{"Trace", "TraceC",
                                 "Trace Commands and Status Change to  \\ZR-8\\Trace.txt"},
                      ButtonFace{"editcmd", "Edit", "Edit TraceCmd File"},
                      ButtonFace{"Parity", "Odd", ""}, ButtonFace{"Button1", "Com1", ""},
                      ButtonFace{"Details", "Details", ""},
                      ButtonFace{"clearkey", "Clear", "Reset All  Tables"},
                      ButtonFace{"cmds", "Cmds", "Enable Commands and Status Requests"},
                      ButtonFace{"Protocol", "Protocol", ""}));

TEST_F(Layout, ButtonsStandLeftToRightBeforeTheLogo) {
    start();
    const QPushButton* order[] = {w->Traceall, w->Editall, w->Trace,    w->editcmd, w->Parity,
                                  w->Button1,  w->Details, w->clearkey, w->cmds,    w->Protocol};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_GT(order[i]->x(), order[i - 1]->geometry().right()) << i;
    }
    EXPECT_GT(w->Image1->x(), w->Protocol->geometry().right());
    EXPECT_EQ(w->Image1->pixmap().size(), QSize(176, 32));
}

TEST_F(Layout, PortAndParityHaveSmallCaptionsAbove) {
    start();
    const std::pair<const char*, QPushButton*> captions[] = {{"Parity", w->Parity},
                                                             {"Port", w->Button1}};
    for (const auto& [text, button] : captions) {
        const QLabel* caption = nullptr;
        for (const QLabel* l : w->Buttons->findChildren<QLabel*>()) {
            if (l->text() == QLatin1String(text)) caption = l;
        }
        ASSERT_NE(caption, nullptr) << text;
        EXPECT_LE(caption->geometry().bottom(), button->y()) << text;
        EXPECT_TRUE(caption->geometry().intersects(QRect(button->x(), 0, button->width(), 40)));
        EXPECT_EQ(caption->font().pixelSize(), 9);
        EXPECT_EQ(caption->font().bold(), QLatin1String(text) == QLatin1String("Parity"));
    }
}

// ---- LEDs -------------------------------------------------------------------------------------

class Led : public MainWindowTest,
            public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(Led, IsARedRectangleAboveItsButtonHiddenAtStart) {
    start();
    const auto* led = w->findChild<QFrame*>(QString::fromLatin1(GetParam().first));
    const auto* button = w->findChild<QPushButton*>(QString::fromLatin1(GetParam().second));
    ASSERT_NE(led, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(led->isHidden());
    EXPECT_EQ(led->size(), QSize(48, 8));
    EXPECT_EQ(led->palette().color(QPalette::Window), Red);
    EXPECT_TRUE(led->autoFillBackground());
    EXPECT_LT(led->geometry().bottom(), button->y());
    EXPECT_GE(led->x(), button->x());
    EXPECT_LE(led->geometry().right(), button->geometry().right());
}

INSTANTIATE_TEST_SUITE_P(Above, Led,
                         ::testing::Values(std::pair{"ledta", "Traceall"},
                                           std::pair{"ledt", "Trace"},
                                           std::pair{"ledComms", "Details"},
                                           std::pair{"ledCmds", "cmds"}));

TEST_F(Layout, TraceCountIsAHiddenLimeLabelAboveEditcmd) {
    start();
    EXPECT_TRUE(w->tracecount->isHidden());
    EXPECT_EQ(w->tracecount->size(), QSize(48, 16));
    EXPECT_EQ(w->tracecount->palette().color(QPalette::Window), Lime);
    EXPECT_LE(w->tracecount->geometry().bottom(), w->editcmd->y());
    EXPECT_GE(w->tracecount->x(), w->editcmd->x());
}

// ---- Value labels -----------------------------------------------------------------------------

struct LabelLook {
    const char* name;
    const char* panel;
    const char* afterReset;
    QColor text;
    QColor back;  // invalid: the panel's own
    bool bold;
};

class ValueLabel : public MainWindowTest, public ::testing::WithParamInterface<LabelLook> {};

TEST_P(ValueLabel, ShowsItsResetTextInItsColours) {
    start();
    const LabelLook& look = GetParam();
    const auto* label = w->findChild<QLabel*>(QString::fromLatin1(look.name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget()->objectName(), QString::fromLatin1(look.panel));
    EXPECT_EQ(label->text(), QString::fromLatin1(look.afterReset));
    EXPECT_EQ(label->font().pixelSize(), 19);
    EXPECT_EQ(label->font().bold(), look.bold);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), look.text);
    if (look.back.isValid()) {
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), look.back);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Form, ValueLabel,
    ::testing::Values(
        LabelLook{"MonMcn", "MachineStatusInfo", "A", Black, {}, true},
        LabelLook{"mcnid", "MachineStatusInfo", "", Black, Lime, true},
        LabelLook{"SonyID", "MachineStatusInfo", "$------", Black, Lime, true},
        LabelLook{"Mcnpos", "MachineStatusInfo", "---:---:---:---", Yellow, Black, true},
        LabelLook{"tally", "MachineStatusInfo", "", Black, Aqua, false},
        LabelLook{"mcnoff", "MachineStatusInfo", "---:---:---:---", Yellow, Black, true},
        LabelLook{"mcnsuboff", "MachineStatusInfo", "---", Lime, Black, true},
        LabelLook{"RecTrks", "MachineStatusInfo", "---", White, Black, true},
        LabelLook{"SyncError", "MachineStatusInfo", "---", Fuchsia, Black, true},
        LabelLook{"Position", "SystemStatusInfo", "---:---:---:---", Yellow, Black, true},
        LabelLook{"MastMcn", "SystemStatusInfo", "", Black, Lime, true},
        LabelLook{"CurrMcn", "SystemStatusInfo", "", Black, Lime, true},
        LabelLook{"command", "Misc", "", Black, Yellow, false},
        LabelLook{"ErrorMsg", "Misc", "", Black, {}, true},
        LabelLook{"aciaerr", "RawComms", "0", Black, Grey, true}));

TEST_F(Layout, MonitoredMachineLetterIsASquare) {
    start();
    EXPECT_EQ(w->MonMcnLabel->size(), QSize(24, 24));
}

TEST_F(Layout, ErrorTextIsSunkenInTheButtonColour) {
    start();
    EXPECT_EQ(w->ErrorMsg->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(w->ErrorMsg->palette().color(QPalette::Window),
              QGuiApplication::palette().color(QPalette::Button));
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
                                           "11:TC Jump or Pre-Roll!", "M4Byte+MacroBit*3+M8Byte"));

TEST_F(Layout, ShortTextsKeepTheLargeFont) {
    start();
    w->ErrorMsg->setText(QStringLiteral("4: Key Lock On!"));
    EXPECT_EQ(qobject_cast<FitLabel*>(w->ErrorMsg)->shownPixelSize(), 19);
}

TEST_F(Layout, ErrorCounterSitsBesideItsAciaCaptionAtTheTopRight) {
    start();
    EXPECT_EQ(w->acia->text(), QStringLiteral(" ACIA"));
    EXPECT_EQ(w->acia->parentWidget(), w->RawComms);
    EXPECT_LT(w->acia->geometry().right(), w->aciaerr->x());
    EXPECT_GT(w->acia->x(), w->RawComms->width() / 2);
    EXPECT_LT(w->aciaerr->geometry().bottom(), w->grid1->y());
}

struct SmallCaption {
    const char* panel;
    const char* text;
};

class Caption : public MainWindowTest, public ::testing::WithParamInterface<SmallCaption> {};

TEST_P(Caption, StandsInItsPanelInTheSmallFont) {
    start();
    const auto* panel = w->findChild<QFrame*>(QString::fromLatin1(GetParam().panel));
    ASSERT_NE(panel, nullptr);
    const QLabel* caption = nullptr;
    for (const QLabel* l : panel->findChildren<QLabel*>()) {
        if (l->text() == QLatin1String(GetParam().text)) caption = l;
    }
    ASSERT_NE(caption, nullptr) << GetParam().text;
    EXPECT_EQ(caption->font().pixelSize(), 9);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, Caption,
    ::testing::Values(SmallCaption{"MachineStatusInfo", "Machine ID"},
                      SmallCaption{"MachineStatusInfo", " Sony ID "},
                      SmallCaption{"MachineStatusInfo", "Position"},
                      SmallCaption{"MachineStatusInfo", "Last Tally Received"},
                      SmallCaption{"MachineStatusInfo", "Offset"},
                      SmallCaption{"MachineStatusInfo", "Sub Frm"},
                      SmallCaption{"MachineStatusInfo", "Record Tracks"},
                      SmallCaption{"MachineStatusInfo", "Sync Error"},
                      SmallCaption{"MachineStatusInfo", "Cyclic Tallies"},
                      SmallCaption{"MachineStatusInfo", "Decoded Machine Status"},
                      SmallCaption{"SystemStatusInfo", "Master Position"},
                      SmallCaption{"SystemStatusInfo", "Master Machine"},
                      SmallCaption{"SystemStatusInfo", "Current Selected Machine"},
                      SmallCaption{"SystemStatusInfo", "Decoded System Status"},
                      SmallCaption{"Misc", "Last"}, SmallCaption{"Misc", "Cmd"}));

TEST_F(Layout, LastAndCmdStandInFrontOfTheCommandLabel) {
    start();
    EXPECT_LT(w->LLastCmd->geometry().right(), w->command->x());
    EXPECT_LT(w->Label16->geometry().right(), w->command->x());
    EXPECT_LT(w->command->geometry().right(), w->ErrorMsg->x());
}

// ---- Hints ------------------------------------------------------------------------------------

TEST_F(Layout, OnlyTheMachineGridShowsItsHint) {
    start();
    EXPECT_EQ(w->Grid4->toolTip(), QStringLiteral("Right Click to select machine to display"));
    for (const StringGrid* g : {w->grid1, w->grid2, w->mcngrid, w->edpreset, w->statgrid}) {
        EXPECT_TRUE(g->toolTip().isEmpty()) << g->objectName().toStdString();
    }
    EXPECT_EQ(w->edpreset->Hint(), QStringLiteral("Track Arming commands and status"));
    EXPECT_EQ(w->grid1->Hint(), QStringLiteral("Short Comands"));
}

TEST_F(Layout, HintsComeUpAfterFiftyMilliseconds) {
    Application::instance()->HintDelay = Application::DefaultHintDelay;
    start();
    EXPECT_EQ(Application::instance()->HintDelay, 50);
    EXPECT_EQ(w->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, w->Traceall), 50);
}

// ---- Grids ------------------------------------------------------------------------------------

TEST_F(Layout, StatusGridsHaveTheirFormColumnsAndRows) {
    start();
    EXPECT_EQ(w->statgrid->ColCount(), 5);
    EXPECT_EQ(w->statgrid->RowCount(), 9);
    const int statWidths[] = {20, 80, 80, 80, 82};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(w->statgrid->colWidth(c), statWidths[c]) << c;
    EXPECT_EQ(w->statgrid->rowHeight(0), 16);
    EXPECT_EQ(w->statbitsno->ColCount(), 2);
    EXPECT_EQ(w->statbitsno->width(), 22);
    EXPECT_EQ(w->statbitsno->x(), w->statgrid->geometry().right() + 1);
    EXPECT_EQ(w->SysStatSGrid->ColCount(), 2);
    EXPECT_EQ(w->SysStatSGrid->RowCount(), 8);
    EXPECT_EQ(w->SysStatSGrid->colWidth(0), 22);
    EXPECT_EQ(w->SysStatSGrid->colWidth(1), 97);
}

TEST_F(Layout, StatusGridsShowEveryRowWithoutScrolling) {
    start();
    for (const StringGrid* g : {w->statgrid, w->SysStatSGrid, w->Grid4}) {
        EXPECT_GE(g->height(), g->RowCount() * 16) << g->objectName().toStdString();
        EXPECT_LE(g->geometry().bottom(), g->parentWidget()->height())
            << g->objectName().toStdString();
    }
}

TEST_F(Layout, MachineGridSelectsWholeRowsWithoutAFixedColumn) {
    start();
    EXPECT_EQ(w->Grid4->ColCount(), 4);
    EXPECT_EQ(w->Grid4->RowCount(), 8);
    EXPECT_EQ(w->Grid4->FixedCols(), 0);
    EXPECT_EQ(w->Grid4->selectionBehavior(), QAbstractItemView::SelectRows);
    const int widths[] = {31, 23, 24, 24};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(w->Grid4->colWidth(c), widths[c]) << c;
}

TEST_F(Layout, TrackGridScrollsSideways) {
    start();
    EXPECT_EQ(w->edpreset->ColCount(), 15);
    EXPECT_EQ(w->edpreset->RowCount(), 4);
    EXPECT_EQ(w->edpreset->colWidth(0), 51);
    EXPECT_EQ(w->edpreset->colWidth(7), 68);
    EXPECT_EQ(w->edpreset->verticalHeader()->defaultSectionSize(), 17);
    EXPECT_NE(w->edpreset->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_LE(w->edpreset->geometry().bottom(), w->LogiRecTrks->height());
}

TEST_F(Layout, RawGridsHaveTheirSizesAndScrollBars) {
    start();
    EXPECT_EQ(w->grid1->ColCount(), 11);
    EXPECT_EQ(w->grid1->RowCount(), 24);
    EXPECT_EQ(w->grid2->ColCount(), 20);
    EXPECT_EQ(w->grid2->RowCount(), 10);
    EXPECT_EQ(w->mcngrid->ColCount(), 20);
    EXPECT_EQ(w->mcngrid->RowCount(), 8);
    EXPECT_NE(w->grid1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(w->grid2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

}  // namespace
