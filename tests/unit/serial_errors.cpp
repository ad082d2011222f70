// What the user reads when the serial component fails.
#include "serial/ComErrors.h"
#include "serial/TermiosLine.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

struct TextCase {
    int code;
    const char* text;
};

class ComponentText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ComponentText, IsTheFixedEnglishText) {
    const AppError e = comerr::error(GetParam().code);
    EXPECT_EQ(e.code(), GetParam().code);
    EXPECT_EQ(e.text(), QLatin1String(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ComponentText,
    ::testing::Values(TextCase{2001, "ie_BadId - Specified comport doesn't exist"},
                      TextCase{2007, "ie_NOpen - device not open"},
                      TextCase{2008, "ie_Open - device already open"},
                      TextCase{2011, "The ComNumber property of the TComPort has not been set"},
                      TextCase{3006, "Output buffer too small for block"},
                      TextCase{3007, "Buffer is empty"}, TextCase{5003, "Bad trigger handle"}),
    paramname::from([](const TextCase& c) { return c.code; }));

struct OpenCase {
    int errnoValue;
    int code;
};

class OpenFailure : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenFailure, TellsMissingFromBusyFromOther) {
    EXPECT_EQ(comerr::openFailure(GetParam().errnoValue, QStringLiteral("/dev/ttyUSB0")).code(),
              GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Errno, OpenFailure,
    ::testing::Values(OpenCase{ENOENT, 2001}, OpenCase{ENODEV, 2001}, OpenCase{ENXIO, 2001},
                      OpenCase{EBUSY, 2008}, OpenCase{EWOULDBLOCK, 2008}, OpenCase{EACCES, EACCES},
                      OpenCase{EIO, EIO}, OpenCase{EINVAL, EINVAL}),
    paramname::from([](const OpenCase& c) { return strerrorname_np(c.errnoValue); }));

TEST(OpenFailure, PermissionDeniedIsNotAlreadyOpenAndSaysHowToGetAccess) {
    const AppError e = comerr::openFailure(EACCES, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(e.text(),
              QStringLiteral("/dev/ttyUSB0: Permission denied. Add your user to the dialout "
                             "group (sudo usermod -aG dialout $USER) and log in again."));
}

TEST(OpenFailure, OtherFailuresCarryTheSystemsText) {
    EXPECT_EQ(comerr::osError(EIO).text(), QStringLiteral("Input/output error"));
    EXPECT_TRUE(comerr::deviceLost(QStringLiteral("/dev/ttyUSB0"), EIO)
                    .text()
                    .startsWith(QStringLiteral("/dev/ttyUSB0: Input/output error.")));
}

TEST(TermiosLine, OddParityIsGeneratedButNotCheckedAndFlowControlIsOff) {
    termios t{};
    t.c_iflag = INPCK | IXON | IXOFF | PARMRK | ISTRIP;
    t.c_cflag = CRTSCTS | CSTOPB | CS7;
    ASSERT_TRUE(termiosline::apply(t, LineSettings{38400, TParity::pOdd, 8, 1}));
    EXPECT_EQ(cfgetospeed(&t), B38400);
    EXPECT_EQ(cfgetispeed(&t), B38400);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD), static_cast<tcflag_t>(PARENB | PARODD));
    EXPECT_EQ(t.c_cflag & (CSTOPB | CRTSCTS), 0u);
    EXPECT_NE(t.c_cflag & CLOCAL, 0u);
    EXPECT_NE(t.c_cflag & CREAD, 0u);
    EXPECT_EQ(t.c_iflag & (INPCK | IXON | IXOFF | IXANY | PARMRK | ISTRIP), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);
}

TEST(TermiosLine, NoParityClearsBothParityBitsAndAnUnknownSpeedIsRefused) {
    termios t{};
    ASSERT_TRUE(termiosline::apply(t, LineSettings{38400, TParity::pOdd, 8, 1}));
    ASSERT_TRUE(termiosline::apply(t, LineSettings{38400, TParity::pNone, 8, 1}));
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD), 0u);
    EXPECT_FALSE(termiosline::apply(t, LineSettings{38401, TParity::pNone, 8, 1}));
}

}  // namespace
