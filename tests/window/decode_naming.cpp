// Names of the commands seen on the line: in the grids, the `command` label and the trace.
#include "tests/support/paramname.h"
#include "tests/window/decode_fixture.h"

#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;

struct ShortCase {
    const char* body;  // without the checksum
    const char* name;
};
void PrintTo(const ShortCase& c, std::ostream* os) {
    *os << c.body;
}

class ShortCommandName : public DecodeWindow, public ::testing::WithParamInterface<ShortCase> {};

TEST_P(ShortCommandName, IsShownInTheShortCommandGrid) {
    send(GetParam().body);
    EXPECT_EQ(w->grid1->cell(10, 1), QLatin1String(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ShortCommandName,
    ::testing::Values(ShortCase{"2001", "Play           "}, ShortCase{"2052", "Tension Release"},
                      ShortCase{"2003", "20 03 23 "}, ShortCase{"440000000000", "Timer-1 Preset "},
                      ShortCase{"440400000000", "TC-Gen Preset  "}, ShortCase{"4099", ""},
                      ShortCase{"610A01", "Rq Gen Time"}, ShortCase{"610C01", ""},
                      ShortCase{"61 30 00", "Rq Track Arm"}, ShortCase{"0011", "Rq Type"},
                      ShortCase{"000C", "Local Disable"}, ShortCase{"001D", "Local Enable"},
                      ShortCase{"243100000010", "Locate"}, ShortCase{"8001", ""},
                      ShortCase{"01A007", "Mcn All Data Rq"}),
    paramname::from([](const ShortCase& c) { return paramname::hexPairs(c.body); }));

TEST_F(DecodeWindow, SonyCommandsAreTracedWithTheirNamesAndALocateWithItsTarget) {
    startCommandTrace();
    send("2001");
    send("243100000010");
    send("2003");
    send("417800");
    const QStringList lines = stopCommandTrace();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_THAT(lines[0].toStdString(),
                EndsWith(traceTail(QStringLiteral("Play           "), "2001")));
    EXPECT_THAT(lines[1].toStdString(),
                EndsWith(traceTail(QStringLiteral("Locate 10:00:00:00"), "243100000010")));
    EXPECT_THAT(lines[2].toStdString(), EndsWith(traceTail(QStringLiteral("20 03 23 "), "2003")));
    EXPECT_THAT(lines[3].toStdString(),
                EndsWith(traceTail(QStringLiteral("Set Ofset      "), "417800")));
}

// ---- Extended commands -------------------------------------------------------------------

struct ExtendedCase {
    const char* body;
    const char* name;
};
void PrintTo(const ExtendedCase& c, std::ostream* os) {
    *os << c.body;
}

class ExtendedCommand : public DecodeWindow, public ::testing::WithParamInterface<ExtendedCase> {};

TEST_P(ExtendedCommand, IsNamedInTheLabelAndTraced) {
    startCommandTrace();
    send(GetParam().body);
    const QStringList lines = stopCommandTrace();
    const QString name = QLatin1String(GetParam().name);
    EXPECT_EQ(w->command->text(), name);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_THAT(lines[0].toStdString(), EndsWith(traceTail(name, GetParam().body)));
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ExtendedCommand,
    ::testing::Values(
        ExtendedCase{"01A007", "Mcn All Data Rq"}, ExtendedCase{"02A08902", "C2C Play"},
        ExtendedCase{"02A08C0D", "C2M Stop"}, ExtendedCase{"03A08B0100", "C2S Sel Machine"},
        ExtendedCase{"03A08BA18E", "C2All Chase Clear"}, ExtendedCase{"03A08BA199", "C2All "},
        ExtendedCase{"03A08BA0A1", "C2GRP Rec On"}, ExtendedCase{"03A08BA005", "C2Specifed MCNs"},
        ExtendedCase{"02A08935", "C2C Set Gen"}, ExtendedCase{"02A08944", "C2C Set Offset"},
        ExtendedCase{"01A0CB", "Macro Cmd"}, ExtendedCase{"02A08A00", ""},
        ExtendedCase{"02A08600", ""},
        // A long extended command goes to the long-command grid, named the same.
        ExtendedCase{"08A08B06210000000000", "C2S Locate & Play"}),
    paramname::from([](const ExtendedCase& c) { return paramname::hexPairs(c.body); }));

TEST_F(DecodeWindow, AnUnnamedExtendedCommandClearsTheCommandLabel) {
    send("01A007");
    ASSERT_EQ(w->command->text(), QStringLiteral("Mcn All Data Rq"));
    send("02A08A00");
    EXPECT_EQ(w->command->text(), QString());
}

TEST_F(DecodeWindow, TheCyclicDataRequestIsShownButNeverTracedNorLabelled) {
    startCommandTrace();
    send("01A007");
    send("02A08501");
    send("02A08501");
    const QStringList lines = stopCommandTrace();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_THAT(lines[0].toStdString(),
                EndsWith(traceTail(QStringLiteral("Mcn All Data Rq"), "01A007")));
    EXPECT_EQ(w->command->text(), QStringLiteral("Mcn All Data Rq"));
    EXPECT_EQ(w->grid1->cell(10, 2), QStringLiteral("Cyclic Data Enable"));
    EXPECT_EQ(w->grid1->cell(0, 2), QStringLiteral("2"));
}

TEST_F(DecodeWindow, ShortSonyCommandsLeaveTheCommandLabel) {
    send("01A007");
    send("2001");
    send("0011");
    EXPECT_EQ(w->command->text(), QStringLiteral("Mcn All Data Rq"));
}

TEST_F(DecodeWindow, ALongCommandOfAnEvenGroupIsNamedInTheLabel) {
    send("01A007");
    send("27 31 00000010 000000");
    EXPECT_EQ(w->command->text(), QStringLiteral("Locate"));
}

TEST_F(DecodeWindow, AKeyCommandPastTheFrameIsNamedFromWhatItsPlaceHolds) {
    send("01A089");  // checksum 2A stands where the key command would
    EXPECT_EQ(w->command->text(), QStringLiteral("C2C $2A"));
    send("02A08B03");  // checksum 30 folds to 20, "Locate"
    EXPECT_EQ(w->command->text(), QStringLiteral("C2S Locate"));
}

}  // namespace
