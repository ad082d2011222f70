// Line faults as the writer puts them on the wire: bit errors, stray bytes, and stalls that let
// more than 30 bytes go at once.
#include "sim/model/framer.h"
#include "sim/wire/linewriter.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

using namespace sim;

struct Line {
    Stats stats;
    std::vector<QByteArray> writes;
    std::vector<char> tags;
    LineWriter writer;

    explicit Line(const FaultSettings& f)
        : writer([this](const QByteArray& b, bool) { writes.push_back(b); }, f, 7, stats) {
        writer.setLog([this](char tag, const QByteArray&) { tags.push_back(tag); });
    }
};

std::deque<QByteArray> plays(int n) {
    return std::deque<QByteArray>(n, QByteArray::fromHex("200121"));
}

TEST(SimFaults, ACleanLineWritesEachFrameOnItsOwn) {
    Line line(FaultSettings{});
    auto queue = plays(5);
    while (!queue.empty()) EXPECT_EQ(line.writer.writeNext(queue, false), 3);
    EXPECT_EQ(line.writes.size(), 5u);
    EXPECT_EQ(line.stats.intact, 5);
    EXPECT_EQ(line.stats.bytes, 15);
    EXPECT_EQ(line.tags, std::vector<char>(5, 'F'));
}

TEST(SimFaults, BitErrorsDamageFramesAndTheDamageIsTold) {
    Line line(FaultSettings{0.05, 0, false});
    auto queue = plays(400);
    while (!queue.empty()) line.writer.writeNext(queue, false);
    EXPECT_GT(line.stats.damaged, 40);
    EXPECT_GT(line.stats.intact, 200);
    int damagedWrites = 0;
    for (std::size_t i = 0; i < line.writes.size(); ++i) {
        const bool differs = line.writes[i] != QByteArray::fromHex("200121");
        EXPECT_EQ(differs, line.tags[i] == 'D');
        damagedWrites += differs;
    }
    EXPECT_EQ(damagedWrites, line.stats.damaged);
}

TEST(SimFaults, GarbageComesBeforeAFrameAndTheFrameStillFollowsWhole) {
    Line line(FaultSettings{0, 1.0, false});
    auto queue = plays(50);
    QByteArray all;
    while (!queue.empty()) line.writer.writeNext(queue, false);
    for (const QByteArray& w : line.writes) {
        EXPECT_GE(w.size(), 4);
        EXPECT_LE(w.size(), 6);
        EXPECT_TRUE(w.endsWith(QByteArray::fromHex("200121")));
    }
    EXPECT_EQ(line.stats.garbageBytes + 150, line.stats.bytes);
}

TEST(SimFaults, AStallLetsMoreThanThirtyBytesGoInOneWrite) {
    Line line(FaultSettings{0, 0, true});
    auto queue = plays(20000);
    while (!queue.empty()) line.writer.writeNext(queue, false);
    ASSERT_GT(line.stats.stalls, 10);
    int bigWrites = 0;
    for (const QByteArray& w : line.writes) {
        if (w.size() > 30) ++bigWrites;
        EXPECT_TRUE(w.size() == 3 || w.size() == 33);
    }
    EXPECT_EQ(bigWrites, line.stats.stalls);
    EXPECT_EQ(line.stats.stalledFrames, 11 * line.stats.stalls);
}

TEST(SimFaults, AReplayedChunkGoesOutExactlyAsItCame) {
    Line line(FaultSettings{1.0, 1.0, true});
    std::deque<QByteArray> queue{QByteArray::fromHex("3F"), QByteArray::fromHex("200121")};
    line.writer.writeNext(queue, true);
    line.writer.writeNext(queue, true);
    EXPECT_EQ(line.writes,
              (std::vector<QByteArray>{QByteArray::fromHex("3F"), QByteArray::fromHex("200121")}));
    EXPECT_EQ(line.tags, (std::vector<char>{'P', 'P'}));
}

}  // namespace
