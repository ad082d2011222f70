#include "decode/tallyreference.h"

#include <gtest/gtest.h>

namespace {

frame::Bytes bytes(std::initializer_list<std::uint8_t> list) {
    frame::Bytes b{};
    std::copy(list.begin(), list.end(), b.begin());
    return b;
}

TEST(TallyReference, AnEmptyReferenceDiffersFromEveryCarriedByteEvenZero) {
    const decode::TallyReference ref;
    const frame::Bytes zero = bytes({0x12, 0xA0, 0x00, 0x00, 0xB2});
    EXPECT_TRUE(ref.differs(zero, 5, {2}));
    EXPECT_TRUE(ref.differs(zero, 5, {3}));
}

TEST(TallyReference, BytesTheFrameDoesNotCarryAreNotCompared) {
    const decode::TallyReference ref;
    const frame::Bytes shortFrame = bytes({0x11, 0xA0, 0x81, 0x32, 0x55, 0x66});
    // Position 3 is the checksum of a four-byte frame, 4 and 5 belong to earlier frames.
    EXPECT_FALSE(ref.differs(shortFrame, 4, {3, 4, 5}));
}

TEST(TallyReference, TakenBytesAreTheReferenceUntilForgotten) {
    decode::TallyReference ref;
    const frame::Bytes a = bytes({0x13, 0xA0, 0x81, 0x01, 0x03, 0x00});
    ref.take(a, 6);
    EXPECT_FALSE(ref.differs(a, 6, {2, 3, 4}));
    const frame::Bytes b = bytes({0x13, 0xA0, 0x81, 0x01, 0x04, 0x00});
    EXPECT_TRUE(ref.differs(b, 6, {4}));
    EXPECT_FALSE(ref.differs(b, 6, {2, 3}));
    ref.forget();
    EXPECT_TRUE(ref.differs(a, 6, {2}));
}

TEST(TallyReference, AShortFrameKeepsTheBytesItDoesNotCarry) {
    decode::TallyReference ref;
    ref.take(bytes({0x14, 0xA0, 0x81, 0x01, 0x03, 0x81, 0x00}), 7);
    ref.take(bytes({0x12, 0xA0, 0x81, 0x01, 0x77, 0x99}), 5);
    EXPECT_EQ(ref[3], 0x01);
    EXPECT_EQ(ref[5], 0x81);
    EXPECT_TRUE(ref.holds(5));
    EXPECT_FALSE(ref.holds(6));
}

}  // namespace
