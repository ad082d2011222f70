// What the name and text lookups give where their tables have no row: unknown codes, codes
// past the end, bits that are not shown. The named rows themselves are checked through the
// windows by the scenarios sony-command-names-every-code and system-names-every-code.
#include "decode/sonynames.h"
#include "decode/systemnames.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct LookupCase {
    const char* name;
    std::optional<QString> (*lookup)();
    const char* expected;  // nullptr: no text at all
};

class Lookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, GivesItsFallback) {
    const std::optional<QString> text = GetParam().lookup();
    if (GetParam().expected == nullptr) {
        EXPECT_FALSE(text.has_value()) << text.value_or(QString()).toStdString();
    } else {
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, QLatin1String(GetParam().expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Lookup,
    ::testing::Values(
        LookupCase{"SonyTransportCodeOutsideTheTable",
                   [] { return decode::sonyCommandName(2, 0x03); }, nullptr},
        LookupCase{"SonyPresetCodeOutsideTheTable", [] { return decode::sonyCommandName(4, 0x99); },
                   nullptr},
        LookupCase{"SonySenseCodeOutsideTheTable", [] { return decode::sonyCommandName(6, 0x0C); },
                   nullptr},
        LookupCase{"SonyExtendedCommandIsNamedElsewhere",
                   [] { return decode::sonyCommandName(0, 0xA0); }, nullptr},
        LookupCase{"SonyTransportCodeMeansNothingInTheSenseGroup",
                   [] { return decode::sonyCommandName(6, 0x01); }, nullptr},
        LookupCase{"SonyReplyGroupHasNoNames", [] { return decode::sonyCommandName(1, 0x01); },
                   nullptr},
        LookupCase{"SonyGroup8HasNoNames", [] { return decode::sonyCommandName(8, 0x01); },
                   nullptr},
        LookupCase{"SonyGroup15HasNoNames", [] { return decode::sonyCommandName(15, 0x00); },
                   nullptr},
        LookupCase{"NoSystemError",
                   [] { return std::optional<QString>(decode::systemErrorText(0)); }, ""},
        LookupCase{"SystemErrorPastTheTable",
                   [] { return std::optional<QString>(decode::systemErrorText(26)); },
                   "26: Unknown error"},
        LookupCase{"HighestSystemError",
                   [] { return std::optional<QString>(decode::systemErrorText(255)); },
                   "255: Unknown error"},
        LookupCase{"RecordTracksIgnoreTheHighBits",
                   [] { return std::optional<QString>(decode::recordTracksText(0x0B)); }, "16"},
        LookupCase{"RecordTracksOfOnlyHighBits",
                   [] { return std::optional<QString>(decode::recordTracksText(0xF8)); }, "None"},
        LookupCase{
            "MachineTagOfMachineA",
            [] { return std::optional<QString>(decode::machineTag(1, QStringLiteral("Master"))); },
            "A:Master"},
        LookupCase{
            "MachineTagWithAName",
            [] { return std::optional<QString>(decode::machineTag(2, QStringLiteral("DECK B"))); },
            "B:DECK B"},
        LookupCase{"SonyIdOfADeviceType",
                   [] { return std::optional<QString>(decode::sonyIdText(0x20, 0x24)); }, "$2024"},
        LookupCase{"SonyIdInUpperCaseHex",
                   [] { return std::optional<QString>(decode::sonyIdText(0xBA, 0x0F)); }, "$BA0F"}),
    paramname::from([](const LookupCase& c) { return c.name; }));

// The details byte writes rows 1, 3 and 8 of its column and leaves the others as they are.
TEST(DetailsColumn, WritesEditModeFrameRateAndRecordEnableOnly) {
    for (const std::uint8_t details : {0x00, 0x70, 0xFF}) {
        const auto column = decode::detailsColumn(details);
        EXPECT_TRUE(column[0] && column[2] && column[7]) << int{details};
        for (const std::size_t untouched : {1u, 3u, 4u, 5u, 6u})
            EXPECT_FALSE(column[untouched]) << int{details} << " row " << untouched + 1;
    }
    // Bits 4 to 6 show nothing.
    EXPECT_EQ(decode::detailsColumn(0x70), decode::detailsColumn(0x00));
}

}  // namespace
