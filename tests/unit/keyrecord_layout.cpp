// The 55-byte key record and the two-character byte fields of the Define Key window.
#include "control/keyrecord.h"

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
                                           HexCase{"", 0x00}));

TEST(KeyRecord, NewRecordHoldsOnlyTheKeyLetter) {
    for (int key = 0; key < keyrecord::KeyCount; ++key) {
        Record expected{};
        expected[0] = 1;
        expected[1] = static_cast<std::uint8_t>('A' + key);
        EXPECT_EQ(keyrecord::defaultRecord(key), expected) << "key " << key;
    }
}

TEST(KeyRecord, LabelIsCutToFiveCharacters) {
    Record r{};
    keyrecord::setLabel(r, QStringLiteral("Record"));
    EXPECT_EQ(r[0], 5);
    EXPECT_EQ(keyrecord::label(r), QStringLiteral("Recor"));
    EXPECT_EQ(r[6], 0) << "the description's length byte is untouched";
}

TEST(KeyRecord, DescriptionIsCutToThirtyCharacters) {
    Record r{};
    keyrecord::setDescription(r, QStringLiteral("0123456789012345678901234567890123"));
    EXPECT_EQ(r[6], 30);
    EXPECT_EQ(keyrecord::description(r), QStringLiteral("012345678901234567890123456789"));
    EXPECT_EQ(r[37], 0) << "CMD1 is untouched";
}

TEST(KeyRecord, ByteFieldsAreCmd1Cmd2AndDataFromByte37) {
    Record r{};
    for (int i = 0; i < keyrecord::ByteFieldCount; ++i) {
        keyrecord::setByteField(r, i, static_cast<std::uint8_t>(0x10 + i));
    }
    EXPECT_EQ(r[37], 0x10);
    EXPECT_EQ(r[38], 0x11);
    EXPECT_EQ(r[39], 0x12);
    EXPECT_EQ(r[53], 0x20);
    EXPECT_EQ(r[54], 0x00) << "the spare byte is not a field";
}

TEST(KeyRecord, ImageCarriesTheSpareByteAsItsEighteenthByte) {
    Record r{};
    r[37] = 0x0F;
    r[53] = 0xDD;
    r[54] = 0x5A;
    const keyrecord::Image image = keyrecord::image(r);
    EXPECT_EQ(image[0], 0x0F);
    EXPECT_EQ(image[16], 0xDD);
    EXPECT_EQ(image[17], 0x5A);
}

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
