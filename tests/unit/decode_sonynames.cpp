#include "decode/sonynames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct NameCase {
    int group;
    std::uint8_t cmd2;
    const char* name;
    int length;
};

std::vector<NameCase> sonyNames() {
    return {
        {0, 0x0C, "Local Disable", 13},   {0, 0x11, "Rq Type", 7},
        {0, 0x1D, "Local Enable", 12},    {2, 0x00, "Stop           ", 15},
        {2, 0x01, "Play           ", 15}, {2, 0x02, "Record         ", 15},
        {2, 0x04, "Standby Off    ", 15}, {2, 0x05, "Standby On     ", 15},
        {2, 0x0F, "Eject          ", 15}, {2, 0x10, "Fast Forward   ", 15},
        {2, 0x11, "Jog Forward    ", 15}, {2, 0x12, "Variplay Fwd   ", 15},
        {2, 0x13, "Shuttle Fwd    ", 15}, {2, 0x20, "Fast Reverse   ", 15},
        {2, 0x21, "Jog Reverse    ", 15}, {2, 0x22, "Variplay Rvs   ", 15},
        {2, 0x23, "Shuttle Rvs    ", 15}, {2, 0x30, "Pre-Roll       ", 15},
        {2, 0x31, "Locate", 6},           {2, 0x37, "Chase On       ", 15},
        {2, 0x38, "Prog Play +    ", 15}, {2, 0x39, "Prog Play -    ", 15},
        {2, 0x40, "Preview        ", 15}, {2, 0x41, "Review         ", 15},
        {2, 0x42, "Auto Edit      ", 15}, {2, 0x52, "Tension Release", 15},
        {2, 0x60, "Full EE Off    ", 15}, {2, 0x61, "Full EE On     ", 15},
        {2, 0x63, "Select EE On   ", 15}, {2, 0x64, "Edit Off       ", 15},
        {2, 0x65, "Edit On        ", 15}, {2, 0x82, "Memory Write St", 15},
        {4, 0x00, "Timer-1 Preset ", 15}, {4, 0x04, "TC-Gen Preset  ", 15},
        {4, 0x14, "Set In         ", 15}, {4, 0x15, "Set Out        ", 15},
        {4, 0x30, "Edit Preset Cmd", 15}, {4, 0x31, "Set Preroll    ", 15},
        {4, 0x32, "Monitor Switch ", 15}, {4, 0x33, "Servo Ref      ", 15},
        {4, 0x34, "Head Select    ", 15}, {4, 0x35, "Set Color frm  ", 15},
        {4, 0x36, "Set Timer Mode ", 15}, {4, 0x3A, "Edit Field     ", 15},
        {4, 0x3C, "Set Postroll   ", 15}, {4, 0x40, "Auto Mode OFF  ", 15},
        {4, 0x41, "Auto Mode ON   ", 15}, {4, 0x44, "Audio Split On ", 15},
        {4, 0x45, "Audio Split Of ", 15}, {4, 0x65, "Edit On        ", 15},
        {4, 0x78, "Set Ofset      ", 15}, {6, 0x0A, "Rq Gen Time", 11},
        {6, 0x30, "Rq Track Arm", 12},
    };
}

class SonyCommandName : public ::testing::TestWithParam<NameCase> {};

TEST_P(SonyCommandName, IsExactToTheBlank) {
    const NameCase& c = GetParam();
    const auto name = decode::sonyCommandName(c.group, c.cmd2);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, QLatin1String(c.name));
    EXPECT_EQ(name->size(), c.length);
}

INSTANTIATE_TEST_SUITE_P(Groups, SonyCommandName, ::testing::ValuesIn(sonyNames()));

TEST(SonyCommandNames, OnlyTheListedCodesHaveNames) {
    const std::vector<NameCase> listed = sonyNames();
    for (const int group : {0, 1, 2, 3, 4, 5, 6, 7, 8, 15}) {
        for (int code = 0; code < 256; ++code) {
            const bool expected = std::any_of(listed.begin(), listed.end(), [&](const NameCase& c) {
                return c.group == group && c.cmd2 == code;
            });
            EXPECT_EQ(decode::sonyCommandName(group, static_cast<std::uint8_t>(code)).has_value(),
                      expected)
                << "group " << group << " code " << code;
        }
    }
}

TEST(SonyCommandNames, CodesOutsideTheTablesHaveNoName) {
    EXPECT_FALSE(decode::sonyCommandName(2, 0x03));
    EXPECT_FALSE(decode::sonyCommandName(4, 0x99));
    EXPECT_FALSE(decode::sonyCommandName(6, 0x0C));
    EXPECT_FALSE(decode::sonyCommandName(0, 0xA0));
    EXPECT_FALSE(decode::sonyCommandName(8, 0x01));
    // The code of a group-2 name means nothing in another group.
    EXPECT_FALSE(decode::sonyCommandName(6, 0x01));
}

}  // namespace
