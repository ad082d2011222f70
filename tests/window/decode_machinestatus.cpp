// The machine panel from the monitored machine's status tallies.
#include "tests/support/paramname.h"
#include "tests/window/decode_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;

// Status tally of machine 1 (monitored from start-up): tt s1 s2 position ee s3.
constexpr const char* Stopped = "1A A0 81 01 01 00 00 000000 00 00";
constexpr const char* StoppedLater = "1A A0 81 01 01 00 00 015F90 00 00";  // 90000 frames on
constexpr const char* PlayingReversed = "1A A0 81 01 03 81 C0 123456 85 5A";

TEST_F(DecodeWindow, AStatusTallyFillsTheWholeMachinePanel) {
    send(PlayingReversed);
    EXPECT_EQ(w->tally->text(), QStringLiteral("Play"));
    EXPECT_EQ(w->Mcnpos->text(), QStringLiteral("13:15:21:21"));  // 1193046 frames
    EXPECT_EQ(w->SyncError->text(), QStringLiteral("- 5"));
    EXPECT_THAT(column(*w->statgrid, 1),
                ElementsAre("Input Mon", "", "", "", "", "", "Locked", "Reverse"));
    EXPECT_THAT(column(*w->statgrid, 2),
                ElementsAre("Normal", "", "", "", "", "", "Slow Speed", ""));
    EXPECT_THAT(column(*w->statgrid, 3),
                ElementsAre("", "", "", "Chase Active", "Chase Grp", "", "Ram Scrub", ""));
    EXPECT_EQ(w->Parsed.name, QStringLiteral("Mcn status"));
    EXPECT_EQ(w->mcngrid->cell(19, 1), QStringLiteral("Mcn status"));
}

TEST_F(DecodeWindow, ARepeatedStatusMovesOnlyThePositionAndIsNotTraced) {
    startCommandTrace();
    send(Stopped);
    w->tally->setText(QStringLiteral("marker"));
    send(StoppedLater);
    const QStringList lines = stopCommandTrace();
    EXPECT_EQ(w->Mcnpos->text(), QStringLiteral("01:00:00:00"));
    EXPECT_EQ(w->tally->text(), QStringLiteral("marker"));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_THAT(lines[0].toStdString(), EndsWith(traceTail(QStringLiteral("Mcn status"), Stopped)));
}

TEST_F(DecodeWindow, AChangeOfTheSyncErrorAloneRedrawsThePanel) {
    send(Stopped);
    w->tally->setText(QStringLiteral("marker"));
    startCommandTrace();
    send("1A A0 81 01 01 00 00 000000 05 00");
    const QStringList lines = stopCommandTrace();
    EXPECT_EQ(w->SyncError->text(), QStringLiteral("+ 5"));
    EXPECT_EQ(w->tally->text(), QStringLiteral("Stop"));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_THAT(lines[0].toStdString(), EndsWith(traceTail(QStringLiteral("Mcn status"),
                                                           "1A A0 81 01 01 00 00 000000 05 00")));
}

struct BytesCase {
    const char* body;
    int col;
    std::array<const char*, 8> rows;
};
void PrintTo(const BytesCase& c, std::ostream* os) {
    *os << c.body;
}

class StatusColumn : public DecodeWindow, public ::testing::WithParamInterface<BytesCase> {};

TEST_P(StatusColumn, ShowsTheBitsOfItsByte) {
    send(GetParam().body);
    const QStringList shown = column(*w->statgrid, GetParam().col);
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(shown[r], QLatin1String(GetParam().rows[static_cast<std::size_t>(r)]))
            << "row " << r + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, StatusColumn,
    ::testing::Values(
        BytesCase{"1A A0 81 01 01 00 00 000000 00 00", 1, {"", "", "", "", "", "", "Locked", ""}},
        BytesCase{"1A A0 81 01 01 FF 00 000000 00 00",
                  1,
                  {"Input Mon", "Rehearse", "Rec Inhibit", "Armed", "Goto", "Record", "Not Lock",
                   "Reverse"}},
        BytesCase{"1A A0 81 01 01 00 C0 000000 00 00",
                  2,
                  {"Normal", "", "", "", "", "", "Slow Speed", ""}},
        BytesCase{"1A A0 81 01 01 00 5A 000000 00 00",
                  2,
                  {"Tape End", "", "", "Still", "Cued", "", "Fast Speed", ""}},
        BytesCase{
            "1A A0 81 01 01 00 00 000000 00 FF",
            3,
            {"Rec Enab", "", "", "Chase Active", "Chase Grp", "Prog Ply", "Ram Scrub", "Field 1"}}),
    paramname::from([](const BytesCase& c) { return paramname::hexPairs(c.body); }));

struct TextCase {
    const char* body;
    const char* text;
};
void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.body;
}

class TransportStateLabel : public DecodeWindow, public ::testing::WithParamInterface<TextCase> {};
TEST_P(TransportStateLabel, NamesTheStateOrShowsItsNumber) {
    send(GetParam().body);
    EXPECT_EQ(w->tally->text(), QLatin1String(GetParam().text));
}
INSTANTIATE_TEST_SUITE_P(
    Codes, TransportStateLabel,
    ::testing::Values(TextCase{"1A A0 81 01 13 00 00 000000 00 00", "Record On"},
                      TextCase{"1A A0 81 01 00 00 00 000000 00 00", "0"},
                      TextCase{"1A A0 81 01 14 00 00 000000 00 00", "20"}),
    paramname::from([](const TextCase& c) { return paramname::hexPairs(c.body); }));

TEST_F(DecodeWindow, AfterAResetTheSameStatusRedrawsThePanel) {
    send(PlayingReversed);
    w->clear();
    ASSERT_EQ(w->tally->text(), QString());
    ASSERT_EQ(w->SyncError->text(), QStringLiteral("---"));
    send(PlayingReversed);
    EXPECT_EQ(w->tally->text(), QStringLiteral("Play"));
    EXPECT_EQ(w->SyncError->text(), QStringLiteral("- 5"));
    EXPECT_EQ(w->statgrid->cell(1, 8), QStringLiteral("Reverse"));
}

TEST_F(DecodeWindow, AFirstTallyWithAllStatusBytesZeroIsDrawn) {
    ASSERT_EQ(w->SyncError->text(), QStringLiteral("---"));
    send("1A A0 81 01 00 00 00 000000 00 00");
    EXPECT_EQ(w->tally->text(), QStringLiteral("0"));
    EXPECT_EQ(w->SyncError->text(), QStringLiteral("0"));
    EXPECT_EQ(w->statgrid->cell(1, 7), QStringLiteral("Locked"));
    EXPECT_EQ(w->statgrid->cell(2, 1), QStringLiteral("Normal"));
}

TEST_F(DecodeWindow, AShortStatusTallyShowsOnlyTheBytesItCarries) {
    send(PlayingReversed);
    w->statgrid->setCell(3, 4, QStringLiteral("marker"));
    // Machine, state and status byte 1 only: the earlier frame's bytes stay where they were.
    send("14 A0 81 01 09 FF");
    EXPECT_EQ(w->tally->text(), QStringLiteral("Fast Fwd"));
    EXPECT_EQ(w->statgrid->cell(1, 1), QStringLiteral("Input Mon"));
    EXPECT_EQ(w->statgrid->cell(1, 2), QStringLiteral("Rehearse"));
    EXPECT_EQ(w->statgrid->cell(2, 7), QStringLiteral("Slow Speed"));
    EXPECT_EQ(w->statgrid->cell(3, 4), QStringLiteral("marker"));
    EXPECT_EQ(w->SyncError->text(), QStringLiteral("- 5"));
    EXPECT_EQ(w->Mcnpos->text(), QStringLiteral("13:15:21:21"));
}

TEST_F(DecodeWindow, AShortStatusTallyRepeatingWhatItCarriesIsNotAChange) {
    send(PlayingReversed);
    startCommandTrace();
    send("15 A0 81 01 03 81 0F");  // state and status byte 1 as before; status byte 2 differs
    send("14 A0 81 01 03 81");     // only bytes already seen
    const QStringList lines = stopCommandTrace();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_THAT(lines[0].toStdString(),
                EndsWith(traceTail(QStringLiteral("Mcn status"), "15 A0 81 01 03 81 0F")));
    EXPECT_EQ(w->statgrid->cell(2, 1), QStringLiteral("No Comms"));
}

TEST_F(DecodeWindow, AnotherMachinesStatusIsOnlyCounted) {
    send(PlayingReversed);
    send("1A A0 81 03 05 00 00 000000 00 00");
    EXPECT_EQ(w->tally->text(), QStringLiteral("Play"));
    EXPECT_EQ(w->Grid4->cell(1, 3), QStringLiteral("1"));
}

TEST_F(DecodeWindow, TheMachineResetEmptiesThePanel) {
    send(PlayingReversed);
    send("1C A0 83 01 2024 0B 03 564652203031");
    w->mcnstatinit();
    EXPECT_EQ(w->Mcnpos->text(), QStringLiteral("---:---:---:---"));
    EXPECT_EQ(w->mcnoff->text(), QStringLiteral("---:---:---:---"));
    EXPECT_EQ(w->mcnsuboff->text(), QStringLiteral("---"));
    EXPECT_EQ(w->RecTrks->text(), QStringLiteral("---"));
    EXPECT_EQ(w->SyncError->text(), QStringLiteral("---"));
    EXPECT_EQ(w->tally->text(), QString());
    EXPECT_EQ(w->mcnid->text(), QString());
    EXPECT_EQ(w->SonyID->text(), QStringLiteral("$------"));
    EXPECT_THAT(column(*w->statgrid, 1), ElementsAre("", "", "", "", "", "", "", ""));
    EXPECT_THAT(column(*w->statgrid, 4), ElementsAre("", "", "", "", "", "", "", ""));
    EXPECT_THAT(column(*w->statgrid, 0), ElementsAre("0", "1", "2", "3", "4", "5", "6", "7"));
    EXPECT_THAT(column(*w->statbitsno, 0), ElementsAre("0", "1", "2", "3", "4", "5", "6", "7"));
    EXPECT_EQ(w->statgrid->cell(4, 0), QStringLiteral("Status4"));
    EXPECT_EQ(w->statbitsno->cell(0, 0), QStringLiteral("Bit"));
    EXPECT_EQ(w->statgrid->FixedRows(), 1);
    EXPECT_EQ(w->statgrid->FixedCols(), 1);
}

}  // namespace
