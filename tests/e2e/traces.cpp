// The analyser on the simulated bus, traced from the keyboard: the trace-all holds every frame
// the simulator wrote, in order, and the command trace names what happened.
#include "tests/support/e2e_bus.h"
#include "tests/support/e2e_lines.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <csignal>
#include <functional>
#include <random>

namespace {

using namespace e2e;

class TraceAll : public WholeProgram {
  protected:
    // Trace-all on while the simulator writes `frames` more frames: every frame it wrote is
    // traced, in order, and no byte is dropped.
    // `meanwhile` runs once trace-all is on.
    void expectEveryFrameTraced(const QStringList& simArgs, int frames, qsizetype minLines,
                                const char* whyNoDrops,
                                const std::function<void(Analyser&)>& meanwhile = {}) {
        Simulator& bus = startSimulator(simArgs);
        Analyser& a = startAnalyser(bus);
        ASSERT_TRUE(waitForMoreWritten(bus, 50));
        traceAllOn(a);
        if (meanwhile) meanwhile(a);
        ASSERT_TRUE(waitForMoreWritten(bus, frames));
        const QStringList trace = traceAllOff(a);

        const QStringList written = chunksTagged(bus.written(), QLatin1Char('F'));
        ASSERT_GE(trace.size(), minLines);
        EXPECT_TRUE(trace.filter(QRegularExpression(QStringLiteral("^[0-9A-F]{2}$"))).isEmpty())
            << whyNoDrops;
        EXPECT_GE(indexOfRun(written, trace), 0) << whereRunBreaks(written, trace).toStdString();
    }
};

TEST_F(TraceAll, HoldsEveryFrameTheSimulatorWroteInOrder) {
    expectEveryFrameTraced({"--seed", "21", "--load", "15"}, 200, 150,
                           "a clean line drops no bytes");
}

TEST_F(TraceAll, HoldsEveryFrameHandedOnInFifoPiecesAtFullLoad) {
    expectEveryFrameTraced({"--seed", "23", "--load", "100", "--fifo", "8"}, 300, 250,
                           "frames cut across events are put together again");
}

// A busy desktop, a compositor or a host that takes the processor away holds a program up now
// and then; the line goes on meanwhile and the analyser must find every byte when it runs again.
TEST_F(TraceAll, HoldsEveryFrameWrittenWhileTheAnalyserWasHeldUpAgainAndAgain) {
    std::mt19937 rng(61);
    const auto holdUps = [&rng](Analyser& a) {
        std::uniform_int_distribution<int> heldMs(50, 300);
        std::uniform_int_distribution<int> runningMs(20, 300);
        for (int i = 0; i < 16; ++i) {
            a.program->signal(SIGSTOP);
            QThread::msleep(static_cast<unsigned long>(heldMs(rng)));
            a.program->signal(SIGCONT);
            QThread::msleep(static_cast<unsigned long>(runningMs(rng)));
        }
    };
    expectEveryFrameTraced({"--seed", "24", "--load", "100"}, 50, 500,
                           "bytes that piled up are framed as they came", holdUps);
}

TEST_F(WholeProgram, CommandTraceNamesTheBusInTimeStampedLinesOfFramesThatWereWritten) {
    Simulator& bus = startSimulator({"--seed", "22", "--load", "15"});
    Analyser& a = startAnalyser(bus);
    ASSERT_TRUE(waitForMoreWritten(bus, 50));
    commandTraceOn(a);
    ASSERT_TRUE(waitForMoreWritten(bus, 250));
    const QStringList trace = commandTraceOff(a);

    ASSERT_GE(trace.size(), 5);
    EXPECT_EQ(trace[0], QStringLiteral("    Time      Position    Command/Status   Code"));
    const QStringList written = chunksTagged(bus.written(), QLatin1Char('F'));
    const QRegularExpression line(
        QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3}  (\\d\\d:\\d\\d:\\d\\d:\\d\\d) (.*)  "
                       "((?:[0-9A-F]{2} )+)$"));
    int machineStatusLines = 0;
    for (const QString& l : trace.mid(1)) {
        if (l.contains(QStringLiteral("  no reply "))) continue;
        const auto m = line.match(l);
        ASSERT_TRUE(m.hasMatch()) << l.toStdString();
        EXPECT_TRUE(written.contains(m.captured(3))) << l.toStdString();
        if (m.captured(2) == QStringLiteral("Mcn status") &&
            m.captured(3).startsWith(QStringLiteral("1A A0 81 01 ")))
            ++machineStatusLines;
    }
    EXPECT_GT(machineStatusLines, 0) << "machine A, monitored, changes status on a running bus";
}

// The run script opens the details view by clicking where the form puts the Details button.
QPoint runScriptDetailsPoint() {
    QFile script(QStringLiteral(QUENLAR_SOURCE_DIR "/scripts/run.sh"));
    if (!script.open(QIODevice::ReadOnly)) return {-1, -1};
    const auto m = QRegularExpression(QStringLiteral("--window \"\\$window\" (\\d+) (\\d+) click"))
                       .match(QString::fromUtf8(script.readAll()));
    return m.hasMatch() ? QPoint(m.captured(1).toInt(), m.captured(2).toInt()) : QPoint(-1, -1);
}

TEST_F(WholeProgram, TheRunScriptsClickOpensTheDetailsView) {
    Simulator& bus = startSimulator({"--seed", "23", "--load", "15"});
    Analyser& a = startAnalyser(bus);
    const QPoint details = runScriptDetailsPoint();
    ASSERT_NE(details, QPoint(-1, -1));
    EXPECT_TRUE(layout.mainRect(QStringLiteral("Details")).contains(details))
        << "the run script clicks beside the Details button";
    const auto height = [&] {
        return display.xdotool({QStringLiteral("getwindowgeometry"), a.window})
            .section(QStringLiteral("Geometry: "), 1)
            .section(QLatin1Char('x'), 1)
            .toInt();
    };
    EXPECT_EQ(height(), 387);
    display.click(a.window, details);
    EXPECT_TRUE(waitUntil([&] { return height() == 600; }, LongWaitMs)) << height();
}

}  // namespace
