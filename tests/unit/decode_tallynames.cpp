#include "decode/tallynames.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct TallyCase {
    std::uint8_t kind;
    const char* name;
};

std::vector<TallyCase> tallies() {
    return {{0x00, "Sys Data Len"},
            {0x01, "Sys Data"},
            {0x02, "Mcn Status"},
            {0x03, "Mcn Details"},
            {0x04, "Logical Ready"},
            {0x05, "Logical Record"},
            {0x06, "Mcn Config Data"},
            {0x80, "Master Poz"},
            {0x81, "Mcn status"},
            {0x82, "Mcn Offset"},
            {0x83, "Mcn Details"},
            {0x84, "Mcn Ready Data"},
            {0x85, "Mcn Record Data"},
            {0x88, "Iface Config Data"},
            {0x90, "System Config Data"},
            {0x91, "Ready Bit Map"},
            {0x92, "Record Bit Map"},
            {0x93, "Logical track Map"},
            {0x94, "System Specification"},
            {0x95, "Macro Key Data"},
            {0x96, "M4Byte+MacroBit*3+M8Byte"},
            {0x97, "MacroMom*8+Tally*4"}};
}

class TallyName : public ::testing::TestWithParam<TallyCase> {};

TEST_P(TallyName, IsTheListedText) {
    const auto name = decode::tallyName(GetParam().kind);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, QLatin1String(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Kinds, TallyName, ::testing::ValuesIn(tallies()),
                         paramname::from([](const TallyCase& c) {
                             return paramname::join(paramname::hex(c.kind), c.name);
                         }));

TEST(TallyNames, OtherKindsHaveNoName) {
    const std::vector<TallyCase> listed = tallies();
    for (int kind = 0; kind < 256; ++kind) {
        const bool expected = std::any_of(listed.begin(), listed.end(),
                                          [&](const TallyCase& c) { return c.kind == kind; });
        EXPECT_EQ(decode::tallyName(static_cast<std::uint8_t>(kind)).has_value(), expected)
            << "kind " << kind;
    }
}

struct StateCase {
    std::uint8_t code;
    const char* name;
};

class TransportState : public ::testing::TestWithParam<StateCase> {};

TEST_P(TransportState, IsNamedOrShownAsItsNumber) {
    EXPECT_EQ(decode::transportStateName(GetParam().code), QLatin1String(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TransportState,
    ::testing::Values(StateCase{1, "Stop"}, StateCase{2, "Pause"}, StateCase{3, "Play"},
                      StateCase{4, "Reverse Play"}, StateCase{5, "Shuttle Fwd"},
                      StateCase{6, "Shuttle Rvs"}, StateCase{7, "Jog Fwd"}, StateCase{8, "Jog Rvs"},
                      StateCase{9, "Fast Fwd"}, StateCase{10, "Fast Rvs"},
                      StateCase{11, "Shuttle Fwd"}, StateCase{12, "Shuttle Rvs"},
                      StateCase{13, "Vari-Fwd"}, StateCase{14, "Vari-Rvs"}, StateCase{15, "15"},
                      StateCase{16, "Locate"}, StateCase{17, "17"}, StateCase{18, "18"},
                      StateCase{19, "Record On"}, StateCase{0, "0"}, StateCase{20, "20"},
                      StateCase{255, "255"}),
    paramname::from([](const StateCase& c) { return paramname::join(c.code, c.name); }));

TEST(TrackGrid, HeadersCountEightTracksPerColumn) {
    EXPECT_EQ(decode::trackHeader(1), QStringLiteral("1 - 8"));
    EXPECT_EQ(decode::trackHeader(2), QStringLiteral("9 - 16"));
    EXPECT_EQ(decode::trackHeader(14), QStringLiteral("105 - 112"));
}

}  // namespace
