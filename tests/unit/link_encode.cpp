// Every frame the analyser and the simulator build, byte for byte with its checksum: one row per
// kind of frame, most of them the worked examples of the protocol description.
#include "link/encode.h"
#include "link/frame.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace proto;

struct Row {
    std::string name;
    encode::Frame frame;
    std::string hex;  // the whole frame, checksum last
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.name;
}

constexpr std::uint8_t MachineA = 1;
constexpr std::uint8_t GeneralTally = 255;
constexpr encode::TimeBytes OneTwoThreeFour{0x04, 0x03, 0x02, 0x01};  // 01:02:03:04
constexpr encode::TimeBytes Midnight{0x00, 0x00, 0x00, 0x00};
constexpr encode::TimeBytes TenOClock{0x00, 0x00, 0x00, 0x10};
constexpr encode::TrackBytes Track1Armed{0x01, 0x00, 0x00};
constexpr encode::TrackBytes Track9Armed{0x00, 0x01, 0x00};
constexpr encode::TrackBytes Tracks1And2{0x03, 0x00, 0x00};
constexpr std::uint8_t VariReverseSpeed = 0x40;
constexpr std::uint8_t CyclicRequestOn = 0x01;
constexpr std::uint8_t SonyIdVtr1 = 0x20;
constexpr std::uint8_t SonyIdVtr2 = 0x24;
constexpr int Position90000 = 90000;  // 01 5F 90
constexpr int Offset1500 = 1500;      // 00 05 DC

const std::array<std::uint8_t, 4> TxFrameCyclicOn{0x02, Extended, ext::CyclicDataEnable,
                                                  CyclicRequestOn};
const std::array<std::uint8_t, 1> SpeedByte{VariReverseSpeed};
const std::array<std::uint8_t, 1> ZeroByte{0x00};
const std::array<std::uint8_t, 2> StatusBytes{0x80, 0x01};
const std::array<std::uint8_t, 1> PresetByte{0x03};
const std::array<std::uint8_t, 2> RecordTracks1{0x01, 0x00};
const std::array<std::uint8_t, 1> MacroMap{0x07};
const std::vector<std::uint8_t> Counting16{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
const std::array<encode::MachineTracks, 2> TwoMachinesWith24{{{1, 4}, {2, 4}}};
const std::array<encode::MachineTracks, 8> EightMachines{
    {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 0}}};

const std::vector<Row> Rows{
    // Any frame
    {"TxFrameCompletedBySendcmd", encode::complete(TxFrameCyclicOn), "02 A0 85 01 28"},
    {"SonyPlay", encode::message(group::Transport, transport::Play), "20 01 21"},
    {"SonyFastReverse", encode::message(group::Transport, transport::FastReverse), "20 20 40"},
    {"SonyStop", encode::message(group::Transport, transport::Stop), "20 00 20"},
    {"SonyFastForward", encode::message(group::Transport, transport::FastForward), "20 10 30"},
    {"SonyVariplayReverseAtSpeed40",
     encode::message(group::Transport, transport::VariReverse, SpeedByte), "21 22 40 83"},
    {"MessageKeepsFifteenDataBytes", encode::message(group::Sense, sense::Status, Counting16),
     "6F 20 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 07"},
    // Sony commands
    {"DeviceTypeRequest", encode::deviceTypeRequest(), "00 11 11"},
    {"SonyLocateTo01020304", encode::sonyLocate(OneTwoThreeFour), "24 31 04 03 02 01 5F"},
    {"SonyLocateToMidnight", encode::sonyLocate(Midnight), "24 31 00 00 00 00 55"},
    {"TimeSenseLtc", encode::timeSense(timerequest::Ltc), "61 0C 01 6E"},
    {"GenTimeSense", encode::genTimeSense(timerequest::Ltc), "61 0A 01 6C"},
    {"StatusSenseTenBytesFromByte0", encode::statusSense(0, 10), "61 20 0A 8B"},
    {"EditPresetSenseFourBytes", encode::editPresetSense(4), "61 30 04 95"},
    // Sony replies
    {"Ack", encode::ack(), "10 01 11"},
    {"NakUnknownCommand", encode::nak(nak::UnknownCommand), "11 12 01 24"},
    {"DeviceTypeVtr", encode::deviceType(SonyIdVtr1, SonyIdVtr2), "12 11 20 24 67"},
    {"Timer1AtTenOClock", encode::timeData(sensereply::Timer1, TenOClock), "74 00 00 00 00 10 84"},
    {"LtcAtTenOClock", encode::timeData(sensereply::Ltc, TenOClock), "74 04 00 00 00 10 88"},
    {"StatusDataTwoBytes", encode::statusData(StatusBytes), "72 20 80 01 13"},
    {"EditPresetDataOneByte", encode::editPresetData(PresetByte), "71 30 03 A4"},
    // Extended commands
    {"CyclicOn", encode::cyclicData(true), "02 A0 85 01 28"},
    {"CyclicOff", encode::cyclicData(false), "02 A0 85 00 27"},
    {"AllMachineDataRequest", encode::extendedCommand(ext::AllMachineDataRequest), "01 A0 07 A8"},
    {"ExtendedCommandWithArgument", encode::extendedCommand(0x86, ZeroByte), "02 A0 86 00 28"},
    {"PlayToCurrent", encode::toCurrent(key::Play), "02 A0 89 02 2D"},
    {"RvsWindToCurrent", encode::toCurrent(key::RvsWind), "02 A0 89 06 31"},
    {"StopToMaster", encode::toMaster(key::Stop), "02 A0 8C 0D 3B"},
    {"PlayToMaster", encode::toMaster(key::Play), "02 A0 8C 02 30"},
    {"SelectMachineA", encode::toMachine(MachineA, key::SelMachine), "03 A0 8B 01 00 2F"},
    {"PauseToGeneralTally", encode::toMachine(GeneralTally, key::Pause), "03 A0 8B FF 01 2E"},
    {"LocateCurrentTo01020304", encode::toCurrentAt(key::Locate, OneTwoThreeFour),
     "06 A0 89 20 04 03 02 01 59"},
    {"LocateMasterTo01020304", encode::toMasterAt(key::Locate, OneTwoThreeFour),
     "06 A0 8C 20 04 03 02 01 5C"},
    {"LocateMachineATo01020304", encode::toMachineAt(MachineA, key::Locate, OneTwoThreeFour),
     "07 A0 8B 01 20 04 03 02 01 5D"},
    {"AllChaseClear", encode::toAll(ext::AllChaseClear), "03 A0 8B A1 8E 5D"},
    {"GroupRecordOn", encode::toGroup(ext::GroupRecordOn), "03 A0 8B A0 A1 6F"},
    {"ArmTrack1", encode::armTracks(Track1Armed), "04 A0 8D 01 00 00 32"},
    {"ArmTrack9", encode::armTracks(Track9Armed), "04 A0 8D 00 01 00 32"},
    {"RecordEnableTracks1And2", encode::recordEnable(Tracks1And2), "04 A0 84 03 00 00 2B"},
    // Extended tallies
    {"MacroKeyDataTally", encode::extendedTally(0x95, MacroMap), "12 A0 95 07 4E"},
    {"MasterPosition", encode::masterPosition({MachineA, Position90000, 0x44, 2, 0}),
     "19 A0 80 01 01 5F 90 44 02 00 00 70"},
    {"MachineStatusPlaying",
     encode::machineStatus({MachineA, 3, 0x40, 0x48, Position90000, 0x00, 0x01}),
     "1A A0 81 01 03 40 48 01 5F 90 00 01 B8"},
    {"MachineOffset", encode::machineOffset({2, Offset1500, 40}), "16 A0 82 02 00 05 DC 28 43"},
    {"MachineDetails",
     encode::machineDetails({MachineA, SonyIdVtr1, SonyIdVtr2, 3, 0x80, "VTR 01"}),
     "1C A0 83 01 20 24 03 80 56 54 52 20 30 31 84"},
    {"MachineDetailsShortNameIsBlankFilled",
     encode::machineDetails({6, 0xF0, 0x06, 7, 0x00, "DAW"}),
     "1C A0 83 06 F0 06 07 00 44 41 57 20 20 20 7E"},
    {"MachineReadyTracks", encode::machineTracks(tallykind::MachineReady, MachineA, Tracks1And2),
     "15 A0 84 01 03 00 00 3D"},
    {"RecordBitMapTwoBytes", encode::trackBitMap(tallykind::RecordBitMap, RecordTracks1),
     "13 A0 92 01 00 46"},
    {"ReadyBitMapKeepsFourteenBytes", encode::trackBitMap(tallykind::ReadyBitMap, Counting16),
     "1F A0 91 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E B9"},
    {"TrackMapTwoMachines", encode::trackMap(TwoMachinesWith24), "15 A0 93 01 04 02 04 53"},
    {"TrackMapKeepsSevenMachines", encode::trackMap(EightMachines),
     "1F A0 93 01 01 02 02 03 03 04 04 05 05 06 06 07 07 8A"},
    {"SystemSpecification", encode::systemSpecification(6, 0, {0x02, 0x20}),
     "15 A0 94 06 00 02 20 71"},
};

class EncodedFrame : public testing::TestWithParam<Row> {};

TEST_P(EncodedFrame, CarriesExactlyTheseBytes) {
    const Row& row = GetParam();
    EXPECT_EQ(frame::hexText(row.frame.view()).trimmed().toStdString(), row.hex);
    EXPECT_EQ(row.frame.size, static_cast<std::size_t>(frame::length(row.frame.bytes[0])));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EncodedFrame, testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

}  // namespace
