// ModemStatusByte and the modem-status watches.
#include "serial/ModemWatches.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

namespace {

struct StatusCase {
    std::uint8_t before;
    std::uint8_t lines;
    std::uint8_t after;
};

class ModemStatusUpdate : public ::testing::TestWithParam<StatusCase> {};

TEST_P(ModemStatusUpdate, TakesTheNewStatesAndAddsTheChangeFlags) {
    EXPECT_EQ(modemstatus::update(GetParam().before, GetParam().lines), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ModemStatusUpdate,
    ::testing::Values(StatusCase{0x00, 0x20, 0x22},  // DSR came on
                      StatusCase{0x20, 0x00, 0x02},  // DSR went off
                      StatusCase{0x22, 0x20, 0x22},  // no change: the flag stays until read
                      StatusCase{0x00, 0x10, 0x11},  // CTS
                      StatusCase{0x00, 0x40, 0x44},  // ring
                      StatusCase{0x00, 0x80, 0x88},  // DCD
                      StatusCase{0x31, 0xF0, 0xFD},  // RI and DCD at once, the CTS flag kept
                      StatusCase{0x00, 0x0F, 0x00}),
    paramname::from([](const StatusCase& c) {
        return paramname::join("Was", paramname::hex(c.before), "Lines", paramname::hex(c.lines));
    }));  // the low nibble of the lines is ignored

TEST(ModemWatch, FiresWhenAMaskedLineLeavesItsReferenceAndDisarms) {
    ModemWatches watches;
    const std::uint16_t dsr = watches.add();
    EXPECT_FALSE(watches.armed(dsr)) << "registered unarmed";
    ASSERT_TRUE(watches.arm(dsr, 0x20, true, 0x00));
    EXPECT_EQ(watches.check(0x10), 0) << "CTS is not under the mask";
    EXPECT_EQ(watches.check(0x20), 1);
    EXPECT_FALSE(watches.armed(dsr));
    EXPECT_TRUE(watches.fired(dsr));
    EXPECT_EQ(watches.check(0x00), 0) << "a disarmed watch fires no more";
    watches.clearFired();
    EXPECT_FALSE(watches.fired(dsr));
}

TEST(ModemWatch, TheReferenceIsTheLineStateAtArming) {
    ModemWatches watches;
    const std::uint16_t dsr = watches.add();
    watches.arm(dsr, 0x20, true, 0x30);
    EXPECT_EQ(watches.check(0x20), 0) << "DSR still on";
    EXPECT_EQ(watches.check(0x00), 1) << "DSR went off";
}

TEST(ModemWatch, DisarmingKeepsTheMaskAndAnUnknownHandleIsRefused) {
    ModemWatches watches;
    const std::uint16_t a = watches.add();
    const std::uint16_t b = watches.add();
    EXPECT_NE(a, b);
    EXPECT_NE(a, 0);
    watches.arm(a, 0x20, true, 0);
    watches.arm(a, 0xFF, false, 0);
    EXPECT_FALSE(watches.armed(a));
    EXPECT_EQ(watches.check(0x20), 0);
    EXPECT_FALSE(watches.arm(999, 0x20, true, 0));
}

}  // namespace
