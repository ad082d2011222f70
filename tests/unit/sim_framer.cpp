// The reference framing of the line: the rules the analyser's receive ring applies, used by the
// simulator to read the analyser and by the tests to know what the analyser must make of a
// damaged line.
#include "sim/model/framer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace sim;

std::vector<std::string> lines(const std::vector<LineItem>& items) {
    std::vector<std::string> out;
    for (const LineItem& i : items) out.push_back(traceLine(i).toStdString());
    return out;
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

TEST(SimFramer, ALeadingZeroIsDroppedAndTheFrameBehindItFound) {
    LineFramer f;
    EXPECT_EQ(lines(f.push(hex("00200F2F"))), (std::vector<std::string>{"00", "20 0F 2F "}));
}

TEST(SimFramer, AByteAnnouncingALongFrameHoldsTheRestBackUntilItCanBeJudged) {
    LineFramer f;
    EXPECT_TRUE(f.push(hex("05200F2F")).empty());
    EXPECT_EQ(f.pending(), 4);
    EXPECT_EQ(lines(f.push(hex("200121 2001"))),
              (std::vector<std::string>{"05", "20 0F 2F ", "20 01 21 "}));
    EXPECT_EQ(f.pending(), 2);
}

TEST(SimFramer, AFrameSplitAcrossPushesComesOutWhenItsLastByteArrives) {
    LineFramer f;
    const QByteArray status = hex("1AA0810101000001 5F9000012E");
    for (qsizetype i = 0; i + 1 < status.size(); ++i) EXPECT_TRUE(f.push(status.mid(i, 1)).empty());
    const auto items = f.push(status.right(1));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].bytes, status);
}

TEST(SimFramer, ADamagedFrameIsTriedByteByByteUntilTheNextGoodOne) {
    LineFramer f;
    // 20 01 21 with a bit of its CMD2 flipped, then good Plays.
    const auto out = lines(f.push(hex("200321 200121 200121 200121")));
    EXPECT_EQ(out,
              (std::vector<std::string>{"20", "03", "21", "20 01 21 ", "20 01 21 ", "20 01 21 "}));
}

}  // namespace
