// Bytes arriving on the line through the serial component into the main window's receive
// ring: framing, dropped bytes, the error count, the trace-all lines of dropped bytes and the
// Clear button.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "link/StringGrid.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/analysertest.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

class ReceiveLine : public AnalyserTest {
  protected:
    void feed(const QByteArray& bytes) { feedAndWait(*w->serial, *line, bytes); }
    // Rows of grid1 in use, by their CMD2 column.
    QStringList grid1Kinds() const {
        QStringList kinds;
        for (int r = 1; r < w->grid1->RowCount() && !w->grid1->cell(1, r).isEmpty(); ++r) {
            kinds << w->grid1->cell(3, r) + QLatin1Char('x') + w->grid1->cell(0, r);
        }
        return kinds;
    }
    int unread() const { return (w->Rx.head - w->Rx.tail) & 0x1F; }
    QByteArray traceAll() const {
        QFile f(w->AppDir + QStringLiteral("temp/traceall.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void keyCtrl(Qt::Key key) { QTest::keyClick(w.get(), key, Qt::ControlModifier); }
};

TEST_F(ReceiveLine, SplitFrameIsDispatchedWhenItsLastByteArrives) {
    feed(hex("2001"));
    EXPECT_EQ(w->grid1->cell(1, 1), QString());
    feed(hex("21"));
    EXPECT_EQ(grid1Kinds(), QStringList{QStringLiteral("01x1")});
}

TEST_F(ReceiveLine, FramesOfOneEventAreDispatchedInArrivalOrder) {
    feed(
        hex("200020"
            "200121"
            "200222"));
    EXPECT_EQ(grid1Kinds(), (QStringList{QStringLiteral("00x1"), QStringLiteral("01x1"),
                                         QStringLiteral("02x1")}));
}

TEST_F(ReceiveLine, FrameWrappingTheRingEndIsDispatched) {
    feed(hex("200020").repeated(10));  // the ring's indices now stand at 30
    ASSERT_EQ(w->Rx.tail, 30);
    feed(hex("24310000000156"));
    EXPECT_EQ(w->Rx.tail, 5);
    EXPECT_EQ(w->grid1->cell(3, 2), QStringLiteral("31"));
    EXPECT_EQ(w->grid1->cell(7, 2), QStringLiteral("01"));
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("0"));
}

TEST_F(ReceiveLine, EighteenByteFrameIsDispatchedOnceAllEighteenBytesArrive) {
    const QByteArray longCommand = hex("0F11000102030405060708090A0B0C0D0E89");
    ASSERT_EQ(longCommand.size(), 18);
    feed(longCommand.left(17));
    EXPECT_EQ(w->grid2->cell(1, 2), QString());
    feed(longCommand.right(1));
    EXPECT_EQ(w->grid2->cell(3, 2), QStringLiteral("11"));
    EXPECT_EQ(w->grid2->cell(18, 2), QStringLiteral("0E"));
}

TEST_F(ReceiveLine, ThirtyBytesInOneEventAreRead) {
    feed(hex("200121").repeated(10));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("10"));
}

TEST_F(ReceiveLine, DroppedZeroBytesAreNotCountedAndTheFrameBehindThemIsCut) {
    feed(hex("00200F2F"));
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("0"));
    EXPECT_EQ(w->grid1->cell(3, 1), QStringLiteral("0F"));
}

TEST_F(ReceiveLine, LongLengthNibbleHoldsTheRestBackAndIsCountedWhenDropped) {
    feed(hex("05200F2F"));
    EXPECT_EQ(w->grid1->cell(1, 1), QString());
    feed(hex("200F2F"));
    EXPECT_EQ(w->grid1->cell(1, 1), QString());
    feed(hex("20"));  // the eighth byte: 05 is judged and dropped
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("1"));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("2"));
    EXPECT_EQ(w->Rx.errorCount, 1);
}

TEST_F(ReceiveLine, EveryNonZeroByteOfADamagedFrameCountsOnce) {
    feed(
        hex("612022A4"
            "200121"
            "200121"));
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("4"));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("2"));
}

TEST_F(ReceiveLine, TraceAllShowsDroppedBytesAsTwoDigitLines) {
    keyCtrl(Qt::Key_A);
    ASSERT_FALSE(w->ledta->isHidden());
    feed(
        hex("200121"
            "3F"
            "200121200121200121200121200121"));
    feed(hex("5A0001"));  // 5A announces 13 bytes: dropped once they are there
    feed(hex("200121200121200121200121"));
    keyCtrl(Qt::Key_A);
    EXPECT_EQ(traceAll(), QByteArray("20 01 21 \r\n"
                                     "3F\r\n"
                                     "20 01 21 \r\n20 01 21 \r\n20 01 21 \r\n20 01 21 \r\n"
                                     "20 01 21 \r\n"
                                     "5A\r\n"
                                     "00\r\n"
                                     "01\r\n"
                                     "20 01 21 \r\n20 01 21 \r\n20 01 21 \r\n20 01 21 \r\n"));
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("3"));
}

TEST_F(ReceiveLine, ClearButtonEmptiesTheRingIntoTheTraceWithoutCounting) {
    feed(hex("05"));
    feed(hex("200121"));  // five unread bytes behind a frame start that wants eight
    keyCtrl(Qt::Key_A);
    feed(hex("0A"));
    ASSERT_EQ(unread(), 5);
    QTest::mouseClick(w->clearkey, Qt::LeftButton);
    EXPECT_EQ(unread(), 0);
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("0"));
    keyCtrl(Qt::Key_A);
    EXPECT_EQ(traceAll(), QByteArray("05\r\n20\r\n01\r\n21\r\n0A\r\n"));
}

TEST_F(ReceiveLine, OverrunDropsTheOldestUnreadBytesAndKeepsTheNewOnes) {
    keyCtrl(Qt::Key_A);
    const QByteArray partial = hex("0F11000102030405060708090A0B0C0D30");
    feed(partial);
    ASSERT_EQ(unread(), 17);
    feed(hex("200121").repeated(10));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("10"));
    EXPECT_EQ(unread(), 0);
    // 0F 11 and 01..0D and 30 are counted; the dropped 00 is not.
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("16"));
    keyCtrl(Qt::Key_A);
    QByteArray expected;
    for (const char b : partial) expected += QByteArray(1, b).toHex().toUpper() + "\r\n";
    expected += QByteArray("20 01 21 \r\n").repeated(10);
    EXPECT_EQ(traceAll(), expected);
}

TEST_F(ReceiveLine, ByteByByteAndRandomSplitsGiveTheSameGrids) {
    const QByteArray stream =
        hex("200121"
            "612022A3"
            "1AA0810100000000000000003C"
            "24310000000156"
            "0F11000102030405060708090A0B0C0D0E89"
            "200020");
    for (const char b : stream) feed(QByteArray(1, b));
    const QStringList oneByOne = grid1Kinds();
    const QString longRow = w->grid2->cell(18, 2);
    keyCtrl(Qt::Key_L);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> split(1, 13);
    for (qsizetype i = 0; i < stream.size();) {
        const int n = split(rng);
        feed(stream.mid(i, n));
        i += n;
    }
    EXPECT_EQ(grid1Kinds(), oneByOne);
    EXPECT_EQ(oneByOne, (QStringList{QStringLiteral("01x1"), QStringLiteral("20x1"),
                                     QStringLiteral("31x1"), QStringLiteral("00x1")}));
    EXPECT_EQ(w->grid2->cell(18, 2), longRow);
    EXPECT_EQ(longRow, QStringLiteral("0E"));
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("0"));
}

}  // namespace
