// The status panels' decoders on their own: a received frame (and the reference copy and the
// machines the panel shows) in, the values the main window writes into its panels out. How the
// window writes them, traces them and resets its panels is tested through the window
// (tests/window/decode_*.cpp) and the golden corpus (tests/data).
#include "decode/machinepanel.h"
#include "decode/systempanel.h"
#include "decode/trackmap.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

// In a row's list of earlier frames: the reference copy is forgotten here, as a reset does.
constexpr const char* Forget = "forget";

// The receive buffer: a frame is written over what earlier frames left there, so that a short
// frame has bytes of another frame behind it, as in the analyser.
class ReceiveBuffer {
  public:
    // `whole`: the frame's hex pairs, checksum included.
    void receive(const char* whole) {
        QByteArray bytes;
        if (!frame::parseHex(QString::fromLatin1(whole), bytes) || bytes.size() < 3) {
            ADD_FAILURE() << "not a frame: " << whole;
            return;
        }
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        const std::span<const std::uint8_t> all(data, static_cast<std::size_t>(bytes.size()));
        EXPECT_EQ(bytes.size(), frame::length(all[0]))
            << "the count in CMD1 does not match the bytes: " << whole;
        EXPECT_EQ(frame::complete(all.first(all.size() - 1)), bytes)
            << "the checksum is wrong: " << whole;
        std::copy(all.begin(), all.end(), rx_.begin());
        length_ = static_cast<int>(all.size());
    }
    const frame::Bytes& rx() const { return rx_; }
    int length() const { return length_; }

  private:
    frame::Bytes rx_{};
    int length_ = 0;
};

// Earlier frames go through the buffer; each is taken into the reference as a tally that changed
// the panel, or the reference is forgotten at `Forget`.
void receiveEarlier(const std::vector<const char*>& earlier, ReceiveBuffer& buffer,
                    decode::TallyReference& reference) {
    for (const char* item : earlier) {
        if (std::string_view(item) == Forget) {
            reference.forget();
            continue;
        }
        buffer.receive(item);
        reference.take(buffer.rx(), buffer.length());
    }
}

void expectText(const std::optional<QString>& seen, const char* expected, std::string_view what) {
    if (expected == nullptr) {
        EXPECT_FALSE(seen.has_value()) << what << " is set: " << seen->toStdString();
        return;
    }
    ASSERT_TRUE(seen.has_value()) << what << " is not set";
    EXPECT_EQ(seen->toStdString(), std::string(expected)) << what;
}

// A grid column, row 1 first; nullptr for a row the decoder leaves as it is.
using Rows = std::array<const char*, 8>;

void expectColumn(const std::optional<decode::ColumnTexts>& seen, const std::optional<Rows>& rows,
                  std::string_view what) {
    if (!rows) {
        EXPECT_FALSE(seen.has_value()) << what << " is set";
        return;
    }
    ASSERT_TRUE(seen.has_value()) << what << " is not set";
    for (std::size_t i = 0; i < rows->size(); ++i) {
        expectText((*seen)[i], (*rows)[i], std::string(what) + " row " + std::to_string(i + 1));
    }
}

// A machine label's number and text: "A:Master", "B:DECK B".
struct Machine {
    int number;
    const char* text;
};

void expectMachine(const std::optional<decode::MachineShown>& seen,
                   const std::optional<Machine>& expected, std::string_view what) {
    if (!expected) {
        EXPECT_FALSE(seen.has_value()) << what << " is set: " << seen->text.toStdString();
        return;
    }
    ASSERT_TRUE(seen.has_value()) << what << " is not set";
    EXPECT_EQ(seen->number, expected->number) << what;
    EXPECT_EQ(seen->text.toStdString(), std::string(expected->text)) << what;
}

// ---- Machine status -----------------------------------------------------------------------------
//   1A A0 81 mm tt s1 s2 pp pp pp ee s3 cs

constexpr const char* Stopped = "1A A0 81 01 01 00 00 00 00 00 00 00 3D";
constexpr const char* PlayingReversed = "1A A0 81 01 03 81 C0 12 34 56 85 5A FB";

constexpr const char* Kept = nullptr;  // a row the decoder leaves as it is
constexpr Rows Status1Clear{"", "", "", "", "", "", "Locked", ""};
constexpr Rows Status1InputMonReverse{"Input Mon", "", "", "", "", "", "Locked", "Reverse"};
constexpr Rows Status1AllSet{"Input Mon", "Rehearse", "Rec Inhibit", "Armed",
                             "Goto",      "Record",   "Not Lock",    "Reverse"};
constexpr Rows Status2Clear{"Normal", Kept, Kept, "", "", Kept, "Play Speed", Kept};
constexpr Rows Status2SlowSpeed{"Normal", Kept, Kept, "", "", Kept, "Slow Speed", Kept};
constexpr Rows Status2TapeEndStillCuedFast{"Tape End", Kept, Kept,         "Still",
                                           "Cued",     Kept, "Fast Speed", Kept};
constexpr Rows Status3Clear{"", Kept, Kept, "", "", "", "", ""};
constexpr Rows Status3ChaseRamScrub{"",          Kept, Kept,        "Chase Active",
                                    "Chase Grp", "",   "Ram Scrub", ""};
constexpr Rows Status3AllSet{"Rec Enab",  Kept,       Kept,        "Chase Active",
                             "Chase Grp", "Prog Ply", "Ram Scrub", "Field 1"};

struct StatusCase {
    const char* name;
    std::vector<const char*> earlier = {};  // taken into the reference before `frame`
    const char* frame;
    // Expected; nullptr and nullopt for a value not set.
    const char* position = nullptr;
    bool changed = false;
    const char* state = nullptr;
    std::optional<Rows> status1 = std::nullopt;
    std::optional<Rows> status2 = std::nullopt;
    const char* syncError = nullptr;
    std::optional<Rows> status3 = std::nullopt;
};
void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.frame;
}

class MachineStatusPanel : public ::testing::TestWithParam<StatusCase> {};

TEST_P(MachineStatusPanel, ShowsWhatTheTallyCarriesWhenItsStatusChanged) {
    const StatusCase& c = GetParam();
    ReceiveBuffer buffer;
    decode::TallyReference reference;
    receiveEarlier(c.earlier, buffer, reference);
    buffer.receive(c.frame);
    const decode::MachineStatusSeen seen =
        decode::machineStatus(buffer.rx(), buffer.length(), reference);
    expectText(seen.position, c.position, "position");
    EXPECT_EQ(seen.changed, c.changed);
    expectText(seen.state, c.state, "transport state");
    expectColumn(seen.status1, c.status1, "Status1");
    expectColumn(seen.status2, c.status2, "Status2");
    expectText(seen.syncError, c.syncError, "sync error");
    expectColumn(seen.status3, c.status3, "Status3");
}

INSTANTIATE_TEST_SUITE_P(
    Tallies, MachineStatusPanel,
    ::testing::Values(
        StatusCase{.name = "a full tally fills every field",
                   .frame = PlayingReversed,
                   .position = "13:15:21:21",  // 1193046 frames
                   .changed = true,
                   .state = "Play",
                   .status1 = Status1InputMonReverse,
                   .status2 = Status2SlowSpeed,
                   .syncError = "- 5",
                   .status3 = Status3ChaseRamScrub},
        StatusCase{.name = "a repeat at another position gives only the position",
                   .earlier = {Stopped},
                   .frame = "1A A0 81 01 01 00 00 01 5F 90 00 00 2D",  // 90000 frames on
                   .position = "01:00:00:00"},
        StatusCase{.name = "a change of the sync error alone is a change",
                   .earlier = {Stopped},
                   .frame = "1A A0 81 01 01 00 00 00 00 00 05 00 42",
                   .position = "00:00:00:00",
                   .changed = true,
                   .state = "Stop",
                   .status1 = Status1Clear,
                   .status2 = Status2Clear,
                   .syncError = "+ 5",
                   .status3 = Status3Clear},
        StatusCase{.name = "a forgotten reference redraws the same bytes",
                   .earlier = {PlayingReversed, Forget},
                   .frame = PlayingReversed,
                   .position = "13:15:21:21",
                   .changed = true,
                   .state = "Play",
                   .status1 = Status1InputMonReverse,
                   .status2 = Status2SlowSpeed,
                   .syncError = "- 5",
                   .status3 = Status3ChaseRamScrub},
        StatusCase{.name = "an all zero first tally is drawn",
                   .frame = "1A A0 81 01 00 00 00 00 00 00 00 00 3C",
                   .position = "00:00:00:00",
                   .changed = true,
                   .state = "0",
                   .status1 = Status1Clear,
                   .status2 = Status2Clear,
                   .syncError = "0",
                   .status3 = Status3Clear},
        // Machine, state and status byte 1 only; the buffer still holds the earlier tally's
        // status byte 2, position, sync error and status byte 3 behind them.
        StatusCase{.name = "a short tally gives only the fields it carries",
                   .earlier = {PlayingReversed},
                   .frame = "14 A0 81 01 09 FF 3E",
                   .changed = true,
                   .state = "Fast Fwd",
                   .status1 = Status1AllSet},
        StatusCase{.name = "a short tally is compared only on the bytes it carries",
                   .earlier = {PlayingReversed},
                   .frame = "15 A0 81 01 03 81 0F CA",  // status byte 2 differs
                   .changed = true,
                   .state = "Play",
                   .status1 = Status1InputMonReverse,
                   .status2 = Rows{"No Comms", Kept, Kept, "Still", "", Kept, "Play Speed", Kept}},
        StatusCase{.name = "a short repeat of what it carries is not a change",
                   .earlier = {PlayingReversed, "15 A0 81 01 03 81 0F CA"},
                   .frame = "14 A0 81 01 03 81 BA"},
        StatusCase{.name = "a tally without a status byte is not a change",
                   .earlier = {PlayingReversed},
                   .frame = "12 A0 81 01 34"},
        StatusCase{.name = "status byte 1 all set",
                   .frame = "1A A0 81 01 01 FF 00 00 00 00 00 00 3C",
                   .position = "00:00:00:00",
                   .changed = true,
                   .state = "Stop",
                   .status1 = Status1AllSet,
                   .status2 = Status2Clear,
                   .syncError = "0",
                   .status3 = Status3Clear},
        StatusCase{.name = "status byte 2 tape end still cued fast",
                   .frame = "1A A0 81 01 01 00 5A 00 00 00 00 00 97",
                   .position = "00:00:00:00",
                   .changed = true,
                   .state = "Stop",
                   .status1 = Status1Clear,
                   .status2 = Status2TapeEndStillCuedFast,
                   .syncError = "0",
                   .status3 = Status3Clear},
        StatusCase{.name = "status byte 2 slow speed",
                   .frame = "1A A0 81 01 01 00 C0 00 00 00 00 00 FD",
                   .position = "00:00:00:00",
                   .changed = true,
                   .state = "Stop",
                   .status1 = Status1Clear,
                   .status2 = Status2SlowSpeed,
                   .syncError = "0",
                   .status3 = Status3Clear},
        StatusCase{.name = "status byte 3 all set",
                   .frame = "1A A0 81 01 01 00 00 00 00 00 00 FF 3C",
                   .position = "00:00:00:00",
                   .changed = true,
                   .state = "Stop",
                   .status1 = Status1Clear,
                   .status2 = Status2Clear,
                   .syncError = "0",
                   .status3 = Status3AllSet},
        StatusCase{.name = "transport state 19 is named",
                   .frame = "1A A0 81 01 13 00 00 00 00 00 00 00 4F",
                   .position = "00:00:00:00",
                   .changed = true,
                   .state = "Record On",
                   .status1 = Status1Clear,
                   .status2 = Status2Clear,
                   .syncError = "0",
                   .status3 = Status3Clear},
        StatusCase{.name = "transport state 20 shows its number",
                   .frame = "1A A0 81 01 14 00 00 00 00 00 00 00 50",
                   .position = "00:00:00:00",
                   .changed = true,
                   .state = "20",
                   .status1 = Status1Clear,
                   .status2 = Status2Clear,
                   .syncError = "0",
                   .status3 = Status3Clear}),
    paramname::from([](const StatusCase& c) { return c.name; }));

// ---- Master position ----------------------------------------------------------------------------
//   1N A0 80 mm pp pp pp ss cc ee xx cs

// The panel shows no machine: at start-up and after a reset.
constexpr int NothingShown = -1;
constexpr const char* MasterA = "19 A0 80 01 00 00 00 00 02 00 00 3C";  // A master, B selected

// Rows 1..7 of the system status column.
using SystemRows = std::array<const char*, 7>;
constexpr SystemRows SystemClear{"EBU 25fps", "", "Remote", "", "", "Sys Lock", ""};

struct SystemError {
    const char* text;
    bool alarm;
};

struct MasterCase {
    const char* name;
    std::vector<const char*> earlier = {};  // taken into the reference before `frame`
    int shownMaster = 1;
    int shownSelected = 2;
    const char* frame;
    // Expected; nullptr and nullopt for a value not set.
    const char* position = nullptr;
    std::optional<Machine> master = std::nullopt;
    bool changed = false;
    std::optional<SystemRows> status = std::nullopt;
    std::optional<Machine> selected = std::nullopt;
    std::optional<SystemError> error = std::nullopt;
};
void PrintTo(const MasterCase& c, std::ostream* os) {
    *os << c.frame << " (master " << c.shownMaster << ", selected " << c.shownSelected << " shown)";
}

class SystemPanel : public ::testing::TestWithParam<MasterCase> {};

TEST_P(SystemPanel, ShowsWhatTheMasterPositionCarriesWhenTheSystemChanged) {
    const MasterCase& c = GetParam();
    ReceiveBuffer buffer;
    decode::TallyReference reference;
    receiveEarlier(c.earlier, buffer, reference);
    buffer.receive(c.frame);
    const decode::MasterPositionSeen seen = decode::masterPosition(
        buffer.rx(), buffer.length(), c.shownMaster, c.shownSelected, reference);
    expectText(seen.position, c.position, "position");
    expectMachine(seen.master, c.master, "master");
    EXPECT_EQ(seen.changed, c.changed);
    if (c.status) {
        ASSERT_TRUE(seen.status.has_value()) << "system status is not set";
        for (std::size_t i = 0; i < c.status->size(); ++i) {
            EXPECT_EQ((*seen.status)[i].toStdString(), std::string((*c.status)[i]))
                << "system status row " << i + 1;
        }
    } else {
        EXPECT_FALSE(seen.status.has_value()) << "system status is set";
    }
    expectMachine(seen.selected, c.selected, "selected machine");
    if (c.error) {
        ASSERT_TRUE(seen.error.has_value()) << "error is not set";
        EXPECT_EQ(seen.error->text.toStdString(), std::string(c.error->text));
        EXPECT_EQ(seen.error->alarm, c.error->alarm);
    } else {
        EXPECT_FALSE(seen.error.has_value()) << "error is set: " << seen.error->text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tallies, SystemPanel,
    ::testing::Values(MasterCase{.name = "a full tally into an empty panel fills every field",
                                 .shownMaster = NothingShown,
                                 .shownSelected = NothingShown,
                                 .frame = "19 A0 80 01 01 5F 90 00 02 00 00 2C",
                                 .position = "01:00:00:00",
                                 .master = Machine{1, "A:Master"},
                                 .changed = true,
                                 .status = SystemClear,
                                 .selected = Machine{2, "B:Select"},
                                 .error = SystemError{"", false}},
                      MasterCase{.name = "a first tally of machine 0 with zero status is drawn",
                                 .shownMaster = NothingShown,
                                 .shownSelected = NothingShown,
                                 .frame = "19 A0 80 00 00 00 00 00 00 00 00 39",
                                 .position = "00:00:00:00",
                                 .master = Machine{0, "@:Master"},
                                 .changed = true,
                                 .status = SystemClear,
                                 .selected = Machine{0, "@:Select"},
                                 .error = SystemError{"", false}},
                      MasterCase{.name = "master and selection as shown are not given again",
                                 .frame = "19 A0 80 01 00 00 00 FF 02 00 00 3B",
                                 .position = "00:00:00:00",
                                 .changed = true,
                                 .status = SystemRows{"SMPTE Drop", "Sys Data", "Local", "GOTO",
                                                      "Record", "Not Lock", "Mast Lock"},
                                 .error = SystemError{"", false}},
                      MasterCase{.name = "a repeat at another position gives only the position",
                                 .earlier = {MasterA},
                                 .frame = "19 A0 80 01 01 5F 90 00 02 00 00 2C",
                                 .position = "01:00:00:00"},
                      MasterCase{.name = "a master other than shown alone is a change",
                                 .earlier = {MasterA},
                                 .frame = "19 A0 80 03 00 00 00 00 02 00 00 3E",
                                 .position = "00:00:00:00",
                                 .master = Machine{3, "C:Master"},
                                 .changed = true,
                                 .status = SystemClear,
                                 .error = SystemError{"", false}},
                      MasterCase{.name = "a selection other than shown alone is a change",
                                 .earlier = {MasterA},
                                 .frame = "19 A0 80 01 00 00 00 00 03 00 00 3D",
                                 .position = "00:00:00:00",
                                 .changed = true,
                                 .status = SystemClear,
                                 .selected = Machine{3, "C:Select"},
                                 .error = SystemError{"", false}},
                      MasterCase{.name = "a change of the undecoded spare byte alone is a change",
                                 .earlier = {MasterA},
                                 .frame = "19 A0 80 01 00 00 00 00 02 00 01 3D",
                                 .position = "00:00:00:00",
                                 .changed = true,
                                 .status = SystemClear,
                                 .error = SystemError{"", false}},
                      MasterCase{.name = "a forgotten reference redraws the same bytes",
                                 .earlier = {MasterA, Forget},
                                 .frame = MasterA,
                                 .position = "00:00:00:00",
                                 .changed = true,
                                 .status = SystemClear,
                                 .error = SystemError{"", false}},
                      MasterCase{.name = "an error is shown with alarm",
                                 .earlier = {MasterA},
                                 .frame = "19 A0 80 01 00 00 00 00 02 03 00 3F",
                                 .position = "00:00:00:00",
                                 .changed = true,
                                 .status = SystemClear,
                                 .error = SystemError{"3:System Not Locked!", true}},
                      MasterCase{.name = "no error after an error clears the alarm",
                                 .earlier = {"19 A0 80 01 00 00 00 00 02 03 00 3F"},
                                 .frame = MasterA,
                                 .position = "00:00:00:00",
                                 .changed = true,
                                 .status = SystemClear,
                                 .error = SystemError{"", false}},
                      MasterCase{.name = "an error code past the table shows its number with alarm",
                                 .earlier = {MasterA},
                                 .frame = "19 A0 80 01 00 00 00 00 02 2A 00 66",
                                 .position = "00:00:00:00",
                                 .changed = true,
                                 .status = SystemClear,
                                 .error = SystemError{"42: Unknown error", true}},
                      // Master and position only; the buffer still holds the earlier tally's
                      // status, selection and error behind them.
                      MasterCase{.name = "a short tally gives only the fields it carries",
                                 .earlier = {"19 A0 80 01 00 00 00 08 02 05 00 49"},
                                 .frame = "15 A0 80 03 01 5F 90 28",
                                 .position = "01:00:00:00",
                                 .master = Machine{3, "C:Master"},
                                 .changed = true},
                      MasterCase{.name = "a short repeat of what it carries is not a change",
                                 .earlier = {"19 A0 80 01 00 00 00 08 02 05 00 49"},
                                 .frame = "16 A0 80 01 00 00 00 08 3F",
                                 .position = "00:00:00:00"}),
    paramname::from([](const MasterCase& c) { return c.name; }));

// ---- Machine offset -----------------------------------------------------------------------------
//   1N A0 82 mm oo oo oo sf cs

struct OffsetCase {
    const char* name;
    const char* earlier;  // left in the buffer before `frame`
    const char* frame;
    const char* offset = nullptr;
    const char* subFrames = nullptr;
};
void PrintTo(const OffsetCase& c, std::ostream* os) {
    *os << c.frame;
}

class OffsetLabels : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(OffsetLabels, ShowTheOffsetAndSubFramesTheTallyCarries) {
    const OffsetCase& c = GetParam();
    ReceiveBuffer buffer;
    buffer.receive(c.earlier);
    buffer.receive(c.frame);
    const decode::MachineOffsetSeen seen = decode::machineOffset(buffer.rx(), buffer.length());
    expectText(seen.offset, c.offset, "offset");
    expectText(seen.subFrames, c.subFrames, "sub-frames");
}

constexpr const char* FullOffset = "16 A0 82 01 00 05 DC 28 42";

INSTANTIATE_TEST_SUITE_P(
    Tallies, OffsetLabels,
    ::testing::Values(OffsetCase{.name = "a full tally gives offset and sub-frames",
                                 .earlier = "16 A0 82 02 00 00 19 07 5A",
                                 .frame = FullOffset,
                                 .offset = "00:01:00:00",
                                 .subFrames = "40"},
                      OffsetCase{.name = "a tally without sub-frames gives the offset only",
                                 .earlier = FullOffset,
                                 .frame = "15 A0 82 01 00 00 19 51",
                                 .offset = "00:00:01:00"},
                      OffsetCase{.name = "a tally without the whole offset gives nothing",
                                 .earlier = FullOffset,
                                 .frame = "13 A0 82 01 00 36"}),
    paramname::from([](const OffsetCase& c) { return c.name; }));

// ---- Machine details ----------------------------------------------------------------------------
//   1N A0 83 mm i1 i2 tr dd n1 n2 n3 n4 n5 n6 cs

struct DetailsCase {
    const char* name;
    const char* earlier;  // left in the buffer before `frame`
    const char* frame;
    const char* sonyId = nullptr;
    const char* recordTracks = nullptr;
    std::optional<Rows> details = std::nullopt;
    std::optional<Machine> machine = std::nullopt;
};
void PrintTo(const DetailsCase& c, std::ostream* os) {
    *os << c.frame;
}

class DetailsLabels : public ::testing::TestWithParam<DetailsCase> {};

TEST_P(DetailsLabels, ShowWhatTheTallyCarries) {
    const DetailsCase& c = GetParam();
    ReceiveBuffer buffer;
    buffer.receive(c.earlier);
    buffer.receive(c.frame);
    const decode::MachineDetailsSeen seen = decode::machineDetails(buffer.rx(), buffer.length());
    expectText(seen.sonyId, c.sonyId, "Sony ID");
    expectText(seen.recordTracks, c.recordTracks, "record tracks");
    expectColumn(seen.details, c.details, "Status4");
    expectMachine(seen.name, c.machine, "machine name");
}

constexpr const char* DetailsOfVtr01 = "1C A0 83 01 20 24 0B 8E 56 54 52 20 30 31 9A";

INSTANTIATE_TEST_SUITE_P(
    Tallies, DetailsLabels,
    ::testing::Values(
        DetailsCase{
            .name = "a full tally gives identity tracks modes and name",
            .earlier = "1C A0 83 02 20 24 03 00 44 45 43 4B 20 42 01",
            .frame = DetailsOfVtr01,
            .sonyId = "$2024",
            .recordTracks = "16",
            .details = Rows{"A1,A2,V", Kept, "SMPTE Drop", Kept, Kept, Kept, Kept, "Record Enab"},
            .machine = Machine{1, "A:VTR 01"}},
        DetailsCase{.name = "another machine's full tally names it",
                    .earlier = DetailsOfVtr01,
                    .frame = "1C A0 83 02 20 24 03 00 44 45 43 4B 20 42 01",
                    .sonyId = "$2024",
                    .recordTracks = "16",
                    .details = Rows{"A+V Off", Kept, "EBU 25fps", Kept, Kept, Kept, Kept, ""},
                    .machine = Machine{2, "B:DECK B"}},
        // Three name characters; the rest of the earlier name is still in the buffer.
        DetailsCase{.name = "a tally without the whole name gives no name",
                    .earlier = DetailsOfVtr01,
                    .frame = "19 A0 83 01 20 24 04 01 41 42 43 4C",
                    .sonyId = "$2024",
                    .recordTracks = "24",
                    .details = Rows{"A1,A2", Kept, "EBU 25fps", Kept, Kept, Kept, Kept, ""}},
        DetailsCase{.name = "a tally of the identity only gives the identity",
                    .earlier = DetailsOfVtr01,
                    .frame = "14 A0 83 01 20 24 7C",
                    .sonyId = "$2024"}),
    paramname::from([](const DetailsCase& c) { return c.name; }));

// ---- Track maps ---------------------------------------------------------------------------------
//   1N A0 kk b1 .. b14 cs

using TrackCells = std::array<const char*, decode::TrackColumns>;

// The cells given, then the placeholder for each byte the frame does not carry.
TrackCells carriedThenPlaceholders(std::initializer_list<const char*> given) {
    TrackCells cells;
    cells.fill("xxxx xxxx");
    std::copy(given.begin(), given.end(), cells.begin());
    return cells;
}
constexpr const char* EveryTrack = "1F A0 92 FF FF FF FF FF FF FF FF FF FF FF FF FF FF 43";

struct TrackCase {
    const char* name;
    const char* earlier;  // left in the buffer before `frame`
    const char* frame;
    std::optional<TrackCells> cells = std::nullopt;
};
void PrintTo(const TrackCase& c, std::ostream* os) {
    *os << c.frame;
}

class TrackMapRow : public ::testing::TestWithParam<TrackCase> {};

TEST_P(TrackMapRow, ShowsTheBitsOfEachByteTheFrameCarries) {
    const TrackCase& c = GetParam();
    ReceiveBuffer buffer;
    buffer.receive(c.earlier);
    buffer.receive(c.frame);
    const std::optional<decode::TrackRow> row = decode::trackMapRow(buffer.rx(), buffer.length());
    if (!c.cells) {
        EXPECT_FALSE(row.has_value()) << "a row is given";
        return;
    }
    ASSERT_TRUE(row.has_value()) << "no row is given";
    for (std::size_t i = 0; i < c.cells->size(); ++i) {
        EXPECT_EQ((*row)[i].toStdString(), std::string((*c.cells)[i])) << "column " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, TrackMapRow,
    ::testing::Values(TrackCase{.name = "a full ready map fills every column",
                                .earlier = EveryTrack,
                                .frame = "1F A0 91 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 80 2B",
                                .cells = TrackCells{"1000 0000", "0100 0000", "1100 0000",
                                                    "0010 0000", "1010 0000", "0110 0000",
                                                    "1110 0000", "0001 0000", "1001 0000",
                                                    "0101 0000", "1101 0000", "0011 0000",
                                                    "1011 0000", "0000 0001"}},
                      TrackCase{.name = "a short record map marks the tracks it does not cover",
                                .earlier = EveryTrack,
                                .frame = "13 A0 92 0F F0 44",
                                .cells = carriedThenPlaceholders({"1111 0000", "0000 1111"})},
                      TrackCase{.name = "the record enable command fills the columns it carries",
                                .earlier = EveryTrack,
                                .frame = "03 A0 84 81 18 C0",
                                .cells = carriedThenPlaceholders({"1000 0001", "0001 1000"})},
                      TrackCase{.name = "a map without bit map bytes marks the whole row",
                                .earlier = EveryTrack,
                                .frame = "11 A0 91 42",
                                .cells = carriedThenPlaceholders({})},
                      TrackCase{.name = "a frame without a kind gives no row",
                                .earlier = EveryTrack,
                                .frame = "10 A0 B0"}),
    paramname::from([](const TrackCase& c) { return c.name; }));

}  // namespace
