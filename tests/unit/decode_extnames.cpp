#include "decode/extnames.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using decode::ExtendedArgs;

std::vector<const char*> keyCommandNames() {
    return {"Sel Machine",   "Pause",         "Play",         "Instant Replay",
            "Reverse Play",  "Again",         "Rvs Wind",     "Fwd Wind",
            "Record On",     "Record Off",    "Crawl Fwd",    "Crawl Rvs",
            "Park",          "Stop",          "Locate Out",   "Make Master",
            "Rehearse",      "Auto-Edit",     "Cmd $12",      "Cmd $13",
            "Chase Here",    "Cmd $15",       "All Chase On", "Cmd $17",
            "Clear Chase",   "Track Arm",     "Sub Frm Ofst", "Chase",
            "Rec Enab",      "Jog",           "Shuttle",      "Vari-Play",
            "Locate",        "Locate & Play", "Set In",       "Set Out",
            "Set Offset",    "Set Gen",       "Set Pre-Roll", "Set Delay",
            "Set Post-Roll", "Set Start",     "$2A",          "$2B",
            "$2C",           "$2D",           "$2E",          "$2F"};
}

class KeyCommandName : public ::testing::TestWithParam<int> {};

TEST_P(KeyCommandName, IsTheListedNameOfItsNumber) {
    const int k = GetParam();
    EXPECT_EQ(decode::keyCommandName(static_cast<std::uint8_t>(k)),
              QLatin1String(keyCommandNames()[static_cast<std::size_t>(k)]));
}

INSTANTIATE_TEST_SUITE_P(Numbers, KeyCommandName, ::testing::Range(0, 48), paramname::ByValue());

struct FoldCase {
    std::uint8_t number;
    const char* name;
};

class KeyCommandFold : public ::testing::TestWithParam<FoldCase> {};

TEST_P(KeyCommandFold, MapsNumbersAboveTheTableOntoTwentyPlusTheLowNibble) {
    EXPECT_EQ(decode::keyCommandName(GetParam().number), QLatin1String(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, KeyCommandFold,
    ::testing::Values(FoldCase{0x30, "Locate"}, FoldCase{0x45, "Set Gen"}, FoldCase{0xFF, "$2F"},
                      FoldCase{0x35, "Set Gen"}, FoldCase{0x44, "Set Offset"},
                      FoldCase{0x2F, "$2F"}, FoldCase{0x90, "Locate"}),
    paramname::from([](const FoldCase& c) { return paramname::hex(c.number); }));

struct KindCase {
    std::uint8_t kind;
    ExtendedArgs args;
    const char* name;  // nullptr: no name
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << "kind " << int(c.kind);
}

constexpr ExtendedArgs Args(std::uint8_t d1, std::uint8_t d2) {
    return {d1, d2};
}

std::vector<KindCase> kinds() {
    const ExtendedArgs a = Args(0x00, 0x00);
    return {
        {0x00, a, "Unit Config data Rq"},
        {0x01, a, "Iface Config data Rq"},
        {0x02, a, "System track Map Rq"},
        {0x03, a, "Reset Error Message"},
        {0x04, a, "Run Setup exit routine"},
        {0x05, a, "Macro Map Rq"},
        {0x06, a, "System Spec Rq"},
        {0x07, a, "Mcn All Data Rq"},
        {0x08, a, "ADR Loops Rq"},
        {0x09, a, "Reset ADR Loops"},
        {0x0A, a, "Finished ADR Download"},
        {0x80, a, "Unit Config Data"},
        {0x81, a, "Iface Config Data"},
        {0x82, a, "Logical Track Map"},
        {0x83, a, "Sony Cmd to Mcn"},
        {0x85, Args(0x01, 0x00), "Cyclic Data Enable"},
        {0x86, a, ""},
        {0x87, a, "Insert ADR Loop"},
        {0x88, a, "Add ADR Loop"},
        {0x89, Args(0x02, 0x00), "C2C Play"},
        {0x89, Args(0x35, 0x00), "C2C Set Gen"},
        {0x89, Args(0x44, 0x00), "C2C Set Offset"},
        {0x8C, Args(0x0D, 0x00), "C2M Stop"},
        {0x8C, Args(0x30, 0x00), "C2M Locate"},
        {0xCB, a, "Macro Cmd"},
        // Kind 0x8B: a group of machines, all machines, or one machine.
        {0x8B, Args(0xA0, 0xA1), "C2GRP Rec On"},
        {0x8B, Args(0xA0, 0xA2), "C2GRP Rec Off"},
        {0x8B, Args(0xA0, 0x05), "C2Specifed MCNs"},
        {0x8B, Args(0xA1, 0x8C), "C2All M Chase On"},
        {0x8B, Args(0xA1, 0x8D), "C2All M Chase Off"},
        {0x8B, Args(0xA1, 0x8E), "C2All Chase Clear"},
        {0x8B, Args(0xA1, 0x92), "C2All Load In"},
        {0x8B, Args(0xA1, 0x98), "C2All Set duration"},
        {0x8B, Args(0xA1, 0x99), "C2All "},
        {0x8B, Args(0x01, 0x00), "C2S Sel Machine"},
        {0x8B, Args(0x06, 0x21), "C2S Locate & Play"},
        {0x8B, Args(0xA2, 0xA1), "C2S Locate & Play"},
        // Kinds without a name; 0x84 is named by the record-track decoder.
        {0x0B, a, nullptr},
        {0x7F, a, nullptr},
        {0x84, a, nullptr},
        {0x8A, a, nullptr},
        {0x8D, a, nullptr},
        {0xCA, a, nullptr},
        {0xCC, a, nullptr},
        {0xFF, a, nullptr},
    };
}

class ExtendedCommandName : public ::testing::TestWithParam<KindCase> {};

TEST_P(ExtendedCommandName, FollowsTheKindAndItsArguments) {
    const KindCase& c = GetParam();
    const auto name = decode::extendedCommandName(c.kind, c.args);
    if (c.name == nullptr) {
        EXPECT_FALSE(name.has_value());
    } else {
        ASSERT_TRUE(name.has_value());
        EXPECT_EQ(*name, QLatin1String(c.name));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExtendedCommandName, ::testing::ValuesIn(kinds()),
                         paramname::from([](const KindCase& c) {
                             const auto arg = [](std::optional<std::uint8_t> d) {
                                 return d ? paramname::hex(*d) : "None";
                             };
                             return paramname::join(paramname::hex(c.kind), arg(c.args.data1),
                                                    arg(c.args.data2));
                         }));

TEST(ExtendedCommandNames, OnlyTheListedKindsHaveAFixedName) {
    const std::vector<int> named{0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                                 0x08, 0x09, 0x0A, 0x80, 0x81, 0x82, 0x83, 0x85,
                                 0x86, 0x87, 0x88, 0x89, 0x8B, 0x8C, 0xCB};
    for (int kind = 0; kind < 256; ++kind) {
        const bool expected = std::find(named.begin(), named.end(), kind) != named.end();
        EXPECT_EQ(
            decode::extendedCommandName(static_cast<std::uint8_t>(kind), Args(1, 1)).has_value(),
            expected)
            << "kind " << kind;
    }
}

TEST(ExtendedCommandNames, AnArgumentTheFrameDoesNotCarryNamesNoKeyCommand) {
    EXPECT_EQ(decode::extendedCommandName(0x89, {}), QStringLiteral("C2C "));
    EXPECT_EQ(decode::extendedCommandName(0x8C, {}), QStringLiteral("C2M "));
    EXPECT_EQ(decode::extendedCommandName(0x8B, {}), QStringLiteral("C2S "));
    EXPECT_EQ(decode::extendedCommandName(0x8B, {0x03, std::nullopt}), QStringLiteral("C2S "));
    EXPECT_EQ(decode::extendedCommandName(0x8B, {0xA0, std::nullopt}),
              QStringLiteral("C2Specifed MCNs"));
    EXPECT_EQ(decode::extendedCommandName(0x8B, {0xA1, std::nullopt}), QStringLiteral("C2All "));
}

}  // namespace
