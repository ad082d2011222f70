// What start-up makes of the command line and of the program's path.
#include "app/startup.h"
#include "serial/AppError.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

namespace {

struct PortArgument {
    const char* text;
    int port;
};

class PortParameter : public ::testing::TestWithParam<PortArgument> {};

TEST_P(PortParameter, DecimalNumbersGiveThePort) {
    EXPECT_EQ(startup::portNumberArgument(QString::fromLatin1(GetParam().text)), GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(Decimal, PortParameter,
                         ::testing::Values(PortArgument{"1", 1}, PortArgument{"3", 3},
                                           PortArgument{"07", 7}, PortArgument{"0", 0},
                                           PortArgument{"65535", 65535}),
                         paramname::from([](const PortArgument& c) { return c.text; }));

struct BadArgument {
    const char* text;
    const char* failure;
};

class BadPortParameter : public ::testing::TestWithParam<BadArgument> {};

TEST_P(BadPortParameter, IsRefusedWithTheTextTheUserSees) {
    try {
        startup::portNumberArgument(QString::fromLatin1(GetParam().text));
        FAIL() << "accepted " << GetParam().text;
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), QString::fromLatin1(GetParam().failure));
    }
}

INSTANTIATE_TEST_SUITE_P(NotDecimal, BadPortParameter,
                         ::testing::Values(BadArgument{"abc", "'abc' is not a valid integer value"},
                                           BadArgument{"0x10",
                                                       "'0x10' is not a valid integer value"},
                                           BadArgument{"$10", "'$10' is not a valid integer value"},
                                           BadArgument{"3.5", "'3.5' is not a valid integer value"},
                                           BadArgument{"", "'' is not a valid integer value"}),
                         paramname::from([](const BadArgument& c) { return c.text; }));

// A number no port can have would otherwise wrap round to another port (65537 to port 1).
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, BadPortParameter,
    ::testing::Values(BadArgument{"65536", "'65536' is not a valid port number"},
                      BadArgument{"65537", "'65537' is not a valid port number"},
                      BadArgument{"-1", "'-1' is not a valid port number"}),
    paramname::from([](const BadArgument& c) { return c.text; }));

struct ProgramPath {
    const char* path;
    const char* folder;
};

class ProgramFolder : public ::testing::TestWithParam<ProgramPath> {};

TEST_P(ProgramFolder, KeepsTheTrailingSeparatorOrFallsBackToTheCurrentDirectory) {
    EXPECT_EQ(startup::programFolder(QString::fromLatin1(GetParam().path),
                                     QStringLiteral("/home/op/work")),
              QString::fromLatin1(GetParam().folder));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramFolder,
    ::testing::Values(ProgramPath{"/opt/quenlar/bin/quenlar", "/opt/quenlar/bin/"},
                      ProgramPath{"/quenlar", "/"}, ProgramPath{"bin/quenlar", "bin/"},
                      ProgramPath{"quenlar", "/home/op/work"}, ProgramPath{"", "/home/op/work"}),
    paramname::from([](const ProgramPath& c) {
        return std::string_view(c.path).starts_with('/') ? paramname::join("Root", c.path)
                                                         : paramname::safe(c.path);
    }));

TEST(PortButton, ShowsComAndThePortNumber) {
    EXPECT_EQ(startup::portCaption(1), QStringLiteral("Com1"));
    EXPECT_EQ(startup::portCaption(12), QStringLiteral("Com12"));
}

}  // namespace
