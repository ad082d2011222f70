// Reply supervision on the command trace: a short command that got no reply before the next
// one leaves a "no reply" line quoting the frame received last.
#include "tests/window/control_fixture.h"

#include "trace/tracetext.h"

#include <QFrame>
#include <QLabel>
#include <QRegularExpression>

namespace {

class NoReply : public ::testing::Test {
  protected:
    void SetUp() override { rig.w.tcmd(); }
    // The command trace's lines so far (the file is complete once it is closed).
    QStringList traceLines() {
        rig.w.Traces.file.close();
        QFile file(rig.path(tracetext::commandTraceFile()));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    static QStringList noReplyLines(const QStringList& lines) {
        return lines.filter(QStringLiteral("no reply"));
    }
    // Time stamp, two blanks, the Position caption, "  no reply " and the quoted frame text.
    static QRegularExpression noReplyLine(const QString& position, const QString& quoted) {
        return QRegularExpression(
            QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d  ") +
            QRegularExpression::escape(position + QStringLiteral("  no reply ") + quoted) +
            QStringLiteral("$"));
    }
    ControlRig rig;
};

TEST_F(NoReply, SecondUnansweredCommandIsPrecededByANoReplyLineQuotingTheFirst) {
    rig.receive(bytes("200121"));  // Play
    rig.receive(bytes("200020"));  // Stop
    const QStringList lines = traceLines();
    ASSERT_EQ(lines.size(), 4) << lines.join(QLatin1Char('\n')).toStdString();
    const QString playLine = lines[1];
    EXPECT_TRUE(playLine.endsWith(QStringLiteral("20 01 21 ")));
    EXPECT_TRUE(noReplyLine(rig.w.Position->text(), playLine).match(lines[2]).hasMatch())
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("20 00 20 ")))
        << "then the second command's own line";
}

TEST_F(NoReply, AnAckDoesNotCountAsAReplyAndIsTheQuotedFrame) {
    rig.receive(bytes("200121"));
    rig.receive(bytes("100111"));  // Ack
    rig.receive(bytes("200020"));
    const QStringList lines = noReplyLines(traceLines());
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(
        noReplyLine(rig.w.Position->text(), QStringLiteral("10 01 11 ")).match(lines[0]).hasMatch())
        << lines[0].toStdString();
}

TEST_F(NoReply, MasterPositionTallyCountsAsAReply) {
    rig.receive(bytes("200121"));
    rig.receive(bytes("19A0800100000000000000") + char(0x3A));
    rig.receive(bytes("200020"));
    EXPECT_EQ(noReplyLines(traceLines()), QStringList());
}

TEST_F(NoReply, TheMonitoredMachinesTallyCountsAsAReplyAndAnotherMachinesDoesNot) {
    rig.receive(bytes("200121"));
    rig.receive(bytes("1AA081030000000000000000") + char(0x3E));  // machine C
    rig.receive(bytes("200020"));
    rig.receive(bytes("1AA081010000000000000000") + char(0x3C));  // machine A, monitored
    rig.receive(bytes("200121"));
    EXPECT_EQ(noReplyLines(traceLines()).size(), 1);
}

TEST_F(NoReply, WithTheCommandTraceOffNothingIsWritten) {
    qputenv("QUENLAR_OPEN", "true");  // switching the trace off opens it in a viewer
    rig.w.tcmd();
    rig.receive(bytes("200121"));
    rig.receive(bytes("200020"));
    EXPECT_TRUE(rig.w.Parsed.previousHex.contains(QStringLiteral("no reply 20 01 21 ")))
        << "the line is built, but only the trace would keep it";
    EXPECT_EQ(noReplyLines(traceLines()), QStringList());
}

}  // namespace
