// The bus period by period: the master-position tally every 40 ms while cyclic data is on,
// machine tallies in turn as the load allows, the controller's commands with their answers, and
// the same bytes for the same seed.
#include "sim/model/bus.h"
#include "sim/model/commandframes.h"
#include "sim/model/framer.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using namespace sim;

std::uint8_t kindOf(const QByteArray& f) {
    return static_cast<std::uint8_t>(f[2]);
}
bool isTally(const QByteArray& f) {
    return (static_cast<std::uint8_t>(f[0]) >> 4) == 1 && static_cast<std::uint8_t>(f[1]) == 0xA0;
}

std::vector<QByteArray> periods(Bus& bus, int n) {
    std::vector<QByteArray> all;
    for (int i = 0; i < n; ++i)
        for (QByteArray& f : bus.nextPeriod()) all.push_back(std::move(f));
    return all;
}

QByteArray bytes(const std::vector<QByteArray>& frames) {
    QByteArray b;
    for (const QByteArray& f : frames) b += f;
    return b;
}

TEST(SimBus, WithoutAControllerTheLineIsQuietUntilCyclicDataIsAskedFor) {
    Bus bus(BusSettings{6, 50, false, 1});
    EXPECT_TRUE(periods(bus, 10).empty());
    const QByteArray enable = cmd::cyclic(true);
    EXPECT_TRUE(bus.received(std::span(reinterpret_cast<const std::uint8_t*>(enable.constData()),
                                       static_cast<std::size_t>(enable.size())))
                    .empty());
    for (int p = 0; p < 50; ++p) {
        const auto frames = bus.nextPeriod();
        ASSERT_FALSE(frames.empty());
        int masters = 0;
        for (const QByteArray& f : frames) masters += isTally(f) && kindOf(f) == 0x80;
        EXPECT_EQ(masters, 1) << "period " << p;
        EXPECT_EQ(kindOf(frames[0]), 0x80);
    }
}

TEST(SimBus, EveryFrameOnTheLineIsGood) {
    Bus bus(BusSettings{6, 100, true, 9});
    const QByteArray line = bytes(periods(bus, 500));
    LineFramer framer;
    int good = 0;
    for (const LineItem& item : framer.push(line)) {
        ASSERT_TRUE(item.isFrame) << traceLine(item).toStdString();
        ++good;
    }
    EXPECT_EQ(framer.pending(), 0);
    EXPECT_GT(good, 2000);
}

TEST(SimBus, TheSameSeedPlaysTheSameBus) {
    Bus a(BusSettings{6, 60, true, 42});
    Bus b(BusSettings{6, 60, true, 42});
    Bus c(BusSettings{6, 60, true, 43});
    const QByteArray la = bytes(periods(a, 1500));
    EXPECT_EQ(la, bytes(periods(b, 1500)));
    EXPECT_NE(la, bytes(periods(c, 1500)));
}

class SimBusLoad : public ::testing::TestWithParam<double> {};

TEST_P(SimBusLoad, FillsItsShareOfTheLine) {
    Bus bus(BusSettings{6, GetParam(), true, 5});
    const int n = 750;  // 30 seconds
    const double perPeriod = static_cast<double>(bytes(periods(bus, n)).size()) / n;
    const double expected = LineBytesPerPeriod * GetParam() / 100;
    EXPECT_NEAR(perPeriod, expected, expected * 0.06);
}

INSTANTIATE_TEST_SUITE_P(Percent, SimBusLoad, ::testing::Values(30.0, 50.0, 75.0, 100.0),
                         paramname::ByValue());

TEST(SimBus, EveryKindOfCyclicTallyComesRoundWithinTwoSeconds) {
    Bus bus(BusSettings{6, 50, true, 2});
    periods(bus, 100);                   // past the controller's opening
    std::set<std::pair<int, int>> seen;  // (kind, machine)
    for (const QByteArray& f : periods(bus, 50)) {
        if (isTally(f)) seen.insert({kindOf(f), static_cast<std::uint8_t>(f[3])});
    }
    for (int m = 1; m <= 6; ++m) {
        EXPECT_TRUE(seen.count({0x81, m})) << "status of machine " << m;
        EXPECT_TRUE(seen.count({0x82, m})) << "offset of machine " << m;
        EXPECT_TRUE(seen.count({0x83, m})) << "details of machine " << m;
    }
    std::set<int> kinds;
    for (const auto& [kind, machine] : seen) kinds.insert(kind);
    for (const int k : {0x80, 0x84, 0x85, 0x91, 0x92}) EXPECT_TRUE(kinds.count(k)) << std::hex << k;
}

TEST(SimBus, ControllerKeepsCyclicDataAliveAndPollsTimeWithAnswersRightBehind) {
    Bus bus(BusSettings{6, 50, true, 3});
    const auto all = periods(bus, 100);
    int cyclic = 0;
    int timeSenses = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == cmd::cyclic(true)) ++cyclic;
        if (all[i] == QByteArray::fromHex("610C016E")) {
            ++timeSenses;
            ASSERT_LT(i + 1, all.size());
            EXPECT_EQ(all[i + 1].left(2), QByteArray::fromHex("7404"));
        }
    }
    EXPECT_EQ(cyclic, 4);
    EXPECT_EQ(timeSenses, 20);
}

TEST(SimBus, MasterPositionRunsOnceTheControllerRolls) {
    Bus bus(BusSettings{6, 50, true, 4});
    std::map<int, int> positions;
    for (int p = 0; p < 60; ++p) {
        for (const QByteArray& f : bus.nextPeriod()) {
            if (isTally(f) && kindOf(f) == 0x80) {
                positions[p] = static_cast<std::uint8_t>(f[4]) << 16 |
                               static_cast<std::uint8_t>(f[5]) << 8 |
                               static_cast<std::uint8_t>(f[6]);
            }
        }
    }
    EXPECT_EQ(positions[59] - positions[30], 29);  // playing: one frame a period
}

TEST(SimBus, ABacklogOnTheLineThinsTheTalliesUntilItHasDrained) {
    Bus bus(BusSettings{6, 100, false, 6});
    const QByteArray enable = cmd::cyclic(true);
    bus.received(std::span(reinterpret_cast<const std::uint8_t*>(enable.constData()),
                           static_cast<std::size_t>(enable.size())));
    const auto full = bus.nextPeriod(0);
    EXPECT_GE(bytes(full).size(), 120);
    // Half a second of bytes still waiting: only the master position and one machine tally.
    const auto thin = bus.nextPeriod(1745);
    ASSERT_EQ(thin.size(), 2u);
    EXPECT_EQ(kindOf(thin[0]), 0x80);
}

}  // namespace
