// The machine panel from the monitored machine's status tallies.
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
