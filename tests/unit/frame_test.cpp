#include "link/frame.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct LengthCase {
    std::uint8_t cmd1;
    int length;
};

class FrameLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(FrameLength, FollowsTheDataCountNibble) {
    EXPECT_EQ(frame::length(GetParam().cmd1), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Cmd1, FrameLength,
    ::testing::Values(LengthCase{0x20, 3}, LengthCase{0x61, 4}, LengthCase{0x1A, 13},
                      LengthCase{0x0F, 18}, LengthCase{0xFF, 18}, LengthCase{0x00, 3}),
    paramname::from([](const LengthCase& c) { return paramname::hex(c.cmd1); }));

TEST(Frame, CompletingAppendsTheEightBitSum) {
    const std::vector<std::uint8_t> cyclic{0x02, 0xA0, 0x85, 0x01, 0x77};
    EXPECT_EQ(frame::complete(cyclic), QByteArray::fromHex("02A0850128"));
    const std::vector<std::uint8_t> sense{0x61, 0x0C, 0x01};
    EXPECT_EQ(frame::complete(sense), QByteArray::fromHex("610C016E"));
    const std::vector<std::uint8_t> type{0x00, 0x11};
    EXPECT_EQ(frame::complete(type), QByteArray::fromHex("001111"));
}

TEST(Frame, HexTextHasABlankAfterEveryPair) {
    const std::vector<std::uint8_t> play{0x20, 0x01, 0x21};
    EXPECT_EQ(frame::hexText(play), QStringLiteral("20 01 21 "));
    EXPECT_EQ(frame::hex2(0x0A), QStringLiteral("0A"));
    EXPECT_EQ(frame::hex1(0x1F), QStringLiteral("F"));
}

TEST(Frame, ParseHexReadsPairsAndRefusesOddText) {
    QByteArray out;
    EXPECT_TRUE(frame::parseHex(QStringLiteral("20 01 21 "), out));
    EXPECT_EQ(out, QByteArray::fromHex("200121"));
    EXPECT_FALSE(frame::parseHex(QStringLiteral("2 01"), out));
    EXPECT_FALSE(frame::parseHex(QStringLiteral("2G"), out));
}

}  // namespace
