// The system panel, the error field and the monitored machine's offset and details.
#include "tests/window/decode_fixture.h"

#include <QPalette>

namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;

// Master position: mm position ss cc ee xx.
constexpr const char* MasterA = "19 A0 80 01 000000 00 02 00 00";
constexpr const char* MasterALater = "19 A0 80 01 015F90 00 02 00 00";

QColor background(const QLabel& label) {
    return label.palette().color(QPalette::Window);
}
QColor buttonFace(const QLabel& label) {
    return label.palette().color(QPalette::Button);
}

TEST_F(DecodeWindow, AMasterPositionTallyFillsTheSystemPanel) {
    send("19 A0 80 01 015F90 00 02 00 00");
    EXPECT_EQ(w->Position->text(), QStringLiteral("01:00:00:00"));
    EXPECT_EQ(w->MastMcn->text(), QStringLiteral("A:Master"));
    EXPECT_EQ(w->CurrMcn->text(), QStringLiteral("B:Select"));
    EXPECT_THAT(column(*w->SysStatSGrid, 1, 7),
                ElementsAre("EBU 25fps", "", "Remote", "", "", "Sys Lock", ""));
    EXPECT_EQ(w->Parsed.name, QStringLiteral("Master Poz"));
    EXPECT_EQ(w->grid2->cell(19, 1), QStringLiteral("Master Poz"));
}

TEST_F(DecodeWindow, ARepeatedMasterPositionMovesOnlyThePositionAndIsNotTraced) {
    send(MasterA);
    startCommandTrace();
    w->SysStatSGrid->setCell(1, 1, QStringLiteral("marker"));
    send(MasterALater);
    const QStringList lines = stopCommandTrace();
    EXPECT_EQ(w->Position->text(), QStringLiteral("01:00:00:00"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 1), QStringLiteral("marker"));
    EXPECT_TRUE(lines.isEmpty()) << lines.join('\n').toStdString();
}

TEST_F(DecodeWindow, AChangeOfMasterAloneRedrawsTheSystemPanelAndIsTraced) {
    send(MasterA);
    w->SysStatSGrid->setCell(1, 1, QStringLiteral("marker"));
    startCommandTrace();
    send("19 A0 80 03 000000 00 02 00 00");
    const QStringList lines = stopCommandTrace();
    EXPECT_EQ(w->MastMcn->text(), QStringLiteral("C:Master"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 1), QStringLiteral("EBU 25fps"));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_THAT(lines[0].toStdString(), EndsWith(traceTail(QStringLiteral("Master Poz"),
                                                           "19 A0 80 03 000000 00 02 00 00")));
}

TEST_F(DecodeWindow, TheErrorFieldTurnsRedForAnErrorAndBackForNone) {
    send("19 A0 80 01 000000 00 02 03 00");
    EXPECT_EQ(w->ErrorMsg->text(), QStringLiteral("3:System Not Locked!"));
    EXPECT_EQ(background(*w->ErrorMsg), QColor(Qt::red));
    EXPECT_TRUE(w->ErrorMsg->autoFillBackground());
    send("19 A0 80 01 000000 00 02 00 00");
    EXPECT_EQ(w->ErrorMsg->text(), QString());
    EXPECT_EQ(background(*w->ErrorMsg), buttonFace(*w->ErrorMsg));
    EXPECT_NE(background(*w->ErrorMsg), QColor(Qt::red));
}

TEST_F(DecodeWindow, AnErrorCodePastTheTableShowsItsNumberOnRed) {
    send("19 A0 80 01 000000 00 02 2A 00");
    EXPECT_EQ(w->ErrorMsg->text(), QStringLiteral("42: Unknown error"));
    EXPECT_EQ(background(*w->ErrorMsg), QColor(Qt::red));
}

TEST_F(DecodeWindow, TheErrorFieldKeepsItsTextThroughAReset) {
    send("19 A0 80 01 000000 00 02 19 00");
    w->clear();
    EXPECT_EQ(w->ErrorMsg->text(), QStringLiteral("25: System in Local"));
    EXPECT_EQ(background(*w->ErrorMsg), QColor(Qt::red));
}

TEST_F(DecodeWindow, AMasterPositionTallyHoldsBackTheNextFrameToSend) {
    w->Tx.open();
    send(MasterA);
    EXPECT_FALSE(w->Tx.isOpen());
}

TEST_F(DecodeWindow, AfterAResetTheSameMasterPositionRedrawsThePanel) {
    send(MasterA);
    w->clear();
    ASSERT_EQ(w->MastMcn->text(), QString());
    ASSERT_EQ(w->SysStatSGrid->cell(1, 1), QString());
    send(MasterA);
    EXPECT_EQ(w->MastMcn->text(), QStringLiteral("A:Master"));
    EXPECT_EQ(w->CurrMcn->text(), QStringLiteral("B:Select"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 1), QStringLiteral("EBU 25fps"));
}

TEST_F(DecodeWindow, AFirstMasterPositionOfMachineZeroWithZeroStatusIsDrawn) {
    send("19 A0 80 00 000000 00 00 00 00");
    EXPECT_EQ(w->SysStatSGrid->cell(1, 3), QStringLiteral("Remote"));
    EXPECT_EQ(w->MastMcn->text(), QStringLiteral("@:Master"));
}

TEST_F(DecodeWindow, TheSystemResetEmptiesThePanel) {
    send(MasterA);
    w->sysstatinit();
    EXPECT_EQ(w->Position->text(), QStringLiteral("---:---:---:---"));
    EXPECT_EQ(w->MastMcn->text(), QString());
    EXPECT_EQ(w->CurrMcn->text(), QString());
    EXPECT_THAT(column(*w->SysStatSGrid, 0, 7), ElementsAre("0,1", "2", "3", "4", "5", "6", "7"));
    EXPECT_THAT(column(*w->SysStatSGrid, 1, 7), ElementsAre("", "", "", "", "", "", ""));
    EXPECT_EQ(w->SysStatSGrid->cell(0, 0), QStringLiteral("Bit"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 0), QStringLiteral("Status S"));
    EXPECT_EQ(w->SysStatSGrid->FixedRows(), 1);
    EXPECT_EQ(w->SysStatSGrid->FixedCols(), 1);
}

TEST_F(DecodeWindow, AShortMasterPositionShowsOnlyTheFieldsItCarries) {
    send("19 A0 80 01 000000 08 02 05 00");
    // Master and position only: the system status, selection and error stay as shown.
    send("15 A0 80 03 015F90");
    EXPECT_EQ(w->Position->text(), QStringLiteral("01:00:00:00"));
    EXPECT_EQ(w->MastMcn->text(), QStringLiteral("C:Master"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 3), QStringLiteral("Local"));
    EXPECT_EQ(w->CurrMcn->text(), QStringLiteral("B:Select"));
    EXPECT_EQ(w->ErrorMsg->text(), QStringLiteral("5:Out Before In!"));
}

// ---- Offset and details ----------------------------------------------------------------------

TEST_F(DecodeWindow, AnOffsetTallyShowsTheOffsetAndSubFrames) {
    send("16 A0 82 01 0005DC 28");
    EXPECT_EQ(w->mcnoff->text(), QStringLiteral("00:01:00:00"));
    EXPECT_EQ(w->mcnsuboff->text(), QStringLiteral("40"));
    EXPECT_EQ(w->mcngrid->cell(19, 2), QStringLiteral("Mcn Offset"));
}

TEST_F(DecodeWindow, AShortOffsetTallyLeavesTheSubFrames) {
    send("16 A0 82 01 0005DC 28");
    send("15 A0 82 01 000019");
    EXPECT_EQ(w->mcnoff->text(), QStringLiteral("00:00:01:00"));
    EXPECT_EQ(w->mcnsuboff->text(), QStringLiteral("40"));
}

TEST_F(DecodeWindow, ADetailsTallyShowsIdentityTracksModesAndName) {
    send("1C A0 83 01 2024 0B 8E 565452203031");
    EXPECT_EQ(w->SonyID->text(), QStringLiteral("$2024"));
    EXPECT_EQ(w->RecTrks->text(), QStringLiteral("16"));
    EXPECT_EQ(w->mcnid->text(), QStringLiteral("A:VTR 01"));
    EXPECT_THAT(column(*w->statgrid, 4),
                ElementsAre("A1,A2,V", "", "SMPTE Drop", "", "", "", "", "Record Enab"));
    EXPECT_EQ(w->mcngrid->cell(19, 3), QStringLiteral("Mcn Details"));
}

TEST_F(DecodeWindow, DetailsOfTheMasterAndSelectedMachineNameThemInTheSystemPanel) {
    send("19 A0 80 01 000000 00 01 00 00");
    send("1C A0 83 01 2024 03 00 565452203031");
    EXPECT_EQ(w->MastMcn->text(), QStringLiteral("A:VTR 01"));
    EXPECT_EQ(w->CurrMcn->text(), QStringLiteral("A:VTR 01"));
}

TEST_F(DecodeWindow, DetailsOfAMachineNotMonitoredNameTheSelectedMachine) {
    send("19 A0 80 01 000000 00 02 00 00");
    w->statgrid->setCell(4, 1, QStringLiteral("marker"));
    send("1C A0 83 02 2024 03 00 4445434B2042");
    EXPECT_EQ(w->CurrMcn->text(), QStringLiteral("B:DECK B"));
    EXPECT_EQ(w->MastMcn->text(), QStringLiteral("A:Master"));
    // Nothing of the monitored machine's panel changes.
    EXPECT_EQ(w->mcnid->text(), QString());
    EXPECT_EQ(w->SonyID->text(), QStringLiteral("$------"));
    EXPECT_EQ(w->statgrid->cell(4, 1), QStringLiteral("marker"));
    EXPECT_EQ(w->Grid4->cell(3, 2), QStringLiteral("1"));
}

TEST_F(DecodeWindow, ALaterChangeOfSelectionPutsTheShortFormBack) {
    send("19 A0 80 01 000000 00 02 00 00");
    send("1C A0 83 02 2024 03 00 4445434B2042");
    send("19 A0 80 01 000000 00 03 00 00");
    EXPECT_EQ(w->CurrMcn->text(), QStringLiteral("C:Select"));
}

TEST_F(DecodeWindow, ADetailsTallyWithoutTheWholeNameLeavesTheNames) {
    send("19 A0 80 01 000000 00 01 00 00");
    send("1C A0 83 01 2024 03 00 565452203031");
    send("19 A0 83 01 2024 04 01 414243");
    EXPECT_EQ(w->mcnid->text(), QStringLiteral("A:VTR 01"));
    EXPECT_EQ(w->MastMcn->text(), QStringLiteral("A:VTR 01"));
    EXPECT_EQ(w->RecTrks->text(), QStringLiteral("24"));
    EXPECT_EQ(w->statgrid->cell(4, 1), QStringLiteral("A1,A2"));
}

// ---- Sony time data ---------------------------------------------------------------------------

TEST_F(DecodeWindow, SonyTimeDataShowsInTheMasterPosition) {
    send("74 00 00000010");
    EXPECT_EQ(w->Position->text(), QStringLiteral("10:00:00:00"));
    send("74 04 12344501");
    EXPECT_EQ(w->Position->text(), QStringLiteral("01:45:34:12"));
}

TEST_F(DecodeWindow, OtherSonyRepliesAndShortTimeDataLeaveTheMasterPosition) {
    send("74 00 00000010");
    send("74 05 11223344");
    EXPECT_EQ(w->Position->text(), QStringLiteral("10:00:00:00"));
    send("72 04 2211");
    EXPECT_EQ(w->Position->text(), QStringLiteral("10:00:00:00"));
}

}  // namespace
