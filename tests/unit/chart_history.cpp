// The sync chart's history: what each frame says about a machine's synchronisation, and the
// bounded rings that keep the last ten minutes of it.
#include "chart/SyncHistory.h"
#include "chart/csvexport.h"
#include "decode/synctally.h"
#include "link/frame.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <optional>
#include <vector>

namespace {

using decode::SyncTally;

struct Received {
    frame::Bytes rx{};
    int length = 0;
};

// The whole frame for these CMD1, CMD2 and data bytes, as the receive ring hands it on.
Received received(std::vector<std::uint8_t> body) {
    const QByteArray f = frame::complete(body);
    Received r;
    r.length = static_cast<int>(f.size());
    for (qsizetype i = 0; i < f.size(); ++i)
        r.rx[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(f[i]);
    return r;
}

SyncTally status(std::uint8_t machine, int error, std::uint8_t state, bool locked) {
    SyncTally t;
    t.kind = SyncTally::Kind::Status;
    t.machine = machine;
    t.syncError = error;
    t.state = state;
    t.locked = locked;
    return t;
}
SyncTally offset(std::uint8_t machine, std::int32_t frames) {
    SyncTally t;
    t.kind = SyncTally::Kind::Offset;
    t.machine = machine;
    t.offset = frames;
    return t;
}
SyncTally named(std::uint8_t machine, const char (&name)[7]) {
    SyncTally t;
    t.kind = SyncTally::Kind::Name;
    t.machine = machine;
    std::copy(name, name + 6, t.name.begin());
    return t;
}

struct FrameCase {
    const char* name;
    std::vector<std::uint8_t> body;  // CMD1, CMD2, data; the checksum is added
    std::optional<SyncTally> expected;
};

class SyncTallyOfFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(SyncTallyOfFrame, GivesTheMachinesSample) {
    const Received r = received(GetParam().body);
    EXPECT_EQ(decode::syncTally(r.rx, r.length), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, SyncTallyOfFrame,
    ::testing::Values(
        FrameCase{"A locked in play, 5 frames behind",
                  {0x1A, 0xA0, 0x81, 0x01, 0x03, 0x00, 0x00, 0x01, 0x5F, 0x90, 0x85, 0x00},
                  status(1, -5, 3, true)},
        FrameCase{"F not locked, 12 frames ahead",
                  {0x1A, 0xA0, 0x81, 0x06, 0x03, 0x40, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x00},
                  status(6, 12, 3, false)},
        FrameCase{"the generator locked, every other bit set, minus zero",
                  {0x1A, 0xA0, 0x81, 0xFF, 0x01, 0xBF, 0xFF, 0x00, 0x00, 0x00, 0x80, 0xFF},
                  status(255, 0, 1, true)},
        FrameCase{"B's offset of one minute",
                  {0x16, 0xA0, 0x82, 0x02, 0x00, 0x05, 0xDC, 0x28},
                  offset(2, 1500)},
        FrameCase{"D's offset of 24 bits",
                  {0x16, 0xA0, 0x82, 0x04, 0xFF, 0xFF, 0xFF, 0x00},
                  offset(4, 0xFFFFFF)},
        FrameCase{"C's details name it",
                  {0x1C, 0xA0, 0x83, 0x03, 0x20, 0x2D, 0x02, 0x01, 'D', 'T', 'R', ' ', '0', '3'},
                  named(3, "DTR 03")},
        FrameCase{"a status tally too short for the sync error",
                  {0x17, 0xA0, 0x81, 0x01, 0x03, 0x00, 0x00, 0x01, 0x5F},
                  std::nullopt},
        FrameCase{
            "the master position", {0x19, 0xA0, 0x80, 0x01, 0, 0, 0, 0, 1, 0, 0}, std::nullopt},
        FrameCase{"a command of the extended set",
                  {0x0A, 0xA0, 0x81, 0x01, 0x03, 0x00, 0x00, 0x01, 0x5F, 0x90, 0x85, 0x00},
                  std::nullopt},
        FrameCase{"a Sony status reply",
                  {0x7A, 0x20, 0x81, 0x01, 0x03, 0x00, 0x00, 0x01, 0x5F, 0x90, 0x85, 0x00},
                  std::nullopt},
        FrameCase{"Play", {0x20, 0x01}, std::nullopt}),
    paramname::from([](const FrameCase& c) { return c.name; }));

// Frames in, samples out: each status or offset tally is one sample carrying the latest of the
// other tally's values.
TEST(SyncHistory, EachStatusOrOffsetTallyIsASampleWithTheLatestOfTheOther) {
    chart::SyncHistory h;
    const auto feed = [&h](std::vector<std::uint8_t> body, std::int64_t ms) {
        const Received r = received(std::move(body));
        return h.take(r.rx, r.length, ms);
    };
    EXPECT_TRUE(feed({0x1A, 0xA0, 0x81, 0x02, 0x03, 0x40, 0x00, 0, 0, 0, 0x24, 0x00}, 100));
    EXPECT_TRUE(feed({0x16, 0xA0, 0x82, 0x02, 0x00, 0x00, 0xFA, 0x0C}, 140));
    EXPECT_TRUE(feed({0x1A, 0xA0, 0x81, 0x02, 0x03, 0x00, 0x00, 0, 0, 0, 0x81, 0x00}, 180));
    EXPECT_FALSE(feed({0x19, 0xA0, 0x80, 0x01, 0, 0, 0, 0, 1, 0, 0}, 200));
    EXPECT_FALSE(feed({0x1A, 0xA0, 0x81, 0x07, 0x03, 0x00, 0x00, 0, 0, 0, 0x01, 0x00}, 220));
    EXPECT_TRUE(
        feed({0x1C, 0xA0, 0x83, 0x02, 0x20, 0x25, 1, 2, 'V', 'T', 'R', ' ', '0', '2'}, 260));

    const chart::SampleRing& b = h.samples(1);
    const std::vector<chart::Sample> expected{
        {100, 0, 36, 3, false}, {140, 250, 36, 3, false}, {180, 250, -1, 3, true}};
    ASSERT_EQ(b.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(b[i], expected[i]) << i;
    EXPECT_EQ(h.legend(1), QStringLiteral("B VTR 02"));
    EXPECT_EQ(h.legend(0), QStringLiteral("A"));
    for (int s : {0, 2, 3, 4, 5, 6}) EXPECT_TRUE(h.samples(s).empty()) << s;
    EXPECT_EQ(chart::csvOf(h, {0, 1000}), QByteArray("time,machine,sync error,offset,state,lock\n"
                                                     "0.100,B,36,0,3,0\n"
                                                     "0.140,B,36,250,3,0\n"
                                                     "0.180,B,-1,250,3,1\n"));
}

TEST(SyncHistory, MarksWhereTheTransportStateOrTheLockChanges) {
    chart::SyncHistory h;
    const std::vector<SyncTally> tallies{
        status(1, 36, 3, false),  // first: nothing to compare with
        status(1, 30, 3, false),  // only the error moves
        offset(1, 250),           // carries state and lock on
        status(1, 0, 3, true),    // locks
        status(1, 0, 2, true),    // pauses
        status(1, 0, 2, true),
    };
    std::int64_t t = 0;
    for (const SyncTally& x : tallies) h.take(x, t += 40);
    std::vector<bool> marks;
    for (std::size_t i = 0; i < h.samples(0).size(); ++i) marks.push_back(h.changesAt(0, i));
    EXPECT_EQ(marks, (std::vector<bool>{false, false, false, true, true, false}));
}

// Ten minutes at 25 tallies a second per machine; past that the oldest go and the room taken
// stays what it was at the start.
TEST(SyncHistory, KeepsTheLastTenMinutesOfEveryMachineAndDropsTheOldest) {
    chart::SyncHistory h;
    const std::size_t cap = chart::SamplesPerSeries;
    EXPECT_EQ(cap, 15000u);
    for (int s = 0; s < chart::SeriesCount; ++s) EXPECT_EQ(h.samples(s).capacity(), cap);
    const std::size_t fed = cap + 2500;  // eleven minutes and forty seconds
    for (std::size_t i = 0; i < fed; ++i) {
        const auto ms = static_cast<std::int64_t>(i) * 40;
        for (std::uint8_t m : {1, 2, 3, 4, 5, 6, 255})
            h.take(status(m, static_cast<int>(i % 100), 3, true), ms);
    }
    for (int s = 0; s < chart::SeriesCount; ++s) {
        const chart::SampleRing& r = h.samples(s);
        EXPECT_EQ(r.size(), cap) << s;
        EXPECT_EQ(r.capacity(), cap) << s;
        EXPECT_EQ(r[0].timeMs, static_cast<std::int64_t>(fed - cap) * 40) << s;
        EXPECT_EQ(r.newest().timeMs, static_cast<std::int64_t>(fed - 1) * 40) << s;
    }
    EXPECT_EQ(h.oldestMs(), static_cast<std::int64_t>(fed - cap) * 40);
    EXPECT_EQ(sizeof(chart::Sample), 16u);  // 7 x 15000 x 16 bytes: 1.68 MB in all
}

}  // namespace
