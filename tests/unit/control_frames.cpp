// Time code text to the BCD bytes of a locate.
#include "control/commandframes.h"

#include <gtest/gtest.h>

namespace {
using Time = std::array<std::uint8_t, 4>;

TEST(LocateTime, ComesOutFramesFirstAsBcd) {
    EXPECT_EQ(commandframes::string2sony(QStringLiteral("01:02:03:04")),
              (Time{0x04, 0x03, 0x02, 0x01}));
    EXPECT_EQ(commandframes::string2sony(QStringLiteral("23:59:58:24")),
              (Time{0x24, 0x58, 0x59, 0x23}));
    EXPECT_EQ(commandframes::string2sony(QStringLiteral("00:00:00:00")), (Time{0, 0, 0, 0}));
}

TEST(LocateTime, IsNotRangeChecked) {
    EXPECT_EQ(commandframes::string2sony(QStringLiteral("99:99:99:99")),
              (Time{0x99, 0x99, 0x99, 0x99}));
}

TEST(LocateTime, RefusesAnIncompleteEntry) {
    EXPECT_FALSE(commandframes::string2sony(QStringLiteral("01:2::")));
    EXPECT_FALSE(commandframes::string2sony(QStringLiteral("01:02:03:0_")));
    EXPECT_FALSE(commandframes::string2sony(QStringLiteral("")));
    EXPECT_FALSE(commandframes::string2sony(QStringLiteral("01:02:03:0\u0663")));
}

}  // namespace
