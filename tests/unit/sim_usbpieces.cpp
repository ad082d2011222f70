// A USB serial adapter hands the line on every 16 ms, at most 64 bytes at a time, and only
// bytes that have crossed the wire; put together, the pieces are exactly what was written.
#include "sim/wire/linepacer.h"
#include "sim/wire/usbpieces.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace sim;
using namespace std::chrono_literals;
using Time = UsbPieces::Time;

struct Chunk {
    int bytes;
    Time at;  // when the writer puts it on the line
    bool whole = false;
};

struct Written {
    QByteArray bytes;
    Time at;
};

struct Traffic {
    std::string name;
    std::vector<Chunk> chunks;
};

void PrintTo(const Traffic& traffic, std::ostream* os) {
    *os << traffic.name;
}

QByteArray pattern(int n, int from) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b.append(static_cast<char>((from + i) & 0xFF));
    return b;
}

// Chunks of the sizes given, each put on the line once the one before has left the wire and
// then `gap` of quiet has passed: a gap of 0 fills the line.
std::vector<Chunk> paced(const std::vector<int>& sizes, int repeats, Time gap) {
    std::vector<Chunk> out;
    Time at{0};
    for (int r = 0; r < repeats; ++r) {
        for (const int n : sizes) {
            out.push_back({n, at});
            at += LinePacer::wireTime(n) + gap;
        }
    }
    return out;
}

std::vector<Chunk> after(const Chunk& first, std::vector<Chunk> rest) {
    rest.insert(rest.begin(), first);
    return rest;
}

// When each byte's last bit is over the wire: a chunk starts when it is written or when the
// bytes before it are over, whichever is later; a whole block is over at once.
std::vector<Time> arrivals(const std::vector<Chunk>& chunks) {
    std::vector<Time> out;
    Time wireFree{0};
    for (const Chunk& c : chunks) {
        const Time start = std::max(c.at, wireFree);
        for (int i = 0; i < c.bytes; ++i)
            out.push_back(c.whole ? start : start + LinePacer::wireTime(i + 1));
        wireFree = out.back();
    }
    return out;
}

// Writes the chunks as the simulator does, running the pieces off every 100 µs (the latency
// timer's 16 ms is a whole number of steps), and notes when each piece was handed on.
std::vector<Written> runOff(const std::vector<Chunk>& chunks, QByteArray& sent) {
    UsbPieces usb;
    std::vector<Written> out;
    std::size_t next = 0;
    int from = 0;
    for (Time t{0}; next < chunks.size() || !usb.empty(); t += 100us) {
        for (; next < chunks.size() && chunks[next].at <= t; ++next) {
            const QByteArray bytes = pattern(chunks[next].bytes, from);
            from += chunks[next].bytes;
            sent += bytes;
            usb.add(bytes, chunks[next].at, chunks[next].whole);
        }
        usb.writeDue(t, [&](const QByteArray& b) { out.push_back({b, t}); });
    }
    return out;
}

class UsbPiecesOf : public ::testing::TestWithParam<Traffic> {};

TEST_P(UsbPiecesOf, AreSmallEnoughSpacedByTheTimerBehindTheWireAndWhole) {
    const std::vector<Chunk>& chunks = GetParam().chunks;
    QByteArray sent;
    const std::vector<Written> pieces = runOff(chunks, sent);
    const std::vector<Time> arrived = arrivals(chunks);
    ASSERT_FALSE(pieces.empty());

    QByteArray joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Written& p = pieces[i];
        SCOPED_TRACE("piece " + std::to_string(i));
        EXPECT_FALSE(p.bytes.isEmpty());
        EXPECT_LE(p.bytes.size(), UsbPieces::PacketBytes);
        EXPECT_EQ(p.at % UsbPieces::Latency, Time{0}) << "on a tick of the latency timer";
        if (i > 0) {
            EXPECT_GE(p.at - pieces[i - 1].at, UsbPieces::Latency);
        }
        joined += p.bytes;
        const auto last = static_cast<std::size_t>(joined.size()) - 1;
        EXPECT_LE(arrived[last], p.at) << "not ahead of the wire";
        // Everything over the wire by the tick goes, unless the packet is full.
        if (last + 1 < arrived.size() && p.bytes.size() < UsbPieces::PacketBytes) {
            EXPECT_GT(arrived[last + 1], p.at) << "nothing left behind";
        }
    }
    EXPECT_EQ(joined, sent);
}

INSTANTIATE_TEST_SUITE_P(
    Traffic, UsbPiecesOf,
    ::testing::Values(
        Traffic{"OneFrame", {{18, 3ms}}}, Traffic{"AFrameAcrossATick", {{18, 12ms}}},
        Traffic{"AFullLineForASecond", paced({13, 18, 4, 7, 12, 9}, 55, Time{0})},
        // The block fills most of the first packet: the line's bytes pile up behind it.
        Traffic{"AFullLineBehindABlockMeantWhole",
                after({60, 1ms, true}, paced({13, 18, 4, 7, 12, 9}, 10, Time{0}))},
        Traffic{"AHalfFullLine", paced({13, 18, 4, 7, 12, 9}, 25, 6ms)},
        Traffic{"QuietThenFramesTogether", {{4, 100ms}, {18, 100ms}, {13, 100ms}, {7, 300ms}}},
        Traffic{"FramesAroundBlocksMeantWhole",
                {{13, 0ms}, {31, 10ms, true}, {18, 11ms}, {45, 40ms, true}, {12, 41ms}}}),
    paramname::from([](const Traffic& t) { return t.name; }));

TEST(UsbPieces, AFullLineGoesInPiecesOfWhatTheWireCarriesIn16Ms) {
    QByteArray sent;
    const std::vector<Written> pieces = runOff(paced({11}, 20, Time{0}), sent);
    // 16 ms of a 38400-baud line is 55.9 bytes: 55 have arrived by the first tick.
    ASSERT_GE(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].at, 16ms);
    EXPECT_EQ(pieces[0].bytes.size(), 55);
    EXPECT_EQ(pieces[1].at, 32ms);
    EXPECT_EQ(pieces[1].bytes.size(), 56);
    EXPECT_EQ(pieces[2].at, 48ms);
}

TEST(UsbPieces, ABlockMeantWholeIsNeverCut) {
    for (const int size : {40, 64, 100}) {
        UsbPieces usb;
        const QByteArray before = pattern(30, 0);
        const QByteArray block = pattern(size, 30);
        usb.add(before, Time{0}, false);
        usb.add(block, Time{0}, true);
        std::vector<QByteArray> pieces;
        usb.writeDue(1s, [&](const QByteArray& b) { pieces.push_back(b); });
        ASSERT_EQ(pieces.size(), 2u) << size;
        EXPECT_EQ(pieces[0], before) << size;
        EXPECT_EQ(pieces[1], block) << size;
    }
}

TEST(UsbPieces, TellsWhenTheNextPieceIsDueAndForgetsOnClear) {
    UsbPieces usb;
    EXPECT_TRUE(usb.empty());
    EXPECT_EQ(usb.nextDue(), Time::max());
    usb.add(pattern(4, 0), 1ms, false);
    EXPECT_EQ(usb.nextDue(), 16ms);
    usb.writeDue(16ms, [](const QByteArray&) {});
    usb.add(pattern(4, 0), 20ms, false);
    EXPECT_EQ(usb.nextDue(), 32ms);
    usb.clear();
    EXPECT_TRUE(usb.empty());
    std::vector<QByteArray> pieces;
    usb.writeDue(Time::max(), [&](const QByteArray& b) { pieces.push_back(b); });
    EXPECT_TRUE(pieces.empty());
}

}  // namespace
