// The component's two rings, fed whole, a byte at a time and in random splits.
#include "serial/ReceiveBuffer.h"
#include "serial/TransmitRing.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<std::uint8_t> drain(ReceiveBuffer& rx) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < rx.unread(); ++i) out.push_back(rx.peek(i));
    rx.consume(rx.unread());
    return out;
}

std::vector<std::uint8_t> pattern(std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return bytes;
}

TEST(ReceiveBuffer, AFullRingIsToldFromAnEmptyOne) {
    ReceiveBuffer rx;
    const auto bytes = pattern(ReceiveBuffer::Size);
    EXPECT_EQ(rx.append(bytes), ReceiveBuffer::Size);
    EXPECT_TRUE(rx.full());
    EXPECT_EQ(rx.unread(), ReceiveBuffer::Size);
    EXPECT_EQ(rx.freeSpace(), 0u);
    EXPECT_EQ(drain(rx), bytes);
    EXPECT_FALSE(rx.full());
    EXPECT_EQ(rx.unread(), 0u);
}

TEST(ReceiveBuffer, TakesOnlyWhatFitsAndLeavesTheRest) {
    ReceiveBuffer rx;
    const auto first = pattern(8000);
    rx.append(first);
    const auto more = pattern(500);
    EXPECT_EQ(rx.append(more), 192u);
    EXPECT_TRUE(rx.full());
    EXPECT_EQ(rx.append(more), 0u);
}

TEST(ReceiveBuffer, WrapsAtItsEndInRandomSplitsWithoutLosingOrder) {
    ReceiveBuffer rx;
    std::mt19937 random(2024);
    std::vector<std::uint8_t> sent;
    std::vector<std::uint8_t> got;
    for (int round = 0; round < 400; ++round) {
        const auto chunk = pattern(std::uniform_int_distribution<std::size_t>(1, 300)(random));
        const std::size_t taken = rx.append(chunk);
        sent.insert(sent.end(), chunk.begin(), chunk.begin() + static_cast<long>(taken));
        const std::size_t n = std::uniform_int_distribution<std::size_t>(0, rx.unread())(random);
        for (std::size_t i = 0; i < n; ++i) got.push_back(rx.peek(i));
        rx.consume(n);
    }
    const auto rest = drain(rx);
    got.insert(got.end(), rest.begin(), rest.end());
    EXPECT_GT(sent.size(), ReceiveBuffer::Size * 3) << "the ring wrapped several times";
    EXPECT_EQ(got, sent);
}

TEST(ReceiveBuffer, FedOneByteAtATimeReadsBackTheSame) {
    ReceiveBuffer rx;
    const auto bytes = pattern(ReceiveBuffer::Size + 100);
    std::vector<std::uint8_t> got;
    for (const std::uint8_t b : bytes) {
        ASSERT_EQ(rx.append(std::span(&b, 1)), 1u);
        got.push_back(rx.peek(0));
        rx.consume(1);
    }
    EXPECT_EQ(got, bytes);
}

TEST(TransmitRing, RefusesABlockLargerThanItsFreeSpaceAndKeepsWhatItHeld) {
    TransmitRing tx(8);
    const std::vector<std::uint8_t> five{1, 2, 3, 4, 5};
    ASSERT_TRUE(tx.append(five));
    const std::vector<std::uint8_t> four{6, 7, 8, 9};
    EXPECT_FALSE(tx.append(four));
    EXPECT_EQ(tx.queued(), 5u);
    const auto run = tx.frontRun();
    EXPECT_EQ(std::vector<std::uint8_t>(run.begin(), run.end()), five);
}

TEST(TransmitRing, HandsOutRunsUpToItsEndAndThenFromItsStart) {
    TransmitRing tx(8);
    tx.append(std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6});
    tx.pop(5);
    tx.append(std::vector<std::uint8_t>{7, 8, 9, 10});
    auto run = tx.frontRun();
    EXPECT_EQ(std::vector<std::uint8_t>(run.begin(), run.end()),
              (std::vector<std::uint8_t>{6, 7, 8}));
    tx.pop(run.size());
    run = tx.frontRun();
    EXPECT_EQ(std::vector<std::uint8_t>(run.begin(), run.end()),
              (std::vector<std::uint8_t>{9, 10}));
    tx.pop(run.size());
    EXPECT_TRUE(tx.empty());
}

}  // namespace
