// The protocol description beside the program names everything the decoders name.
#include "decode/extnames.h"
#include "decode/sonynames.h"
#include "decode/statusnames.h"
#include "decode/systemnames.h"
#include "decode/tallynames.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QString description() {
    QFile file(QStringLiteral(QUENLAR_SOURCE_DIR "/docs/extend.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll());
}

void expectNamed(const QString& doc, std::string_view name) {
    const QString text = decode::text(name).trimmed();
    if (text.isEmpty()) return;
    EXPECT_TRUE(doc.contains(text)) << "missing: " << text.toStdString();
}

template <typename Table>
void expectCodeNames(const QString& doc, const Table& table) {
    for (const decode::CodeName& row : table) expectNamed(doc, row.name);
}

template <typename Table>
void expectTexts(const QString& doc, const Table& table) {
    for (const std::string_view name : table) expectNamed(doc, name);
}

template <typename Table>
void expectBitTexts(const QString& doc, const Table& table) {
    for (const decode::BitTexts& bit : table) {
        expectNamed(doc, bit.set);
        expectNamed(doc, bit.clear);
    }
}

TEST(ProtocolDescription, NamesEveryCommand) {
    const QString doc = description();
    ASSERT_FALSE(doc.isEmpty());
    expectCodeNames(doc, decode::SonyGroup0Names);
    expectCodeNames(doc, decode::SonyGroup2Names);
    expectCodeNames(doc, decode::SonyGroup4Names);
    expectCodeNames(doc, decode::SonyGroup6Names);
    expectCodeNames(doc, decode::ExtendedCommandNames);
    expectCodeNames(doc, decode::GroupCommandNames);
    expectCodeNames(doc, decode::AllCommandNames);
    expectTexts(doc, decode::KeyCommandNames);
    expectNamed(doc, decode::GroupOtherName);
    expectNamed(doc, decode::AllOtherName);
}

TEST(ProtocolDescription, NamesEveryTallyStateBitAndError) {
    const QString doc = description();
    ASSERT_FALSE(doc.isEmpty());
    expectCodeNames(doc, decode::TallyNames);
    expectTexts(doc, decode::TrackMapNames);
    expectTexts(doc, decode::TallyStateNames);
    expectBitTexts(doc, decode::Status1Bits);
    expectTexts(doc, decode::Status2Conditions);
    expectBitTexts(doc, std::array{decode::Status2Still, decode::Status2Cued});
    expectTexts(doc, decode::Status2Speeds);
    expectBitTexts(doc, decode::Status3Bits);
    expectTexts(doc, decode::FrameRateNames);
    expectBitTexts(doc, decode::SystemStatusBits);
    expectTexts(doc, decode::SystemErrorTexts);
    expectTexts(doc, decode::RecordTrackNames);
    expectTexts(doc, decode::EditModeNames);
    expectBitTexts(doc, std::array{decode::DetailsRecordEnable});
}

}  // namespace
