#include "decode/timecode.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

namespace {

struct FramesCase {
    std::int32_t frames;
    std::uint8_t rate;
    const char* text;
};

class FrameCountText : public ::testing::TestWithParam<FramesCase> {};

TEST_P(FrameCountText, IsHoursMinutesSecondsFramesCutToElevenCharacters) {
    const FramesCase& c = GetParam();
    EXPECT_EQ(timecode::frmstotxt(c.frames, c.rate), QLatin1String(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Rates, FrameCountText,
    ::testing::Values(FramesCase{0, 0, "00:00:00:00"}, FramesCase{89999, 0, "00:59:59:24"},
                      FramesCase{90000, 0, "01:00:00:00"}, FramesCase{1500, 0, "00:01:00:00"},
                      FramesCase{16777215, 0, "186:24:48:1"}, FramesCase{12345, 3, "00:00:00:00"},
                      FramesCase{16777215, 3, "00:00:00:00"}, FramesCase{500, 9, "00:00:00:00"},
                      FramesCase{108000, 1, "01:00:00:00"}, FramesCase{107999, 1, "00:59:59:29"},
                      FramesCase{86400, 2, "01:00:00:00"}, FramesCase{86399, 2, "00:59:59:23"},
                      FramesCase{8999999, 0, "99:59:59:24"}, FramesCase{9000000, 0, "100:00:00:0"}),
    paramname::from([](const FramesCase& c) { return paramname::join(c.frames, "Rate", c.rate); }));

struct BitsCase {
    int value;
    const char* picture;
};

class BitPicture : public ::testing::TestWithParam<BitsCase> {};

TEST_P(BitPicture, PutsBitZeroLeftmostWithABlankAfterBitThree) {
    EXPECT_EQ(timecode::bin2str(GetParam().value), QLatin1String(GetParam().picture));
}

INSTANTIATE_TEST_SUITE_P(Bytes, BitPicture,
                         ::testing::Values(BitsCase{0x01, "1000 0000"}, BitsCase{0x80, "0000 0001"},
                                           BitsCase{0x0F, "1111 0000"}, BitsCase{0x00, "0000 0000"},
                                           BitsCase{0x35, "1010 1100"}, BitsCase{0xA5, "1010 0101"},
                                           BitsCase{0xFF, "1111 1111"},
                                           BitsCase{0x1FE, "0111 1111"}),
                         paramname::from([](const BitsCase& c) {
                             return paramname::hex(static_cast<unsigned>(c.value));
                         }));

TEST(TimeOfDay, HasTwoDigitFieldsAndThreeDigitMilliseconds) {
    EXPECT_EQ(timecode::timeOfDay(QTime(14, 7, 9, 5)), QStringLiteral("14:07:09.005"));
    EXPECT_EQ(timecode::timeOfDay(QTime(14, 7, 9, 0)), QStringLiteral("14:07:09.000"));
    EXPECT_EQ(timecode::timeOfDay(QTime(9, 5, 3, 42)), QStringLiteral("09:05:03.042"));
    EXPECT_EQ(timecode::timeOfDay(QTime(23, 59, 59, 999)), QStringLiteral("23:59:59.999"));
}

TEST(SonyTime, ShowsEachBcdByteAsItsHexDigitsHoursFirst) {
    EXPECT_EQ(timecode::sonyTime(0x12, 0x34, 0x45, 0x01), QStringLiteral("01:45:34:12"));
    EXPECT_EQ(timecode::sonyTime(0x00, 0x00, 0x00, 0x10), QStringLiteral("10:00:00:00"));
    EXPECT_EQ(timecode::sonyTime(0xC5, 0x80, 0x0A, 0xFF), QStringLiteral("FF:0A:80:C5"));
}

}  // namespace
