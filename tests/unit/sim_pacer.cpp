// Writes leave at the pace of a 38400-baud line: never before the bytes ahead of them would
// have left the wire, and at a lower load with quiet time after each chunk.
#include "sim/wire/linepacer.h"

#include <gtest/gtest.h>

namespace {

using sim::LinePacer;
using namespace std::chrono_literals;

TEST(SimPacer, AByteTakesElevenBitsAt38400Baud) {
    EXPECT_EQ(LinePacer::wireTime(1), 286458ns);
    EXPECT_EQ(LinePacer::wireTime(18), 5156250ns);
    // A second of the line holds 3490.9 bytes.
    EXPECT_LT(LinePacer::wireTime(3490), 1s);
    EXPECT_GT(LinePacer::wireTime(3491), 1s);
}

TEST(SimPacer, AtFullLoadChunksFollowEachOtherOffTheWire) {
    LinePacer p(100);
    p.sent(13, 0ns);
    EXPECT_FALSE(p.ready(LinePacer::wireTime(13) - 1ns));
    EXPECT_TRUE(p.ready(LinePacer::wireTime(13)));
    p.sent(12, LinePacer::wireTime(13));
    EXPECT_EQ(p.nextFree(), LinePacer::wireTime(13) + LinePacer::wireTime(12));
}

TEST(SimPacer, AtHalfLoadEachChunkKeepsTheLineTwiceItsWireTime) {
    LinePacer p(50);
    EXPECT_NEAR(static_cast<double>(p.occupancy(10).count()),
                2.0 * static_cast<double>(LinePacer::wireTime(10).count()), 2.0);
}

TEST(SimPacer, AQuietSpellIsNotSavedUpForABurst) {
    LinePacer p(100);
    p.sent(18, 0ns);
    p.sent(18, 1s);  // long after the line went quiet
    EXPECT_EQ(p.nextFree(), 1s + LinePacer::wireTime(18));
}

}  // namespace
