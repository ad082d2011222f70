// Frames from the line into the raw-traffic grids: layout and resets, row choice, counts,
// shown bytes, the per-machine counts of Grid4, the reply wait, and Ctrl+L.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "link/StringGrid.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/analysertest.h"
#include "tests/support/paramname.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <memory>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// The frame with its checksum appended.
QByteArray framed(const QByteArray& body) {
    const QByteArray b = hex(body);
    return frame::complete(std::span(reinterpret_cast<const std::uint8_t*>(b.constData()),
                                     static_cast<std::size_t>(b.size())));
}

class Window : public AnalyserTest {
  protected:
    void feed(const QByteArray& bytes) {
        for (qsizetype i = 0; i < bytes.size(); i += 30)
            feedAndWait(*w->serial, *line, bytes.mid(i, 30));
    }
    QStringList row(const StringGrid& g, int r) const {
        QStringList cells;
        for (int c = 0; c < g.ColCount(); ++c) cells << g.cell(c, r);
        return cells;
    }
};

// ---- Layout and reset ------------------------------------------------------------------------

struct HeaderCase {
    const char* grid;
    int col;
    const char* header;
    int width;
};

class GridHeaders : public Window, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(GridHeaders, HeaderAndWidthAreAsTheGridIsDrawn) {
    const HeaderCase& c = GetParam();
    const auto* g = w->findChild<StringGrid*>(QLatin1String(c.grid));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->cell(c.col, 0), QLatin1String(c.header));
    EXPECT_EQ(g->colWidth(c.col), c.width);
}

INSTANTIATE_TEST_SUITE_P(
    Raw, GridHeaders,
    ::testing::Values(HeaderCase{"grid1", 0, "Ct", 16}, HeaderCase{"grid1", 1, "C", 13},
                      HeaderCase{"grid1", 2, "1", 12}, HeaderCase{"grid1", 3, "C2", 20},
                      HeaderCase{"grid1", 4, "00", 20}, HeaderCase{"grid1", 6, "02", 17},
                      HeaderCase{"grid1", 9, "05", 20}, HeaderCase{"grid1", 10, "Command", 93},
                      HeaderCase{"grid2", 3, "C2", 20}, HeaderCase{"grid2", 4, "00", 20},
                      HeaderCase{"grid2", 18, "0E", 20},
                      HeaderCase{"grid2", 19, "Long Cmd/Tally", 93},
                      HeaderCase{"mcngrid", 0, "Ct", 16}, HeaderCase{"mcngrid", 13, "09", 20},
                      HeaderCase{"mcngrid", 19, "Machine Tally", 93},
                      HeaderCase{"Grid4", 0, "Port", 31}, HeaderCase{"Grid4", 1, "S", 23},
                      HeaderCase{"Grid4", 2, "O", 24}, HeaderCase{"Grid4", 3, "D", 24}),
    paramname::from([](const HeaderCase& c) { return paramname::join(c.grid, "Col", c.col); }));

TEST_F(Window, GridsHaveTheirSizesHintsAndOnlyGrid4ShowsItsHint) {
    EXPECT_EQ(w->grid1->ColCount(), 11);
    EXPECT_EQ(w->grid1->RowCount(), 24);
    EXPECT_EQ(w->grid2->ColCount(), 20);
    EXPECT_EQ(w->grid2->RowCount(), 10);
    EXPECT_EQ(w->mcngrid->RowCount(), 8);
    EXPECT_EQ(w->Grid4->RowCount(), 8);
    EXPECT_EQ(w->grid1->Hint(), QStringLiteral("Short Comands"));
    EXPECT_EQ(w->grid2->Hint(), QStringLiteral("Long Commands or Long Status Replies"));
    EXPECT_EQ(w->mcngrid->Hint(), QStringLiteral("Long Commands or Long Status Replies"));
    EXPECT_EQ(w->Grid4->Hint(), QStringLiteral("Right Click to select machine to display"));
    EXPECT_EQ(w->grid1->toolTip(), QString());
    EXPECT_EQ(w->grid2->toolTip(), QString());
    EXPECT_EQ(w->mcngrid->toolTip(), QString());
    EXPECT_EQ(w->Grid4->toolTip(), QStringLiteral("Right Click to select machine to display"));
    EXPECT_EQ(w->Grid4->FixedCols(), 0);
    EXPECT_EQ(w->grid1->FixedCols(), 1);
}

TEST_F(Window, ResetGridsHoldPresetsAndZeroCounts) {
    EXPECT_EQ(row(*w->grid2, 1).mid(0, 5), (QStringList{"0", "1", "X", "A0", "80"}));
    EXPECT_EQ(w->grid2->cell(19, 1), QStringLiteral("Master Position"));
    const QStringList names{"Mcn Status", "Mcn Offset", "Mcn Details", "Ready Data", "Record Data"};
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(row(*w->mcngrid, r).mid(0, 5),
                  (QStringList{"0", "1", "X", "A0", QStringLiteral("8%1").arg(r)}));
        EXPECT_EQ(w->mcngrid->cell(19, r), names[r - 1]);
    }
    EXPECT_EQ(row(*w->mcngrid, 6), (QStringList{"0"} << QStringList(19, QString())));
    EXPECT_EQ(row(*w->grid1, 23), (QStringList{"0"} << QStringList(10, QString())));
    const QStringList ports{"A", "B", "C", "D", "E", "F", "Gen"};
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(row(*w->Grid4, r), (QStringList{ports[r - 1], "0", "0", "0"}));
    EXPECT_EQ(w->Grid4->Row(), 1);
}

TEST_F(Window, TablesNeverResetAreResetByTheFirstFrameAndCountIt) {
    keys.reset();
    control.reset();
    w.reset();
    line->failOpenWith = ENOENT;  // start-up stops before its reset
    open();
    ASSERT_EQ(w->grid1->cell(0, 0), QString());
    w->Rx.frame = {0x20, 0x01, 0x21};
    w->Rx.length = 3;
    w->parseinput();
    EXPECT_EQ(w->grid1->cell(0, 0), QStringLiteral("Ct"));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(w->grid1->cell(0, 2), QStringLiteral("0"));
    EXPECT_EQ(w->grid2->cell(19, 1), QStringLiteral("Master Position"));
    EXPECT_EQ(w->MonMcn, 1);
}

TEST_F(Window, FirstFrameIntoNeverResetTablesLeavesThePresetsIntact) {
    keys.reset();
    control.reset();
    w.reset();
    line->failOpenWith = ENOENT;
    open();
    const QByteArray longCommand = framed("071101020304050607");
    std::copy(longCommand.begin(), longCommand.end(), w->Rx.frame.begin());
    w->Rx.length = static_cast<int>(longCommand.size());
    w->parseinput();
    EXPECT_EQ(row(*w->grid2, 1).mid(0, 5), (QStringList{"0", "1", "X", "A0", "80"}));
    EXPECT_EQ(w->grid2->cell(19, 1), QStringLiteral("Master Position"));
    EXPECT_EQ(row(*w->grid2, 2).mid(0, 5), (QStringList{"1", "0", "7", "11", "01"}));
}

// ---- Rows and counts -------------------------------------------------------------------------

TEST_F(Window, TenPlayFramesGiveOneRowCountingTen) {
    feed(hex("200121").repeated(10));
    EXPECT_EQ(row(*w->grid1, 1),
              (QStringList{"10", "2", "0", "01", "", "", "", "", "", "", "Play           "}));
    EXPECT_EQ(w->grid1->cell(1, 2), QString());
}

TEST_F(Window, CountsRunModuloAHundred) {
    feed(hex("200121").repeated(99));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("99"));
    feed(hex("200121"));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("0"));
    feed(hex("200121"));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("1"));
}

TEST_F(Window, TheTwentyFourthKindOverwritesTheLastRowAndContinuesItsCount) {
    QByteArray kinds;
    for (char k = 0; k < 23; ++k) kinds += QByteArray{"\x20"} + k + char(0x20 + k);
    feed(kinds);
    EXPECT_EQ(w->grid1->cell(3, 23), QStringLiteral("16"));
    EXPECT_EQ(w->grid1->cell(0, 23), QStringLiteral("1"));
    feed(framed("2017"));
    EXPECT_EQ(w->grid1->cell(3, 23), QStringLiteral("17"));
    EXPECT_EQ(w->grid1->cell(0, 23), QStringLiteral("2"));
    feed(framed("2016"));  // its row is gone: it overwrites the last row again
    EXPECT_EQ(w->grid1->cell(3, 23), QStringLiteral("16"));
    EXPECT_EQ(w->grid1->cell(0, 23), QStringLiteral("3"));
    EXPECT_EQ(w->grid1->cell(3, 22), QStringLiteral("15"));
}

TEST_F(Window, ExtendedCommandsAreToldApartByTheirOwnKeyByte) {
    feed(framed("02A08901"));    // row 1: Sony command 01 for the current machine
    feed(framed("02A08902"));    // row 2: another Sony command
    feed(framed("03A08B0100"));  // row 3: key command 00 to machine 1
    feed(framed("03A08B0200"));  // the same key command to machine 2: row 3 again
    feed(framed("02A08501"));    // row 4: kind 85
    feed(framed("02A08901"));    // row 1 again
    EXPECT_EQ(row(*w->grid1, 1).mid(0, 6), (QStringList{"2", "0", "2", "A0", "89", "01"}));
    EXPECT_EQ(w->grid1->cell(5, 2), QStringLiteral("02"));
    EXPECT_EQ(row(*w->grid1, 3).mid(0, 7), (QStringList{"2", "0", "3", "A0", "8B", "02", "00"}));
    EXPECT_EQ(row(*w->grid1, 4).mid(0, 5), (QStringList{"1", "0", "2", "A0", "85"}));
    EXPECT_EQ(w->grid1->cell(1, 5), QString());
}

TEST_F(Window, StatusSenseShiftsTheBytesOfTheMasterPositionRow) {
    feed(framed("612022"));        // status sense from byte 2
    feed(framed("14A080000100"));  // master position tally
    EXPECT_EQ(row(*w->grid2, 1).mid(0, 9),
              (QStringList{"1", "1", "4", "A0", "80", "", "80", "00", "01"}));
    EXPECT_EQ(w->grid2->cell(9, 1), QStringLiteral("00"));
}

TEST_F(Window, ShiftedBytesPastTheLastDataColumnAreNotShown) {
    feed(framed("6120F0"));  // start 15
    feed(framed("1FA080000102030405060708090A0B0C0D"));
    EXPECT_EQ(w->grid2->cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(row(*w->grid2, 1).mid(4, 15), (QStringList{"80"} << QStringList(14, QString())));
    EXPECT_NE(w->grid2->cell(19, 1), QStringLiteral("80"));
}

TEST_F(Window, LongCommandGoesToGrid2AndNamesTheCommandLabel) {
    feed(framed("071101020304050607"));
    EXPECT_EQ(row(*w->grid2, 2).mid(0, 11),
              (QStringList{"1", "0", "7", "11", "01", "02", "03", "04", "05", "06", "07"}));
    EXPECT_EQ(w->command->text(), w->grid2->cell(19, 2));
}

// ---- Machine replies -------------------------------------------------------------------------

TEST_F(Window, ReplyForAnotherMachineCountsOnlyInGrid4AndKeepsTheReplyWait) {
    feed(hex("200121"));
    ASSERT_TRUE(w->AwaitReply);
    const QStringList before = row(*w->mcngrid, 1);
    feed(framed("1AA0810300000000000000"));
    EXPECT_EQ(row(*w->Grid4, 3), (QStringList{"C", "1", "0", "0"}));
    EXPECT_EQ(row(*w->mcngrid, 1), before);
    EXPECT_TRUE(w->AwaitReply);
}

TEST_F(Window, ReplyForTheMonitoredMachineFillsItsRowAndEndsTheWait) {
    feed(hex("200121"));
    feed(framed("1AA0810100000000000000"));
    feed(framed("1AA0820100000000000000"));
    feed(framed("1AA0810100000000000000"));
    EXPECT_EQ(row(*w->Grid4, 1), (QStringList{"A", "2", "1", "0"}));
    EXPECT_EQ(row(*w->mcngrid, 1).mid(0, 6), (QStringList{"2", "1", "A", "A0", "81", "01"}));
    EXPECT_EQ(w->mcngrid->cell(0, 2), QStringLiteral("1"));
    EXPECT_FALSE(w->AwaitReply);
}

TEST_F(Window, RepliesOfKinds86And87TakeTheFreeRows) {
    feed(framed("13A0870100"));
    feed(framed("13A0860100"));
    EXPECT_EQ(w->mcngrid->cell(4, 6), QStringLiteral("87"));
    EXPECT_EQ(w->mcngrid->cell(4, 7), QStringLiteral("86"));
    EXPECT_EQ(row(*w->Grid4, 1), (QStringList{"A", "0", "0", "0"}));
}

TEST_F(Window, ShownBytesOfALongMessageMarkAChangeOnlyWhenTheyChange) {
    feed(framed("071101020304050607"));
    EXPECT_TRUE(w->Parsed.traceDue);
    w->Parsed.traceDue = false;
    feed(framed("071101020304050607"));
    EXPECT_FALSE(w->Parsed.traceDue);
    feed(framed("0711010203040506FF"));
    EXPECT_TRUE(w->Parsed.traceDue);
}

// ---- Sony replies and the reply wait ---------------------------------------------------------

TEST_F(Window, EditPresetTallyFillsTheReadyRowWithTheBytesItCarries) {
    feed(framed("743001020304"));
    EXPECT_EQ(w->edpreset->cell(4, 2), w->bin2str(0x04));
    feed(framed("713035"));
    EXPECT_EQ(w->edpreset->cell(1, 2), QStringLiteral("1010 1100"));
    EXPECT_EQ(w->edpreset->cell(2, 2), QString());
    EXPECT_EQ(w->edpreset->cell(3, 2), QString());
    EXPECT_EQ(w->edpreset->cell(4, 2), QString());
    EXPECT_EQ(w->grid1->cell(1, 1), QString());
    EXPECT_EQ(w->grid2->cell(1, 2), QString());
}

TEST_F(Window, AnAckLeavesTheReplyWaitSet) {
    feed(hex("200121"));
    feed(hex("100111"));
    EXPECT_TRUE(w->AwaitReply);
    EXPECT_EQ(w->grid1->cell(1, 2), QString());
    EXPECT_EQ(w->grid2->cell(1, 2), QString());
}

TEST_F(Window, AMasterPositionTallyEndsTheReplyWait) {
    feed(hex("200121"));
    feed(framed("13A0800001"));
    EXPECT_FALSE(w->AwaitReply);
}

// ---- Resets ----------------------------------------------------------------------------------

TEST_F(Window, CtrlLResetsTheGridsButKeepsTheRingAndTheErrorCount) {
    feed(hex("05200F2F200F2F61"));  // one counted drop, two frames, a status sense begins
    feed(hex("20"));
    ASSERT_EQ(w->aciaerr->text(), QStringLiteral("1"));
    ASSERT_EQ(w->grid1->cell(0, 1), QStringLiteral("2"));
    QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(row(*w->grid1, 1), (QStringList{"0"} << QStringList(10, QString())));
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("1"));
    EXPECT_EQ((w->Rx.head - w->Rx.tail) & 0x1F, 2);
    feed(hex("22A3"));  // the status sense completes from the bytes the ring kept
    EXPECT_EQ(row(*w->grid1, 1).mid(0, 5), (QStringList{"1", "6", "1", "20", "22"}));
}

TEST_F(Window, ClearMakesMachineATheMonitoredMachine) {
    w->MonMcn = 3;
    w->MonMcnLabel->setText(QStringLiteral("C"));
    QTest::keyClick(w.get(), Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(w->MonMcn, 1);
    EXPECT_EQ(w->MonMcnLabel->text(), QStringLiteral("A"));
    EXPECT_EQ(w->Grid4->Row(), 1);
    feed(framed("1AA0810100000000000000"));
    EXPECT_EQ(w->mcngrid->cell(0, 1), QStringLiteral("1"));
}

}  // namespace
