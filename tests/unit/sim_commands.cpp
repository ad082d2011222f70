// What the simulated synchroniser does with the commands on the line, and what it answers: the
// analyser's own commands must come back in the tallies.
#include "sim/model/commandframes.h"
#include "sim/model/commands.h"
#include "sim/model/keys.h"
#include "sim/model/synchroniser.h"
#include "sim/model/syserrors.h"
#include "sim/model/timecode.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace sim;

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

std::vector<QByteArray> say(Synchroniser& s, const QByteArray& f) {
    return answer(s, std::span(reinterpret_cast<const std::uint8_t*>(f.constData()),
                               static_cast<std::size_t>(f.size())));
}

void run(Synchroniser& s, int periods) {
    for (int i = 0; i < periods; ++i) s.tick();
}

TEST(SimCommands, CyclicRequestTurnsTalliesOnForFiveSecondsAndOffAtOnce) {
    Synchroniser s(6, 1);
    EXPECT_FALSE(s.cyclic());
    EXPECT_TRUE(say(s, hex("02A0850128")).empty());  // extended commands get no reply of their own
    run(s, 124);
    EXPECT_TRUE(s.cyclic());
    run(s, 1);
    EXPECT_FALSE(s.cyclic());
    say(s, hex("02A0850128"));
    say(s, hex("02A0850027"));
    EXPECT_FALSE(s.cyclic());
}

TEST(SimCommands, SelectMakesTheMachineCurrentAndPlayToCurrentRollsIt) {
    Synchroniser s(6, 1);
    say(s, hex("03A08B030031"));  // select machine C
    EXPECT_EQ(s.selected(), 3);
    say(s, cmd::toCurrent(key::Play));
    run(s, 2);
    EXPECT_EQ(s.machine(3)->transport(), Transport::Play);
    EXPECT_EQ(s.machine(1)->transport(), Transport::Stop);
}

TEST(SimCommands, SelectOfAMachineTheSystemLacksChangesNothing) {
    Synchroniser s(4, 1);
    say(s, cmd::toMachine(255, key::SelMachine));
    say(s, cmd::toMachine(5, key::SelMachine));
    EXPECT_EQ(s.selected(), 1);
}

TEST(SimCommands, KeyToMasterAndToSpecifiedMachine) {
    Synchroniser s(6, 1);
    say(s, cmd::toMaster(key::Play));
    run(s, 1);
    EXPECT_EQ(s.machine(1)->transport(), Transport::Play);
    say(s, cmd::toMachine(2, key::FwdWind));
    run(s, 1);
    EXPECT_EQ(s.machine(2)->transport(), Transport::FastFwd);
}

TEST(SimCommands, LocateCarriesItsFourTimeBytesFramesFirst) {
    Synchroniser s(6, 1);
    say(s, hex("06A08C200403020159"));  // master to 01:02:03:04
    run(s, 1);
    EXPECT_EQ(s.machine(1)->transport(), Transport::Locate);
    run(s, 200);
    EXPECT_EQ(s.machine(1)->position(), ((1 * 60 + 2) * 60 + 3) * 25 + 4);
}

TEST(SimCommands, LongLocateToASpecifiedMachine) {
    Synchroniser s(6, 1);
    say(s, hex("07A08B0120040302015D"));  // machine A to 01:02:03:04
    run(s, 200);
    EXPECT_EQ(s.machine(1)->position(), framesOf(0x04, 0x03, 0x02, 0x01));
    EXPECT_EQ(s.machine(1)->transport(), Transport::Pause);
}

TEST(SimCommands, RecordArmingAnswersWithTheReadyBitMap) {
    Synchroniser s(6, 1);
    const auto answers = say(s, hex("04A08D01000032"));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].left(5), hex("1FA0910100"));
    EXPECT_EQ(s.machine(1)->status1() & 0x08, 0x08);  // A is armed
    EXPECT_EQ(s.machine(2)->status1() & 0x08, 0x00);
}

TEST(SimCommands, RecordWithoutArmedTracksRaisesTheSystemError) {
    Synchroniser s(6, 1);
    say(s, cmd::toMachine(1, key::RecordOn));
    EXPECT_EQ(s.error(), syserr::NoTracksArmed);
    EXPECT_EQ(s.view().error, 18);
    run(s, 50);
    EXPECT_EQ(s.error(), 0);
    say(s, cmd::armTracks(0x01, 0, 0));
    say(s, cmd::toMachine(1, key::RecordOn));
    run(s, 1);
    EXPECT_EQ(s.machine(1)->transport(), Transport::RecordOn);
    EXPECT_EQ(s.systemStatus() & 0x20, 0x20);
    EXPECT_EQ(s.recordMap()[0], 0x01);
}

TEST(SimCommands, AllMachineDataRequestAnswersStatusOffsetAndDetailsOfEach) {
    Synchroniser s(3, 1);
    const auto answers = say(s, hex("01A007A8"));
    ASSERT_EQ(answers.size(), 9u);
    EXPECT_EQ(static_cast<std::uint8_t>(answers[0][2]), 0x81);
    EXPECT_EQ(static_cast<std::uint8_t>(answers[1][2]), 0x82);
    EXPECT_EQ(static_cast<std::uint8_t>(answers[8][2]), 0x83);
    EXPECT_EQ(static_cast<std::uint8_t>(answers[8][3]), 3);
}

struct SonyCase {
    const char* name;
    const char* command;
    const char* reply;  // the whole answer, checksum included
};

class SimSonyAnswers : public ::testing::TestWithParam<SonyCase> {};

TEST_P(SimSonyAnswers, AreThoseOfASonyDevice) {
    Synchroniser s(6, 1);
    const auto answers = say(s, hex(GetParam().command));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].toHex(' ').toUpper().toStdString(),
              hex(GetParam().reply).toHex(' ').toUpper().toStdString());
}

// Machine A, the master and the current machine, stands stopped at 10:00:00:00.
INSTANTIATE_TEST_SUITE_P(Commands, SimSonyAnswers,
                         ::testing::Values(SonyCase{"Play", "200121", "100111"},
                                           SonyCase{"Locate", "2431040302015F", "100111"},
                                           SonyCase{"Preset", "44000000000044", "100111"},
                                           SonyCase{"TimeSenseLtc", "610C016E", "74040000001088"},
                                           SonyCase{"TimeSenseVitc", "610C026F", "7406000000108A"},
                                           SonyCase{"DeviceType", "001111", "1211202467"},
                                           SonyCase{"StatusSense", "61200A8B",
                                                    "7A20002080000000000000003A"},
                                           SonyCase{"UnknownSense", "619900FA", "11120124"},
                                           SonyCase{"UnknownSystem", "004444", "11120124"}),
                         paramname::from([](const SonyCase& c) { return c.name; }));

TEST(SimCommands, SonyPlayRollsTheCurrentMachine) {
    Synchroniser s(6, 1);
    say(s, cmd::toMachine(2, key::SelMachine));
    say(s, hex("200121"));
    run(s, 1);
    EXPECT_EQ(s.machine(2)->transport(), Transport::Play);
}

TEST(SimCommands, RepliesOfOtherDevicesAreNotAnswered) {
    Synchroniser s(6, 1);
    EXPECT_TRUE(say(s, hex("100111")).empty());
    EXPECT_TRUE(say(s, hex("7404000000108C")).empty());
}

TEST(SimCommands, TransportKeyTakesAChasingMachineOutOfChase) {
    Synchroniser s(6, 1);
    say(s, cmd::make({0x03, 0xA0, 0x8B, 0xA1, 0x8C}));  // all machines chase on
    EXPECT_TRUE(s.machine(3)->chasing());
    say(s, cmd::toMachine(3, key::Play));
    EXPECT_FALSE(s.machine(3)->chasing());
    EXPECT_TRUE(s.machine(2)->chasing());
}

}  // namespace
