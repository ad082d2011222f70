// The simulator's tallies follow the byte tables of the extended protocol exactly, so that a
// tally the analyser decodes wrongly is the analyser's fault.
#include "sim/model/framer.h"
#include "sim/model/machine.h"
#include "sim/model/tallies.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace {

using namespace sim;

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

Machine machineA() {
    return Machine(1, MachineSetups[0], 0x015F90);
}  // 01:00:00:00

TEST(SimTallies, MasterPositionCarriesMasterPositionStatusSelectionAndError) {
    const tally::SystemView view{1, 0x0DBBA0, 0x80, 3, 18};
    // 19 A0 80 | master 01 | position 0D BB A0 | status 80 | selected 03 | error 12 | spare 00
    EXPECT_EQ(tally::masterPosition(view), hex("19A080010DBBA08003120037"));
}

TEST(SimTallies, MachineStatusCarriesStateStatusBytesPositionAndSyncError) {
    const Machine m = machineA();
    // 1A A0 81 | machine 01 | Stop 01 | s1 00 (locked) | s2 00 | 01 5F 90 | error 00 | s3 01
    EXPECT_EQ(tally::machineStatus(m), hex("1AA0810101000001 5F9000012E"));
}

TEST(SimTallies, MachineOffsetCarriesFramesAndSubFrames) {
    const Machine b(2, MachineSetups[1], 0);
    // 16 A0 82 | machine 02 | offset 00 00 FA (10 s) | sub-frames 0C
    EXPECT_EQ(tally::machineOffset(b).left(8), hex("16A0820200 00FA0C"));
}

TEST(SimTallies, MachineDetailsCarriesSonyIdTracksModeAndName) {
    const QByteArray t = tally::machineDetails(machineA());
    // 1C A0 83 | machine 01 | Sony ID 20 24 | tracks A+V | Assemble, EBU, record enable | name
    EXPECT_EQ(t.left(8), hex("1CA083012024 0183"));
    EXPECT_EQ(t.mid(8, 6), QByteArray("VTR 01"));
}

TEST(SimTallies, BitMapsAnnounceTheBytesTheyCarry) {
    const std::array<std::uint8_t, 14> full{0x01};
    EXPECT_EQ(tally::trackBitMap(tally::ReadyBitMap, full).left(4), hex("1FA09101"));
    const std::array<std::uint8_t, 2> two{0x03, 0x80};
    EXPECT_EQ(tally::trackBitMap(tally::RecordBitMap, two).left(5), hex("13A0920380"));
}

struct Built {
    const char* kind;
    std::function<QByteArray()> build;
};

class EveryTally : public ::testing::TestWithParam<Built> {};

TEST_P(EveryTally, IsOneGoodExtendedFrame) {
    const QByteArray t = GetParam().build();
    LineFramer framer;
    const auto items = framer.push(t);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_TRUE(items[0].isFrame);
    EXPECT_EQ(static_cast<std::uint8_t>(t[0]) >> 4, 1);  // group 1: a reply
    EXPECT_EQ(static_cast<std::uint8_t>(t[1]), 0xA0);
}

const std::array<std::uint8_t, 3> Tracks{0x0F, 0, 0};
const Machine Machines[] = {machineA(), Machine(2, MachineSetups[1], 0)};

INSTANTIATE_TEST_SUITE_P(
    Kinds, EveryTally,
    ::testing::Values(
        Built{"master",
              [] {
                  return tally::masterPosition({1, 123456, 0x40, 2, 0});
              }},
        Built{"status", [] { return tally::machineStatus(machineA()); }},
        Built{"offset", [] { return tally::machineOffset(machineA()); }},
        Built{"details", [] { return tally::machineDetails(machineA()); }},
        Built{"ready", [] { return tally::machineTracks(tally::MachineReady, 1, Tracks); }},
        Built{"record", [] { return tally::machineTracks(tally::MachineRecord, 1, Tracks); }},
        Built{"readymap", [] { return tally::trackBitMap(tally::ReadyBitMap, Tracks); }},
        Built{"trackmap", [] { return tally::trackMap(Machines); }},
        Built{"systemSpecification", [] { return tally::systemSpecification(6, 0); }}),
    paramname::from([](const Built& b) { return b.kind; }));

}  // namespace
