// A simulated machine moves and reports the way a synchroniser's machine does: 25 frames a
// second in play, status bits that follow its transport, locates that end cued.
#include "sim/model/machine.h"
#include "sim/model/rng.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace sim;

constexpr int Start = 900000;  // 10:00:00:00

struct Fixture {
    Machine m{1, MachineSetups[0], Start};
    SimRandom rng{1};
    void run(int periods) {
        for (int i = 0; i < periods; ++i) m.tick(rng);
    }
};

TEST(SimMachine, PlayRunsAtTwentyFiveFramesASecond) {
    Fixture f;
    f.m.play();
    f.run(25);
    EXPECT_EQ(f.m.position(), Start + 25);
    EXPECT_EQ(f.m.transport(), Transport::Play);
}

struct StateCase {
    const char* name;
    std::function<void(Machine&)> act;
    Transport state;
    std::uint8_t s1Set;  // status byte 1 bits that must be set
    std::uint8_t s2;     // status byte 2 (tape condition, still, cued, speed)
};

class SimMachineStatus : public ::testing::TestWithParam<StateCase> {};

TEST_P(SimMachineStatus, BytesFollowTheTransport) {
    Fixture f;
    GetParam().act(f.m);
    f.run(2);
    EXPECT_EQ(f.m.transport(), GetParam().state);
    EXPECT_EQ(f.m.status1() & GetParam().s1Set, GetParam().s1Set);
    EXPECT_EQ(f.m.status2(), GetParam().s2);
}

INSTANTIATE_TEST_SUITE_P(
    States, SimMachineStatus,
    ::testing::Values(
        StateCase{"Stop", [](Machine& m) { m.stop(); }, Transport::Stop, 0x00, 0x00},
        StateCase{"Pause", [](Machine& m) { m.pause(); }, Transport::Pause, 0x00, 0x08},
        StateCase{"PlayBeforeLock", [](Machine& m) { m.play(); }, Transport::Play, 0x40, 0x00},
        StateCase{"FastFwd", [](Machine& m) { m.wind(true); }, Transport::FastFwd, 0x40, 0x40},
        StateCase{"FastRvs", [](Machine& m) { m.wind(false); }, Transport::FastRvs, 0xC0, 0x40},
        StateCase{"Shuttle", [](Machine& m) { m.shuttle(true); }, Transport::ShuttleFwd, 0x40,
                  0x80},
        StateCase{"Jog", [](Machine& m) { m.jog(false); }, Transport::JogRvs, 0xC0, 0x80},
        StateCase{"Locate", [](Machine& m) { m.locate(Start + 100000, false); }, Transport::Locate,
                  0x50, 0x40},
        StateCase{"Record", [](Machine& m) { m.record(true); }, Transport::RecordOn, 0x60, 0x00}),
    paramname::from([](const StateCase& c) { return c.name; }));

TEST(SimMachine, LocateEndsPausedAndCuedOnTheTarget) {
    Fixture f;
    f.m.locate(Start - 1000, false);
    f.run(10);
    EXPECT_EQ(f.m.position(), Start - 1000);
    EXPECT_EQ(f.m.transport(), Transport::Pause);
    EXPECT_TRUE(f.m.cued());
    EXPECT_EQ(f.m.status2() & 0x10, 0x10);
}

TEST(SimMachine, LocateAndPlayRollsFromTheTarget) {
    Fixture f;
    f.m.locate(Start + 600, true);
    f.run(5);
    EXPECT_EQ(f.m.transport(), Transport::Play);
    EXPECT_GT(f.m.position(), Start + 600);
}

TEST(SimMachine, SyncErrorPullsInThenWandersWithinTheLockedSpan) {
    Fixture f;
    f.m.play();
    f.m.tick(f.rng);
    EXPECT_FALSE(f.m.locked());
    EXPECT_GT(f.m.syncError(), 4);
    int seenNonZero = 0;
    for (int i = 0; i < 500; ++i) {
        f.m.tick(f.rng);
        if (i < 20) continue;
        ASSERT_TRUE(f.m.locked());
        ASSERT_LE(std::abs(f.m.syncError()), 4);
        if (f.m.syncError() != 0) ++seenNonZero;
    }
    EXPECT_GT(seenNonZero, 0);
}

TEST(SimMachine, SyncErrorByteIsSignAndSize) {
    Fixture f;
    f.m.play();
    for (int i = 0; i < 2000; ++i) {
        f.m.tick(f.rng);
        const int e = f.m.syncError();
        const std::uint8_t b = f.m.syncErrorByte();
        ASSERT_EQ((b & 0x80) != 0, e < 0);
        ASSERT_EQ(b & 0x7F, std::abs(e));
    }
}

TEST(SimMachine, RewindingOffTheHeadStopsAtTapeStart) {
    Machine m(1, MachineSetups[0], 120);
    SimRandom rng(1);
    m.wind(false);
    for (int i = 0; i < 5; ++i) m.tick(rng);
    EXPECT_EQ(m.position(), 0);
    EXPECT_EQ(m.transport(), Transport::Stop);
    EXPECT_EQ(m.status2() & 0x07, Machine::TapeStart);
}

TEST(SimMachine, ChasingMachineCatchesUpAndRunsAtItsOffset) {
    Machine master(1, MachineSetups[0], Start);
    Machine b(2, MachineSetups[1], Start - 5000);
    SimRandom rng(3);
    b.setChase(true);
    master.play();
    for (int i = 0; i < 60; ++i) {
        master.tick(rng);
        b.follow(master, rng);
    }
    EXPECT_EQ(b.position(), master.position() + MachineSetups[1].offset);
    EXPECT_EQ(b.transport(), Transport::Play);
    EXPECT_EQ(b.status3() & 0x08, 0x08);  // chase active
}

}  // namespace
