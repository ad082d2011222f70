// The two traces as files on disk, switched by their keys and buttons while frames arrive on
// the line: headers, lines and their columns, the line count, the switch rules, and failing
// files.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "link/StringGrid.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/analysertest.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

const QByteArray Header = "    Time      Position    Command/Status   Code";

class Traces : public AnalyserTest {
  protected:
    void feed(const QByteArray& bytes) {
        for (qsizetype i = 0; i < bytes.size(); i += 30)
            feedAndWait(*w->serial, *line, bytes.mid(i, 30));
    }
    void keyCtrl(Qt::Key key) { QTest::keyClick(w.get(), key, Qt::ControlModifier); }
    QString path(const char* name) const { return w->AppDir + QLatin1String(name); }
    QByteArray file(const char* name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The lines of a trace file, each of which must end in CR LF.
    QList<QByteArray> lines(const char* name) const {
        const QByteArray all = file(name);
        QList<QByteArray> out;
        qsizetype start = 0;
        for (qsizetype end; (end = all.indexOf("\r\n", start)) >= 0; start = end + 2) {
            out << all.mid(start, end - start);
        }
        EXPECT_EQ(start, all.size()) << "unterminated last line";
        EXPECT_EQ(all.count('\n'), out.size()) << "a line ends in LF alone";
        return out;
    }
};

// "HH:MM:SS.mmm" then the rest of the line exactly.
void expectStamped(const QByteArray& line, const QByteArray& rest) {
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d$"))
                    .match(QString::fromLatin1(line.left(12)))
                    .hasMatch())
        << line.constData();
    EXPECT_EQ(line.mid(12), rest);
}

TEST_F(Traces, CommandTraceStartsWithItsHeaderAndCountsItsLines) {
    keyCtrl(Qt::Key_T);
    EXPECT_FALSE(w->ledt->isHidden());
    EXPECT_FALSE(w->tracecount->isHidden());
    EXPECT_EQ(w->tracecount->text(), QString());
    feed(hex("200121"));
    EXPECT_EQ(w->tracecount->text(), QStringLiteral("1"));
    keyCtrl(Qt::Key_T);
    EXPECT_TRUE(w->ledt->isHidden());
    EXPECT_TRUE(w->tracecount->isHidden());
    const QList<QByteArray> l = lines("temp/tracecmd.txt");
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0], Header);
}

TEST_F(Traces, PlayLineHasItsFieldsUnderTheHeaderWords) {
    feed(hex("74040000010079"));  // LTC time data: master position 00:01:00:00
    ASSERT_EQ(w->Position->text(), QStringLiteral("00:01:00:00"));
    QTest::mouseClick(w->Trace, Qt::LeftButton);
    feed(hex("200121"));
    QTest::mouseClick(w->Trace, Qt::LeftButton);
    const QList<QByteArray> l = lines("temp/tracecmd.txt");
    ASSERT_EQ(l.size(), 2);
    ASSERT_EQ(l[1].size(), 52);
    expectStamped(l[1], "  00:01:00:00 Play             20 01 21 ");
    EXPECT_EQ(l[1].indexOf("20 01 21"), Header.indexOf("Code"));
    EXPECT_EQ(l[1].indexOf("Play"), Header.indexOf("Command/Status"));
    EXPECT_EQ(l[1].indexOf("00:01"), Header.indexOf("Position"));
}

TEST_F(Traces, LocateIsTracedWithItsTargetTimeAndShownPlainInTheGrid) {
    keyCtrl(Qt::Key_T);
    feed(hex("24310000000156"));
    keyCtrl(Qt::Key_T);
    EXPECT_EQ(w->grid1->cell(10, 1), QStringLiteral("Locate"));
    const QList<QByteArray> l = lines("temp/tracecmd.txt");
    ASSERT_EQ(l.size(), 2);
    expectStamped(l[1], "  ---:---:---:--- Locate 01:00:00:00  24 31 00 00 00 01 56 ");
}

TEST_F(Traces, OnlyLongMessagesWhoseShownBytesChangeAreTraced) {
    keyCtrl(Qt::Key_T);
    const QByteArray a =
        frame::complete(std::vector<std::uint8_t>{0x07, 0x11, 1, 2, 3, 4, 5, 6, 7});
    const QByteArray b =
        frame::complete(std::vector<std::uint8_t>{0x07, 0x11, 1, 2, 3, 4, 5, 6, 8});
    feed(a);
    feed(a);
    feed(b);
    keyCtrl(Qt::Key_T);
    const QList<QByteArray> l = lines("temp/tracecmd.txt");
    ASSERT_EQ(l.size(), 3);
    EXPECT_TRUE(l[1].endsWith("  07 11 01 02 03 04 05 06 07 34 ")) << l[1].constData();
    EXPECT_TRUE(l[2].endsWith("  07 11 01 02 03 04 05 06 08 35 ")) << l[2].constData();
}

TEST_F(Traces, CyclicRequestIsNotTracedButAnAllDataRequestIs) {
    keyCtrl(Qt::Key_T);
    feed(hex("02A0850128"));
    feed(hex("01A007A8"));
    keyCtrl(Qt::Key_T);
    const QList<QByteArray> l = lines("temp/tracecmd.txt");
    ASSERT_EQ(l.size(), 3);
    // The request got no reply before the next command: that line quotes it, untraced.
    EXPECT_TRUE(l[1].endsWith("  no reply 02 A0 85 01 28 ")) << l[1].constData();
    EXPECT_TRUE(l[2].endsWith("  01 A0 07 A8 ")) << l[2].constData();
    EXPECT_EQ(w->tracecount->text(), QStringLiteral("1"));
}

TEST_F(Traces, TraceAllHoldsEveryFrameAsHexWithoutAHeader) {
    keyCtrl(Qt::Key_A);
    EXPECT_FALSE(w->ledta->isHidden());
    feed(
        hex("200121"
            "100111"
            "74000000001084"));
    keyCtrl(Qt::Key_A);
    EXPECT_TRUE(w->ledta->isHidden());
    EXPECT_EQ(file("temp/traceall.txt"),
              QByteArray("20 01 21 \r\n10 01 11 \r\n74 00 00 00 00 10 84 \r\n"));
}

TEST_F(Traces, SwitchingTraceAllOnEndsTheCommandTraceAndKeepsItsCount) {
    keyCtrl(Qt::Key_T);
    feed(hex("200121"));
    keyCtrl(Qt::Key_A);
    EXPECT_TRUE(w->ledt->isHidden());
    EXPECT_FALSE(w->ledta->isHidden());
    EXPECT_FALSE(w->tracecount->isHidden());
    EXPECT_EQ(w->tracecount->text(), QStringLiteral("1"));
    EXPECT_EQ(lines("temp/tracecmd.txt").size(), 2);  // closed and complete
    EXPECT_EQ(file("temp/traceall.txt"), QByteArray());
    feed(hex("200020"));
    keyCtrl(Qt::Key_T);  // and back: the trace-all ends
    EXPECT_TRUE(w->ledta->isHidden());
    EXPECT_FALSE(w->ledt->isHidden());
    EXPECT_EQ(file("temp/traceall.txt"), QByteArray("20 00 20 \r\n"));
    EXPECT_EQ(w->tracecount->text(), QString());
}

TEST_F(Traces, EveryStartEmptiesTheFileItOpens) {
    keyCtrl(Qt::Key_A);
    feed(hex("200121"));
    keyCtrl(Qt::Key_A);
    keyCtrl(Qt::Key_A);
    feed(hex("200020"));
    keyCtrl(Qt::Key_A);
    EXPECT_EQ(file("temp/traceall.txt"), QByteArray("20 00 20 \r\n"));
}

TEST_F(Traces, EndingTheProgramKeepsTheLastLinesOfARunningTrace) {
    keyCtrl(Qt::Key_A);
    feed(hex("200121"));
    const QString traceAll = path("temp/traceall.txt");
    keys.reset();
    control.reset();
    w.reset();
    QFile f(traceAll);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("20 01 21 \r\n"));
}

TEST_F(Traces, AnUnopenableTraceFileGivesOneBoxAndNoTrace) {
    ASSERT_TRUE(QDir(w->AppDir).mkpath(QStringLiteral("temp/traceall.txt")));
    keyCtrl(Qt::Key_A);
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("File access denied.")});
    EXPECT_TRUE(w->ledta->isHidden());
    feed(hex("200121"));
    EXPECT_EQ(w->grid1->cell(0, 1), QStringLiteral("1"));
    EXPECT_EQ(testsupport::errorBoxes().size(), 1);
}

TEST_F(Traces, AnUnopenableCommandTraceLeavesNoLedAndNoCount) {
    ASSERT_TRUE(QDir(w->AppDir).mkpath(QStringLiteral("temp/tracecmd.txt")));
    keyCtrl(Qt::Key_T);
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("File access denied.")});
    EXPECT_TRUE(w->ledt->isHidden());
    EXPECT_TRUE(w->tracecount->isHidden());
    feed(hex("200121"));
    EXPECT_EQ(testsupport::errorBoxes().size(), 1);
}

TEST_F(Traces, AFullDiskGivesOneBoxWhenTheTraceEnds) {
    ASSERT_TRUE(QDir(w->AppDir).mkpath(QStringLiteral("temp")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path("temp/traceall.txt")));
    keyCtrl(Qt::Key_A);
    ASSERT_FALSE(w->ledta->isHidden());
    feed(hex("200121"));
    keyCtrl(Qt::Key_A);
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("Disk full.")});
    EXPECT_TRUE(w->ledta->isHidden());
}

TEST_F(Traces, AFullDiskDuringALongTraceGivesOneBoxAndTheProgramGoesOn) {
    ASSERT_TRUE(QDir(w->AppDir).mkpath(QStringLiteral("temp")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path("temp/traceall.txt")));
    keyCtrl(Qt::Key_A);
    for (int i = 0; i < 100 && !w->ledta->isHidden(); ++i) feed(hex("200121").repeated(10));
    EXPECT_TRUE(w->ledta->isHidden());
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("Disk full.")});
    const QString before = w->grid1->cell(0, 1);
    feed(hex("200121"));
    EXPECT_NE(w->grid1->cell(0, 1), before);
    EXPECT_EQ(testsupport::errorBoxes().size(), 1);
}

TEST(TracesOfAProgramStartedWithoutAPath, GoIntoTheCurrentFolder) {
    qputenv("QUENLAR_OPEN", "true");
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    auto line = std::make_shared<ScriptedLine>();
    {
        Tzr8f w({}, QStringLiteral("quenlar"), scriptedFactory(line));
        QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);
        feedAndWait(*w.serial, *line, QByteArray::fromHex("200121"));
        QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);
    }
    QDir::setCurrent(before);
    QFile f(dir.filePath(QStringLiteral("temp/traceall.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("20 01 21 \r\n"));
}

}  // namespace
