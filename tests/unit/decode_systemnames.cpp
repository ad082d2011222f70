#include "decode/systemnames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct SystemCase {
    std::uint8_t byte;
    std::array<const char*, 7> rows;
};
void PrintTo(const SystemCase& c, std::ostream* os) {
    *os << "byte " << int(c.byte);
}

class SystemStatusColumn : public ::testing::TestWithParam<SystemCase> {};
TEST_P(SystemStatusColumn, ShowsTheFrameRateAndOneRowPerBit) {
    const auto column = decode::systemStatusColumn(GetParam().byte);
    for (std::size_t i = 0; i < column.size(); ++i) {
        EXPECT_EQ(column[i], QLatin1String(GetParam().rows[i])) << "row " << i + 1;
    }
}
INSTANTIATE_TEST_SUITE_P(
    Bits, SystemStatusColumn,
    ::testing::Values(
        SystemCase{0x00, {"EBU 25fps", "", "Remote", "", "", "Sys Lock", ""}},
        SystemCase{0xFF,
                   {"SMPTE Drop", "Sys Data", "Local", "GOTO", "Record", "Not Lock", "Mast Lock"}},
        SystemCase{0x01, {"SMPTE 30fps", "", "Remote", "", "", "Sys Lock", ""}},
        SystemCase{0x02, {"Film 24fps", "", "Remote", "", "", "Sys Lock", ""}},
        SystemCase{0x04, {"EBU 25fps", "Sys Data", "Remote", "", "", "Sys Lock", ""}},
        SystemCase{0x08, {"EBU 25fps", "", "Local", "", "", "Sys Lock", ""}},
        SystemCase{0x10, {"EBU 25fps", "", "Remote", "GOTO", "", "Sys Lock", ""}},
        SystemCase{0x20, {"EBU 25fps", "", "Remote", "", "Record", "Sys Lock", ""}},
        SystemCase{0x40, {"EBU 25fps", "", "Remote", "", "", "Not Lock", ""}},
        SystemCase{0x80, {"EBU 25fps", "", "Remote", "", "", "Sys Lock", "Mast Lock"}}));

std::vector<const char*> errorTexts() {
    return {"",
            "1: Not record Enabled!",
            "2: Record Inhibit!",
            "3:System Not Locked!",
            "4: Key Lock On!",
            "5:Out Before In!",
            "6:Comms-Local-Tape!",
            "7: Macros Protected!",
            "8: No Track Mapped!",
            "9: Record Enabled!",
            "10: Locate to Start",
            "11:TC Jump or Pre-Roll!",
            "12: Commands Disabled",
            "13: Video Not Stopped",
            "14: Analogue and Video Enable!",
            "15: Not all in Record!",
            "16: Crash Enabled!",
            "17: No Tape!",
            "18: No tracks Armed!",
            "19: No Macro Defined",
            "20: Not In Record",
            "21: No Tracks Armed",
            "22: No EEPROM Access",
            "23: Backup Machine",
            "24: Record Out Disabled",
            "25: System in Local"};
}

class SystemErrorText : public ::testing::TestWithParam<int> {};
TEST_P(SystemErrorText, IsTheListedText) {
    const int code = GetParam();
    EXPECT_EQ(decode::systemErrorText(static_cast<std::uint8_t>(code)),
              QLatin1String(errorTexts()[static_cast<std::size_t>(code)]));
}
INSTANTIATE_TEST_SUITE_P(Codes, SystemErrorText, ::testing::Range(0, 26));

TEST(SystemErrorTexts, CodesPastTheTableShowTheirNumber) {
    EXPECT_EQ(decode::systemErrorText(26), QStringLiteral("26: Unknown error"));
    EXPECT_EQ(decode::systemErrorText(255), QStringLiteral("255: Unknown error"));
}

struct TracksCase {
    std::uint8_t byte;
    const char* text;
};
class RecordTracks : public ::testing::TestWithParam<TracksCase> {};
TEST_P(RecordTracks, AreReadFromTheLowThreeBits) {
    EXPECT_EQ(decode::recordTracksText(GetParam().byte), QLatin1String(GetParam().text));
}
INSTANTIATE_TEST_SUITE_P(Codes, RecordTracks,
                         ::testing::Values(TracksCase{0, "None"}, TracksCase{1, "A+V"},
                                           TracksCase{2, "8"}, TracksCase{3, "16"},
                                           TracksCase{4, "24"}, TracksCase{5, "32"},
                                           TracksCase{6, "40"}, TracksCase{7, "48"},
                                           TracksCase{0x0B, "16"}, TracksCase{0xF8, "None"}));

struct DetailsCase {
    std::uint8_t byte;
    const char* editMode;
    const char* frameRate;
    const char* recordEnable;
};
class DetailsColumn : public ::testing::TestWithParam<DetailsCase> {};
TEST_P(DetailsColumn, WritesEditModeFrameRateAndRecordEnableOnly) {
    const auto column = decode::detailsColumn(GetParam().byte);
    EXPECT_EQ(column[0], QLatin1String(GetParam().editMode));
    EXPECT_EQ(column[2], QLatin1String(GetParam().frameRate));
    EXPECT_EQ(column[7], QLatin1String(GetParam().recordEnable));
    for (const std::size_t untouched : {1u, 3u, 4u, 5u, 6u}) EXPECT_FALSE(column[untouched]);
}
INSTANTIATE_TEST_SUITE_P(Fields, DetailsColumn,
                         ::testing::Values(DetailsCase{0x00, "A+V Off", "EBU 25fps", ""},
                                           DetailsCase{0x01, "A1,A2", "EBU 25fps", ""},
                                           DetailsCase{0x02, "A1,A2,V", "EBU 25fps", ""},
                                           DetailsCase{0x03, "Assemble", "EBU 25fps", ""},
                                           DetailsCase{0x04, "A+V Off", "SMPTE 30fps", ""},
                                           DetailsCase{0x08, "A+V Off", "Film 24fps", ""},
                                           DetailsCase{0x0C, "A+V Off", "SMPTE Drop", ""},
                                           DetailsCase{0x80, "A+V Off", "EBU 25fps", "Record Enab"},
                                           DetailsCase{0x70, "A+V Off", "EBU 25fps", ""},
                                           DetailsCase{0xFF, "Assemble", "SMPTE Drop",
                                                       "Record Enab"}));

TEST(MachineTexts, LetterTagAndSonyIdentity) {
    EXPECT_EQ(decode::machineTag(1, QStringLiteral("Master")), QStringLiteral("A:Master"));
    EXPECT_EQ(decode::machineTag(6, QStringLiteral("Select")), QStringLiteral("F:Select"));
    EXPECT_EQ(decode::machineTag(2, QStringLiteral("DECK B")), QStringLiteral("B:DECK B"));
    EXPECT_EQ(decode::sonyIdText(0x20, 0x24), QStringLiteral("$2024"));
    EXPECT_EQ(decode::sonyIdText(0xBA, 0x0F), QStringLiteral("$BA0F"));
}

}  // namespace
