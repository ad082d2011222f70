#include "decode/statusnames.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using decode::ColumnTexts;

// Expected column, row 1 first; nullptr for a row that is not written.
using Rows = std::array<const char*, 8>;

void expectColumn(const ColumnTexts& column, const Rows& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] == nullptr) {
            EXPECT_FALSE(column[i].has_value()) << "row " << i + 1;
        } else {
            ASSERT_TRUE(column[i].has_value()) << "row " << i + 1;
            EXPECT_EQ(*column[i], QLatin1String(rows[i])) << "row " << i + 1;
        }
    }
}

struct ColumnCase {
    std::uint8_t byte;
    Rows rows;
};

void PrintTo(const ColumnCase& c, std::ostream* os) {
    *os << "byte " << int(c.byte);
}

class Status1Column : public ::testing::TestWithParam<ColumnCase> {};
TEST_P(Status1Column, ShowsEachBitOnItsRow) {
    expectColumn(decode::status1Column(GetParam().byte), GetParam().rows);
}
INSTANTIATE_TEST_SUITE_P(
    Bits, Status1Column,
    ::testing::Values(ColumnCase{0x00, {"", "", "", "", "", "", "Locked", ""}},
                      ColumnCase{0xFF,
                                 {"Input Mon", "Rehearse", "Rec Inhibit", "Armed", "Goto", "Record",
                                  "Not Lock", "Reverse"}},
                      ColumnCase{0x01, {"Input Mon", "", "", "", "", "", "Locked", ""}},
                      ColumnCase{0x02, {"", "Rehearse", "", "", "", "", "Locked", ""}},
                      ColumnCase{0x04, {"", "", "Rec Inhibit", "", "", "", "Locked", ""}},
                      ColumnCase{0x08, {"", "", "", "Armed", "", "", "Locked", ""}},
                      ColumnCase{0x10, {"", "", "", "", "Goto", "", "Locked", ""}},
                      ColumnCase{0x20, {"", "", "", "", "", "Record", "Locked", ""}},
                      ColumnCase{0x40, {"", "", "", "", "", "", "Not Lock", ""}},
                      ColumnCase{0x80, {"", "", "", "", "", "", "Locked", "Reverse"}}),
    paramname::from([](const ColumnCase& c) { return paramname::hex(c.byte); }));

class Status2Column : public ::testing::TestWithParam<ColumnCase> {};
TEST_P(Status2Column, ShowsConditionStillCuedAndSpeed) {
    expectColumn(decode::status2Column(GetParam().byte), GetParam().rows);
}
INSTANTIATE_TEST_SUITE_P(
    Fields, Status2Column,
    ::testing::Values(
        ColumnCase{0x00, {"Normal", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x01, {"No KT-6", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x02, {"Tape End", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x03, {"Tape Start", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x04, {"Local", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x05, {"Disabled", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x06, {"No Tape", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x07, {"No Comms", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x08, {"Normal", nullptr, nullptr, "Still", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x10, {"Normal", nullptr, nullptr, "", "Cued", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x20, {"Normal", nullptr, nullptr, "", "", nullptr, "Play Speed", nullptr}},
        ColumnCase{0x40, {"Normal", nullptr, nullptr, "", "", nullptr, "Fast Speed", nullptr}},
        ColumnCase{0x80, {"Normal", nullptr, nullptr, "", "", nullptr, "Slow Speed", nullptr}},
        ColumnCase{0xC0, {"Normal", nullptr, nullptr, "", "", nullptr, "Slow Speed", nullptr}},
        ColumnCase{
            0x5A, {"Tape End", nullptr, nullptr, "Still", "Cued", nullptr, "Fast Speed", nullptr}}),
    paramname::from([](const ColumnCase& c) { return paramname::hex(c.byte); }));

class Status3Column : public ::testing::TestWithParam<ColumnCase> {};
TEST_P(Status3Column, ShowsEachShownBitOnItsRow) {
    expectColumn(decode::status3Column(GetParam().byte), GetParam().rows);
}
INSTANTIATE_TEST_SUITE_P(
    Bits, Status3Column,
    ::testing::Values(ColumnCase{0x00, {"", nullptr, nullptr, "", "", "", "", ""}},
                      ColumnCase{0xFF,
                                 {"Rec Enab", nullptr, nullptr, "Chase Active", "Chase Grp",
                                  "Prog Ply", "Ram Scrub", "Field 1"}},
                      ColumnCase{0x06, {"", nullptr, nullptr, "", "", "", "", ""}},
                      ColumnCase{0x01, {"Rec Enab", nullptr, nullptr, "", "", "", "", ""}},
                      ColumnCase{0x08, {"", nullptr, nullptr, "Chase Active", "", "", "", ""}},
                      ColumnCase{0x10, {"", nullptr, nullptr, "", "Chase Grp", "", "", ""}},
                      ColumnCase{0x20, {"", nullptr, nullptr, "", "", "Prog Ply", "", ""}},
                      ColumnCase{0x40, {"", nullptr, nullptr, "", "", "", "Ram Scrub", ""}},
                      ColumnCase{0x80, {"", nullptr, nullptr, "", "", "", "", "Field 1"}}),
    paramname::from([](const ColumnCase& c) { return paramname::hex(c.byte); }));

struct SyncCase {
    std::uint8_t byte;
    const char* text;
};
class SyncError : public ::testing::TestWithParam<SyncCase> {};
TEST_P(SyncError, IsSignAndMagnitude) {
    EXPECT_EQ(decode::syncErrorText(GetParam().byte), QLatin1String(GetParam().text));
}
INSTANTIATE_TEST_SUITE_P(Bytes, SyncError,
                         ::testing::Values(SyncCase{0x85, "- 5"}, SyncCase{0x05, "+ 5"},
                                           SyncCase{0x80, "0"}, SyncCase{0x00, "0"},
                                           SyncCase{0x7F, "+ 127"}, SyncCase{0xFF, "- 127"}),
                         paramname::from([](const SyncCase& c) { return paramname::hex(c.byte); }));

}  // namespace
