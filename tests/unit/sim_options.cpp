// quenlar-sim's command line.
#include "sim/program/options.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

namespace {

using namespace sim;

ParsedOptions parse(QStringList args) {
    args.prepend(QStringLiteral("quenlar-sim"));
    return parseOptions(args);
}

TEST(SimOptions, DefaultsPlayAHalfLoadedBusOfSixMachinesWithItsController) {
    const ParsedOptions p = parse({});
    EXPECT_TRUE(p.error.isEmpty());
    EXPECT_FALSE(p.help);
    EXPECT_EQ(p.options.load, 50);
    EXPECT_EQ(p.options.machines, 6);
    EXPECT_TRUE(p.options.controller);
    EXPECT_FALSE(p.options.seed.has_value());
    EXPECT_EQ(p.options.port, 1);
    EXPECT_EQ(p.options.duration, 0);
    EXPECT_EQ(p.options.fifo, 0) << "each frame at once";
    EXPECT_FALSE(p.options.usb);
    EXPECT_FALSE(p.options.hunt);
}

TEST(SimOptions, EveryOptionIsTaken) {
    const ParsedOptions p =
        parse({"--load",    "80",         "--seed",   "12345678901",     "--duration",
               "2.5",       "--machines", "3",        "--bit-errors",    "0.001",
               "--garbage", "0.01",       "--stalls", "--no-controller", "--hold",
               "--port",    "7",          "--replay", "a.txt",           "--stats",
               "s.txt",     "--log-rx",   "rx.txt",   "--log-tx",        "tx.txt",
               "--fifo",    "8",          "--hunt"});
    ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
    const SimOptions& o = p.options;
    EXPECT_EQ(o.load, 80);
    EXPECT_EQ(o.seed, 12345678901ULL);
    EXPECT_EQ(o.duration, 2.5);
    EXPECT_EQ(o.machines, 3);
    EXPECT_EQ(o.bitErrors, 0.001);
    EXPECT_EQ(o.garbage, 0.01);
    EXPECT_TRUE(o.stalls);
    EXPECT_FALSE(o.controller);
    EXPECT_TRUE(o.hold);
    EXPECT_EQ(o.port, 7);
    EXPECT_EQ(o.replay, QStringLiteral("a.txt"));
    EXPECT_EQ(o.statsFile, QStringLiteral("s.txt"));
    EXPECT_EQ(o.logRx, QStringLiteral("rx.txt"));
    EXPECT_EQ(o.logTx, QStringLiteral("tx.txt"));
    EXPECT_EQ(o.fifo, 8);
    EXPECT_TRUE(o.hunt);
}

TEST(SimOptions, UsbIsTakenAloneOrBesideAFifoOfNone) {
    for (const QStringList& args : {QStringList{"--usb"}, QStringList{"--usb", "--fifo", "0"}}) {
        const ParsedOptions p = parse(args);
        ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
        EXPECT_TRUE(p.options.usb);
        EXPECT_EQ(p.options.fifo, 0);
    }
}

class SimOptionsRefused : public ::testing::TestWithParam<std::vector<const char*>> {};

TEST_P(SimOptionsRefused, WithATextNamingTheOption) {
    QStringList args;
    for (const char* a : GetParam()) args << QLatin1String(a);
    const ParsedOptions p = parse(args);
    EXPECT_FALSE(p.error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Bad, SimOptionsRefused,
                         ::testing::Values(std::vector<const char*>{"--load", "0"},
                                           std::vector<const char*>{"--load", "101"},
                                           std::vector<const char*>{"--machines", "7"},
                                           std::vector<const char*>{"--bit-errors", "2"},
                                           std::vector<const char*>{"--seed", "abc"},
                                           std::vector<const char*>{"--port", "0"},
                                           std::vector<const char*>{"--fifo", "65"},
                                           std::vector<const char*>{"--fifo", "-1"},
                                           std::vector<const char*>{"--usb", "--fifo", "8"},
                                           std::vector<const char*>{"--fifo", "1", "--usb"},
                                           std::vector<const char*>{"--frobnicate"},
                                           std::vector<const char*>{"stray"}),
                         paramname::from([](const std::vector<const char*>& args) {
                             std::string line;
                             for (const char* a : args) line += std::string(a) + ' ';
                             return line;
                         }));

TEST(SimOptions, HelpNamesEveryOption) {
    EXPECT_TRUE(parse({"--help"}).help);
    const QString help = helpText();
    for (const char* o : {"--load", "--seed", "--duration", "--machines", "--bit-errors",
                          "--garbage", "--stalls", "--no-controller", "--hold", "--port",
                          "--replay", "--stats", "--log-rx", "--log-tx", "--fifo", "--usb"})
        EXPECT_TRUE(help.contains(QLatin1String(o))) << o;
}

}  // namespace
