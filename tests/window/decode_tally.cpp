// Tally names, the logical record track grid and the frame held back until a tally.
#include "serial/AppError.h"
#include "tests/support/paramname.h"
#include "tests/window/decode_fixture.h"

#include <QStringList>

namespace {

using ::testing::Each;
using ::testing::ElementsAre;

constexpr const char* Placeholder = "xxxx xxxx";

QStringList trackRow(const StringGrid& grid, int row) {
    QStringList cells;
    for (int c = 1; c <= 14; ++c) cells << grid.cell(c, row);
    return cells;
}

TEST_F(DecodeWindow, AFullReadyBitMapFillsTheReadyRow) {
    send("1F A0 91 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 80");
    const QStringList row = trackRow(*w->edpreset, 2);
    EXPECT_EQ(row[0], QStringLiteral("1000 0000"));  // track 1 ready
    EXPECT_EQ(row[1], QStringLiteral("0100 0000"));
    EXPECT_EQ(row[2], QStringLiteral("1100 0000"));
    EXPECT_EQ(row[12], QStringLiteral("1011 0000"));
    EXPECT_EQ(row[13], QStringLiteral("0000 0001"));  // track 112
    EXPECT_EQ(w->edpreset->cell(1, 0), QStringLiteral("1 - 8"));
    EXPECT_EQ(w->Parsed.name, QStringLiteral("Ready Bit Map"));
    EXPECT_EQ(w->grid2->cell(19, 2), QStringLiteral("Ready Bit Map"));
}

TEST_F(DecodeWindow, TheRecordEnableCommandFillsTheCommandRow) {
    send("03 A0 84 81 18");
    const QStringList row = trackRow(*w->edpreset, 1);
    EXPECT_EQ(row[0], QStringLiteral("1000 0001"));
    EXPECT_EQ(row[1], QStringLiteral("0001 1000"));
    EXPECT_THAT(row.mid(2), Each(QString::fromLatin1(Placeholder)));
    EXPECT_EQ(w->command->text(), QStringLiteral("Logical Record Enable"));
    EXPECT_EQ(w->grid1->cell(10, 1), QStringLiteral("Logical Record Enable"));
    EXPECT_THAT(trackRow(*w->edpreset, 2), Each(QString::fromLatin1(Placeholder)));
}

TEST_F(DecodeWindow, AnEditPresetTallyFillsTheReadyRowItCarries) {
    send("1F A0 91 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 80");
    send("72 30 01 80");
    const QStringList row = trackRow(*w->edpreset, 2);
    EXPECT_EQ(row[0], QStringLiteral("1000 0000"));
    EXPECT_EQ(row[1], QStringLiteral("0000 0001"));
    EXPECT_EQ(row[2], QString());
    EXPECT_EQ(row[3], QString());
    EXPECT_EQ(row[4], QStringLiteral("1010 0000"));
}

TEST_F(DecodeWindow, TheTrackGridResetShowsHeadersAndPlaceholders) {
    send("1F A0 91 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 80");
    w->clear();
    EXPECT_THAT(trackRow(*w->edpreset, 0),
                ElementsAre("1 - 8", "9 - 16", "17 - 24", "25 - 32", "33 - 40", "41 - 48",
                            "49 - 56", "57 - 64", "65 - 72", "73 - 80", "81 - 88", "89 - 96",
                            "97 - 104", "105 - 112"));
    EXPECT_THAT(column(*w->edpreset, 0, 3), ElementsAre("Cmd", "Ready", "Record"));
    for (int row = 1; row <= 3; ++row) {
        EXPECT_THAT(trackRow(*w->edpreset, row), Each(QString::fromLatin1(Placeholder)));
    }
    EXPECT_EQ(w->edpreset->cell(0, 0), QString());
    EXPECT_EQ(w->edpreset->FixedRows(), 1);
    EXPECT_EQ(w->edpreset->FixedCols(), 1);
}

// ---- Tally names --------------------------------------------------------------------------

struct NameCase {
    const char* body;
    int grid;  // 2: grid2, 3: mcngrid
    int row;
    const char* name;
};
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.body;
}

class TallyName : public DecodeWindow, public ::testing::WithParamInterface<NameCase> {};

TEST_P(TallyName, IsShownInItsGridRow) {
    send(GetParam().body);
    const StringGrid& grid = GetParam().grid == 2 ? *w->grid2 : *w->mcngrid;
    EXPECT_EQ(grid.cell(19, GetParam().row), QLatin1String(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TallyName,
    ::testing::Values(
        NameCase{"11 A0 00", 2, 2, "Sys Data Len"}, NameCase{"12 A0 02 01", 2, 2, "Mcn Status"},
        NameCase{"12 A0 03 01", 2, 2, "Mcn Details"}, NameCase{"11 A0 06", 2, 2, "Mcn Config Data"},
        NameCase{"11 A0 88", 2, 2, "Iface Config Data"},
        NameCase{"11 A0 90", 2, 2, "System Config Data"},
        NameCase{"11 A0 93", 2, 2, "Logical track Map"},
        NameCase{"11 A0 96", 2, 2, "M4Byte+MacroBit*3+M8Byte"},
        NameCase{"11 A0 97", 2, 2, "MacroMom*8+Tally*4"}, NameCase{"11 A0 07", 2, 2, ""},
        NameCase{"11 A0 7F", 2, 2, ""}, NameCase{"11 A0 98", 2, 2, ""},
        NameCase{"12 A0 84 01", 3, 4, "Mcn Ready Data"},
        NameCase{"12 A0 85 01", 3, 5, "Mcn Record Data"}, NameCase{"12 A0 86 01", 3, 6, ""},
        NameCase{"12 A0 87 01", 3, 6, ""}),
    paramname::from([](const NameCase& c) { return paramname::hexPairs(c.body); }));

// ---- The held frame ---------------------------------------------------------------------------

class HeldFrame : public DecodeWindow {
  protected:
    // A master-position tally stops sending; the next frame to send waits.
    void holdAFrame() {
        send("19 A0 80 01 000000 00 01 00 00");
        ASSERT_FALSE(w->Tx.isOpen());
        w->TxFrame = {0x20, 0x01};
        w->sendcmd();
        ASSERT_EQ(w->Tx.held(), QByteArray::fromHex("200121"));
        line->takeWritten();
    }
    // What the window writes to the line until it equals `expected` (or time runs out).
    QByteArray writtenUntil(const QByteArray& expected) {
        QByteArray out;
        waitFor([&] {
            out += line->takeWritten();
            return out == expected;
        });
        return out;
    }
};

TEST_F(HeldFrame, GoesOutRightAfterTheNextTally) {
    holdAFrame();
    send("11 A0 90");
    EXPECT_EQ(writtenUntil(QByteArray::fromHex("200121")), QByteArray::fromHex("200121"));
    EXPECT_TRUE(w->Tx.held().isEmpty());
}

TEST_F(HeldFrame, GoesOutAfterATallyWithoutAName) {
    holdAFrame();
    send("12 A0 86 01");
    EXPECT_EQ(writtenUntil(QByteArray::fromHex("200121")), QByteArray::fromHex("200121"));
}

TEST_F(HeldFrame, StaysHeldAfterAnotherMachinesTally) {
    holdAFrame();
    send("1A A0 81 03 01 00 00 000000 00 00");
    waitForDispatchPasses(*w->serial);
    EXPECT_EQ(line->takeWritten(), QByteArray());
    EXPECT_EQ(w->Tx.held(), QByteArray::fromHex("200121"));
}

TEST_F(HeldFrame, StaysHeldAfterACommand) {
    holdAFrame();
    send("01 A0 07");
    waitForDispatchPasses(*w->serial);
    EXPECT_EQ(line->takeWritten(), QByteArray());
    EXPECT_EQ(w->Tx.held(), QByteArray::fromHex("200121"));
}

TEST_F(HeldFrame, StaysHeldWhenThePortRefusesIt) {
    holdAFrame();
    w->serial->setOpen(false);
    const QByteArray tally = framed("11 A0 90");
    std::copy(tally.begin(), tally.end(), w->Rx.frame.begin());
    w->Rx.length = static_cast<int>(tally.size());
    EXPECT_THROW(w->parseinput(), AppError);
    EXPECT_EQ(w->Tx.held(), QByteArray::fromHex("200121"));
}

}  // namespace
