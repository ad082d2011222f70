// A session captured from the simulated bus can be analysed again: quenlar-sim --replay plays
// a trace-all back onto the line, and the analyser traces the same lines.
#include "tests/support/e2e_bus.h"

#include <QRegularExpression>

#include <csignal>

namespace {

using namespace e2e;

TEST_F(WholeProgram, ACapturedTraceAllReplayedGivesTheSameLines) {
    // A bus with stray bytes on it, so that the capture holds dropped-byte lines as well.
    Simulator& live = startSimulator({"--seed", "41", "--load", "30", "--garbage", "0.05"});
    Analyser& first = startAnalyser(live, QStringLiteral("first"));
    ASSERT_TRUE(waitForMoreWritten(live, 50));
    traceAllOn(first);
    ASSERT_TRUE(waitForMoreWritten(live, 200));
    const QStringList capture = traceAllOff(first);
    ASSERT_GE(capture.size(), 150);
    ASSERT_FALSE(capture.filter(QRegularExpression(QStringLiteral("^[0-9A-F]{2}$"))).isEmpty());
    first.program->stop();
    live.program->stop();

    // The replay waits (--hold) until the second analyser traces.
    Simulator& replay =
        startSimulator({"--replay", first.traceAllPath(), "--hold", "--load", "10"});
    Analyser& second = startAnalyser(replay, QStringLiteral("second"));
    traceAllOn(second);
    replay.program->signal(SIGUSR1);
    ASSERT_FALSE(
        replay.program
            ->waitForLine(QRegularExpression(QStringLiteral("^replay finished")), LongWaitMs)
            .isEmpty());
    const QStringList again = traceAllOff(second);
    EXPECT_EQ(again.size(), capture.size());
    EXPECT_TRUE(again == capture);
}

}  // namespace
