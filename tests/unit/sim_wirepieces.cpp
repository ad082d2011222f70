// The far end's FIFO: a frame is handed on in pieces, each once its last byte has crossed the
// wire; blocks meant to arrive whole go at once.
#include "sim/wire/wirepieces.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace sim;
using Time = WirePieces::Time;

struct Written {
    QByteArray bytes;
    Time at;
};

// Runs the pieces off at every microsecond step up to `until`, noting when each was written.
std::vector<Written> runOff(WirePieces& wire, Time until) {
    std::vector<Written> out;
    for (Time t{0}; t <= until; t += std::chrono::microseconds(1)) {
        wire.writeDue(t, [&](const QByteArray& b) { out.push_back({b, t}); });
    }
    return out;
}

QByteArray bytes(int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b.append(static_cast<char>(i));
    return b;
}

TEST(WirePieces, AFrameGoesInFifoSizedPiecesAsItsBytesArrive) {
    WirePieces wire(8);
    wire.add(bytes(18), Time{0}, false);
    const auto out = runOff(wire, std::chrono::milliseconds(10));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].bytes, bytes(18).mid(0, 8));
    EXPECT_EQ(out[1].bytes, bytes(18).mid(8, 8));
    EXPECT_EQ(out[2].bytes, bytes(18).mid(16));
    const auto near = [](Time got, Time want) {
        return std::chrono::abs(got - want) <= std::chrono::microseconds(1);
    };
    EXPECT_TRUE(near(out[0].at, LinePacer::wireTime(8)));
    EXPECT_TRUE(near(out[1].at, LinePacer::wireTime(16)));
    EXPECT_TRUE(near(out[2].at, LinePacer::wireTime(18)));
}

TEST(WirePieces, BlocksMeantWholeAndAFifoOfNoneGoAtOnce) {
    for (const auto& [fifo, whole] : {std::pair{8, true}, std::pair{0, false}}) {
        WirePieces wire(fifo);
        wire.add(bytes(40), Time{0}, whole);
        const auto out = runOff(wire, std::chrono::milliseconds(1));
        ASSERT_EQ(out.size(), 1u) << "fifo " << fifo;
        EXPECT_EQ(out[0].bytes, bytes(40));
        EXPECT_EQ(out[0].at, Time{0});
    }
}

TEST(WirePieces, AChunkAddedEarlyWaitsForThePiecesBeforeIt) {
    WirePieces wire(8);
    wire.add(bytes(16), Time{0}, false);
    wire.add(QByteArray("\x61\x0C\x01\x6E", 4), Time{0}, false);
    const auto out = runOff(wire, std::chrono::milliseconds(10));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[2].bytes, QByteArray("\x61\x0C\x01\x6E", 4));
    EXPECT_GE(out[2].at, out[1].at + LinePacer::wireTime(4) - std::chrono::microseconds(1));
}

TEST(WirePieces, TellsWhenTheNextPieceIsDueAndForgetsOnClear) {
    WirePieces wire(8);
    EXPECT_EQ(wire.nextDue(), Time::max());
    wire.add(bytes(12), Time{1000}, false);
    EXPECT_EQ(wire.nextDue(), Time{1000} + LinePacer::wireTime(8));
    wire.clear();
    EXPECT_TRUE(wire.empty());
    EXPECT_TRUE(runOff(wire, std::chrono::milliseconds(5)).empty());
}

}  // namespace
