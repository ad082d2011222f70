// The frame cutter over the 32-byte ring, fed the way the port hands bytes over: a whole event
// at a time, one byte at a time and in random splits.
#include "link/ring.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <random>
#include <vector>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// One receiver: the ring state as the main window holds it, and what came out of it.
struct Receiver {
    ring::Bytes ring{};
    int head = 0;
    int tail = 0;
    frame::Bytes rx{};
    int length = 0;
    std::vector<QByteArray> frames;
    QByteArray dropped;

    ring::State state() { return {ring, head, tail, rx, length}; }

    // One data-available event: store every byte, then cut every complete frame.
    void event(const QByteArray& bytes) {
        const auto drop = [this](std::uint8_t b) { dropped.append(static_cast<char>(b)); };
        const auto good = [this] {
            frames.emplace_back(reinterpret_cast<const char*>(rx.data()), length);
        };
        for (const char c : bytes) ring::store(state(), static_cast<std::uint8_t>(c), good, drop);
        ring::cut(state(), good, drop);
    }
    void byteByByte(const QByteArray& bytes) {
        for (qsizetype i = 0; i < bytes.size(); ++i) event(bytes.mid(i, 1));
    }
    int unread() const { return ring::unread(head, tail); }
};

TEST(ReceiveRing, ResynchronisesByteByByteAfterADamagedFrame) {
    Receiver r;
    // A status sense with a wrong checksum, then Play. Each byte of the damaged frame is tried
    // as a CMD1 in turn; the A4 announces 7 bytes and holds Play back.
    r.event(
        hex("612022A4"
            "200121"));
    EXPECT_EQ(r.dropped, hex("612022"));
    EXPECT_TRUE(r.frames.empty());
    r.event(hex("200121"));
    EXPECT_EQ(r.dropped, hex("612022A4"));
    ASSERT_EQ(r.frames.size(), 2u);
    EXPECT_EQ(r.frames[0], hex("200121"));
    EXPECT_EQ(r.frames[1], hex("200121"));
}

TEST(ReceiveRing, AFullRingCutsItsCompleteFramesBeforeTakingMore) {
    Receiver r;
    // 17 bytes of a good 18-byte frame, then an event of 30: its checksum and ten Play frames
    // less one byte. Only 14 fit at once, so the long frame must be cut to make room.
    const QByteArray longFrame = hex("0F11000102030405060708090A0B0C0D0E89");
    r.event(longFrame.left(17));
    ASSERT_EQ(r.unread(), 17);
    r.event(longFrame.right(1) + hex("200121").repeated(10).left(29));
    EXPECT_TRUE(r.dropped.isEmpty());
    ASSERT_EQ(r.frames.size(), 10u);
    EXPECT_EQ(r.frames.front(), longFrame);
    EXPECT_EQ(r.unread(), 2);  // the last Play waits for its checksum
}

TEST(ReceiveRing, OverrunOfBadBytesDropsTheOldestInsteadOfOverwritingIt) {
    Receiver r;
    // 17 bytes of an 18-byte frame wait for their checksum; the last data byte is 30.
    const QByteArray partial = hex("0F11000102030405060708090A0B0C0D30");
    ASSERT_EQ(partial.size(), 17);
    r.event(partial);
    ASSERT_EQ(r.unread(), 17);
    // 30 more bytes: only 14 fit, so the 16 oldest unread bytes make room, oldest first.
    r.event(hex("200121").repeated(10));
    EXPECT_EQ(r.dropped, partial.left(16) + hex("30"));
    ASSERT_EQ(r.frames.size(), 10u);
    for (const QByteArray& f : r.frames) EXPECT_EQ(f, hex("200121"));
    EXPECT_EQ(r.unread(), 0);
}

TEST(ReceiveRing, DiscardingEmptiesTheRingOldestFirstAndKeepsTheWriteIndex) {
    Receiver r;
    r.event(hex("0F1122"));
    const int head = r.head;
    QByteArray discarded;
    ring::discardAll(r.state(), [&](std::uint8_t b) { discarded.append(static_cast<char>(b)); });
    EXPECT_EQ(discarded, hex("0F1122"));
    EXPECT_EQ(r.unread(), 0);
    EXPECT_EQ(r.head, head);
}

// A stream of good frames of every length, fed whole, byte by byte and in random splits,
// always gives back exactly those frames.
class ReceiveRingSplits : public ::testing::TestWithParam<unsigned> {};

QByteArray goodFrames(std::mt19937& rng, std::vector<QByteArray>& frames) {
    QByteArray stream;
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 200; ++i) {
        std::vector<std::uint8_t> body;
        const auto cmd1 = static_cast<std::uint8_t>(byte(rng));
        body.push_back(cmd1);
        for (int k = 0; k < frame::dataCount(cmd1) + 1; ++k)
            body.push_back(static_cast<std::uint8_t>(byte(rng)));
        const QByteArray f = frame::complete(body);
        frames.push_back(f);
        stream += f;
    }
    return stream;
}

TEST_P(ReceiveRingSplits, GoodFramesComeOutWholeAndInOrderHoweverTheBytesAreSplit) {
    std::mt19937 rng(GetParam());
    std::vector<QByteArray> expected;
    const QByteArray stream = goodFrames(rng, expected);

    Receiver whole;
    for (qsizetype i = 0; i < stream.size(); i += 13) whole.event(stream.mid(i, 13));
    Receiver single;
    single.byteByByte(stream);
    Receiver random;
    // Up to 13 new bytes on top of at most 17 waiting never fill the ring.
    std::uniform_int_distribution<int> split(0, 13);
    for (qsizetype i = 0; i < stream.size();) {
        const int n = split(rng);
        random.event(stream.mid(i, n));
        i += n;
    }
    for (const Receiver* r : {&whole, &single, &random}) {
        EXPECT_EQ(r->frames, expected);
        EXPECT_TRUE(r->dropped.isEmpty());
        EXPECT_EQ(r->unread(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ReceiveRingSplits, ::testing::Values(1u, 2u, 3u, 42u, 2024u),
                         paramname::from([](unsigned seed) {
                             return paramname::join("Seed", seed);
                         }));

}  // namespace
