// The 55-byte key record and the two-character byte fields of the Define Key window.
#include "control/keyrecord.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

namespace {
using keyrecord::Record;

struct HexCase {
    const char* text;
    int byte;
};

class HexField : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexField, TurnsTwoCharactersIntoTheByteTheWindowStores) {
    EXPECT_EQ(keyrecord::hex(QString::fromLatin1(GetParam().text)), GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Texts, HexField,
                         ::testing::Values(HexCase{"00", 0x00}, HexCase{"7F", 0x7F},
                                           HexCase{"FF", 0xFF}, HexCase{"af", 0xAF},
                                           HexCase{"aF", 0xAF}, HexCase{"1G", 0x20},
                                           HexCase{"0Z", 35}, HexCase{"ZZ", 0x00},
                                           HexCase{"G0", 0x00}, HexCase{"5", 0x50},
                                           HexCase{"", 0x00}),
                         paramname::from([](const HexCase& c) { return c.text; }));

TEST(KeyRecord, DamagedLengthByteReadsNoFurtherThanTheField) {
    Record r{};
    r[0] = 200;
    for (int i = 1; i <= 5; ++i) r[static_cast<std::size_t>(i)] = 'x';
    r[6] = 31;
    EXPECT_EQ(keyrecord::label(r), QStringLiteral("xxxxx"));
    EXPECT_EQ(keyrecord::description(r).size(), 30);
}

TEST(KeyRecord, CharactersAreOneByteEach) {
    Record r{};
    keyrecord::setDescription(r, QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(r[6], 4);
    EXPECT_EQ(r[10], 0xE9);
    EXPECT_EQ(keyrecord::description(r), QStringLiteral("Caf\u00e9"));
}
}  // namespace
