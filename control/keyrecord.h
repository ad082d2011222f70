#pragma once
// One record of the key definition file `keydef` (55 bytes, no header, no alignment):
//
//   0      label length (0..5)         1..5   label characters
//   6      description length (0..30)  7..36  description characters
//   37     CMD1   38 CMD2   39..53 DATA0..DATA14   54 spare
//
// Bytes 37..54 are the key's 18-byte command image, laid out like an outgoing frame; the spare
// byte rides along as its eighteenth byte. Characters are one byte each (Latin-1).
#include <QString>

#include <array>
#include <cstdint>

namespace keyrecord {
inline constexpr int RecordSize = 55;
inline constexpr int KeyCount = 4;
inline constexpr int LabelOffset = 0;
inline constexpr int LabelMax = 5;
inline constexpr int DescriptionOffset = 6;
inline constexpr int DescriptionMax = 30;
inline constexpr int ImageOffset = 37;
inline constexpr int ImageSize = 18;
// The byte fields the Define Key window edits: CMD1, CMD2 and DATA0..DATA14 (not the spare).
inline constexpr int ByteFieldCount = 17;
using Record = std::array<std::uint8_t, RecordSize>;
using Image = std::array<std::uint8_t, ImageSize>;

// Short strings. A length byte past the field's room (a damaged file) reads as the full room.
QString label(const Record& record);
QString description(const Record& record);
// Store the first 5 (label) or 30 (description) characters; bytes past the new length keep what
// they held.
void setLabel(Record& record, const QString& text);
void setDescription(Record& record, const QString& text);

Image image(const Record& record);
// Byte field i: 0 CMD1, 1 CMD2, 2.. DATA0..DATA14.
std::uint8_t byteField(const Record& record, int i);
void setByteField(Record& record, int i, std::uint8_t value);

// The record a new file holds for key 0..3: the label "A".."D", everything else zero.
Record defaultRecord(int key);

// Two characters to a byte, as the Define Key window reads its fields: upper-cased, each
// character's code minus 48, minus 7 more above 9; 16 * first + second, or 0 outside 0..255.
// So "af" is 0xAF, "1G" is 0x20 and "ZZ" is 0. A missing character counts as "0".
std::uint8_t hex(const QString& text);
}  // namespace keyrecord
