// The simulator's tallies, fed to the real analyser on a scripted line, decode to the states
// the simulator reports: a tally the analyser shows wrongly is the analyser's fault.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "link/StringGrid.h"
#include "sim/model/bus.h"
#include "sim/model/commandframes.h"
#include "sim/model/keys.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/analysertest.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>

#include <memory>

namespace {

using namespace sim;

std::span<const std::uint8_t> bytesOf(const QByteArray& f) {
    return {reinterpret_cast<const std::uint8_t*>(f.constData()),
            static_cast<std::size_t>(f.size())};
}

class SimDecoded : public AnalyserTest {
  protected:
    void TearDown() override {
        closeWindows();
        EXPECT_TRUE(testsupport::errorBoxes().isEmpty())
            << testsupport::errorBoxes().join('\n').toStdString();
    }

    // A controller's command to the simulated synchroniser.
    void command(const QByteArray& f) { bus.received(bytesOf(f)); }
    // Runs the bus for n periods and hands every frame to the analyser, one frame an event.
    void play(int periods) {
        for (int p = 0; p < periods; ++p)
            for (const QByteArray& f : bus.nextPeriod()) feedAndWait(*w->serial, *line, f);
    }
    QString text(const QLabel* l) const { return l->text(); }

    Bus bus{BusSettings{6, 50, false, 71}};
};

TEST_F(SimDecoded, AMasterLocatedArmedAndSelectedShowsAsTheSimulatorHasIt) {
    command(cmd::cyclic(true));
    command(cmd::toMachine(3, key::SelMachine));
    command(cmd::armTracks(0x01, 0x00, 0x00));
    command(cmd::locateMaster(key::Locate, 90000));  // 01:00:00:00
    play(100);

    const Synchroniser& s = bus.synchroniser();
    ASSERT_EQ(s.machine(1)->transport(), Transport::Pause);
    ASSERT_TRUE(s.machine(1)->cued());
    // The monitored machine A, as its status, offset and details tallies report it.
    EXPECT_EQ(text(w->tally), QStringLiteral("Pause"));
    EXPECT_EQ(text(w->Mcnpos), QStringLiteral("01:00:00:00"));
    EXPECT_EQ(text(w->SyncError), QStringLiteral("0"));
    EXPECT_EQ(w->statgrid->cell(1, 4), QStringLiteral("Armed"));
    EXPECT_EQ(w->statgrid->cell(1, 7), QStringLiteral("Locked"));
    EXPECT_EQ(w->statgrid->cell(2, 1), QStringLiteral("Normal"));
    EXPECT_EQ(w->statgrid->cell(2, 4), QStringLiteral("Still"));
    EXPECT_EQ(w->statgrid->cell(2, 5), QStringLiteral("Cued"));
    EXPECT_EQ(w->statgrid->cell(2, 7), QStringLiteral("Play Speed"));
    EXPECT_EQ(w->statgrid->cell(3, 1), QStringLiteral("Rec Enab"));
    EXPECT_EQ(text(w->mcnid), QStringLiteral("A:VTR 01"));
    EXPECT_EQ(text(w->SonyID), QStringLiteral("$2024"));
    EXPECT_EQ(text(w->RecTrks), QStringLiteral("A+V"));
    EXPECT_EQ(w->statgrid->cell(4, 1), QStringLiteral("Assemble"));
    EXPECT_EQ(w->statgrid->cell(4, 3), QStringLiteral("EBU 25fps"));
    EXPECT_EQ(w->statgrid->cell(4, 8), QStringLiteral("Record Enab"));
    EXPECT_EQ(text(w->mcnoff), QStringLiteral("00:00:00:00"));
    EXPECT_EQ(text(w->mcnsuboff), QStringLiteral("0"));
    // The system: master A, machine C selected, all locked, the master parked.
    EXPECT_EQ(text(w->Position), QStringLiteral("01:00:00:00"));
    EXPECT_EQ(text(w->MastMcn), QStringLiteral("A:VTR 01"));
    EXPECT_EQ(text(w->CurrMcn), QStringLiteral("C:DTR 03"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 1), QStringLiteral("EBU 25fps"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 3), QStringLiteral("Remote"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 6), QStringLiteral("Sys Lock"));
    EXPECT_EQ(w->SysStatSGrid->cell(1, 7), QString());
    // Track 1 armed and ready, nothing recording.
    EXPECT_EQ(w->edpreset->cell(1, 2), QStringLiteral("1000 0000"));
    EXPECT_EQ(w->edpreset->cell(1, 3), QStringLiteral("0000 0000"));
    EXPECT_EQ(text(w->aciaerr), QStringLiteral("0"));
}

TEST_F(SimDecoded, AChasingMachineShowsItsOffsetSyncErrorAndChaseBits) {
    command(cmd::cyclic(true));
    command(cmd::make({0x03, 0xA0, 0x8B, 0xA1, 0x8C}));  // all machines chase the master
    command(cmd::toMaster(key::Play));
    w->Grid4MouseUp(Qt::LeftButton, 0, 2);  // monitor machine B
    play(150);

    const Machine& b = *bus.synchroniser().machine(2);
    ASSERT_EQ(b.transport(), Transport::Play);
    ASSERT_TRUE(b.locked());
    EXPECT_EQ(text(w->tally), QStringLiteral("Play"));
    EXPECT_EQ(text(w->mcnid), QStringLiteral("B:VTR 02"));
    EXPECT_EQ(text(w->SonyID), QStringLiteral("$2025"));
    EXPECT_EQ(text(w->mcnoff), QStringLiteral("00:00:10:00"));
    EXPECT_EQ(text(w->mcnsuboff), QStringLiteral("12"));
    EXPECT_EQ(w->statgrid->cell(3, 4), QStringLiteral("Chase Active"));
    EXPECT_EQ(w->statgrid->cell(3, 5), QStringLiteral("Chase Grp"));
    EXPECT_EQ(w->statgrid->cell(1, 7), QStringLiteral("Locked"));
    // The sync error shown is one the simulator reported for B: sign and size within the span.
    const QString e = text(w->SyncError);
    EXPECT_TRUE(e == QStringLiteral("0") || e.startsWith(QStringLiteral("+ ")) ||
                e.startsWith(QStringLiteral("- ")))
        << e.toStdString();
    EXPECT_LE(std::abs(e.mid(2).toInt()), 4);
    // Master A runs locked.
    EXPECT_EQ(w->SysStatSGrid->cell(1, 7), QStringLiteral("Mast Lock"));
}

}  // namespace
