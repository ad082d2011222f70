// A trace-all read back for replay gives the bytes that made it, in order.
#include "sim/model/bus.h"
#include "sim/model/framer.h"
#include "sim/wire/replay.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

using namespace sim;

TEST(SimReplay, FrameLinesAndDroppedByteLinesBecomeRunsOfBytes) {
    const ReplayScript s = parseTraceAll("20 01 21 \r\n3F\r\n02 A0 85 01 28 \r\n");
    ASSERT_EQ(s.chunks.size(), 3u);
    EXPECT_EQ(s.chunks[0], QByteArray::fromHex("200121"));
    EXPECT_EQ(s.chunks[1], QByteArray::fromHex("3F"));
    EXPECT_EQ(s.chunks[2], QByteArray::fromHex("02A0850128"));
    EXPECT_EQ(s.frames, 2);
    EXPECT_EQ(s.droppedBytes, 1);
}

TEST(SimReplay, LinesOfOtherKindsAreSkippedAndCounted) {
    const ReplayScript s = parseTraceAll(
        "    Time      Position    Command/Status   Code\r\n"
        "09:05:03.042  00:01:00:00 Play             20 01 21 \r\n"
        "\r\n"
        "20 01 21\r\n"  // no blank after the last pair: not a frame line
        "2G \r\n"
        "20 01 21 \n");  // a bare LF is read too
    EXPECT_EQ(s.chunks.size(), 1u);
    EXPECT_EQ(s.skippedLines, 4);
}

TEST(SimReplay, ATraceOfADamagedLineReplaysToTheSameTrace) {
    // The simulator's own bus, a bit damaged, traced the way the analyser traces it...
    Bus bus(BusSettings{6, 80, true, 11});
    QByteArray line;
    for (int p = 0; p < 200; ++p)
        for (const QByteArray& f : bus.nextPeriod()) line += f;
    for (qsizetype i = 7; i < line.size(); i += 97) line[i] = static_cast<char>(line[i] ^ 0x10);
    LineFramer first;
    QByteArray trace;
    QStringList expected;
    for (const LineItem& item : first.push(line)) {
        expected << traceLine(item);
        trace += traceLine(item).toLatin1() + "\r\n";
    }
    ASSERT_GT(expected.filter(QRegularExpression(QStringLiteral("^..$"))).size(), 10);
    // ... and played back gives the same lines.
    LineFramer second;
    QStringList replayed;
    for (const QByteArray& chunk : parseTraceAll(trace).chunks)
        for (const LineItem& item : second.push(chunk)) replayed << traceLine(item);
    EXPECT_EQ(replayed, expected);
}

}  // namespace
