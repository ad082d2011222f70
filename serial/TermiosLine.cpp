#include "serial/TermiosLine.h"

#include <array>
#include <utility>

namespace termiosline {
namespace {
constexpr std::array<std::pair<std::int32_t, speed_t>, 18> kSpeeds{{
    {50, B50},
    {75, B75},
    {110, B110},
    {134, B134},
    {150, B150},
    {200, B200},
    {300, B300},
    {600, B600},
    {1200, B1200},
    {1800, B1800},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
}};

tcflag_t characterSize(std::int16_t dataBits) {
    switch (dataBits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

tcflag_t parityFlags(TParity p) {
    switch (p) {
        case TParity::pOdd:
            return PARENB | PARODD;
        case TParity::pEven:
            return PARENB;
        case TParity::pMark:
            return PARENB | CMSPAR | PARODD;
        case TParity::pSpace:
            return PARENB | CMSPAR;
        case TParity::pNone:
            break;
    }
    return 0;
}
}  // namespace

std::optional<speed_t> speedFor(std::int32_t baud) {
    for (const auto& [rate, speed] : kSpeeds) {
        if (rate == baud) return speed;
    }
    return std::nullopt;
}

bool apply(termios& t, const LineSettings& line) {
    const std::optional<speed_t> speed = speedFor(line.baud);
    if (!speed) return false;
    cfmakeraw(&t);
    t.c_iflag &= ~(INPCK | IGNPAR | PARMRK | ISTRIP | IXON | IXOFF | IXANY | BRKINT);
    t.c_iflag |= IGNBRK;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    t.c_cflag |= CREAD | CLOCAL | characterSize(line.dataBits) | parityFlags(line.parity);
    if (line.stopBits == 2) t.c_cflag |= CSTOPB;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, *speed);
    cfsetospeed(&t, *speed);
    return true;
}

bool carries(const termios& actual, const termios& wanted) {
    constexpr tcflag_t frameBits = CSIZE | CSTOPB;
    constexpr tcflag_t cooking = ICANON | ECHO | ECHONL | ISIG | IEXTEN;
    return cfgetispeed(&actual) == cfgetispeed(&wanted) &&
           cfgetospeed(&actual) == cfgetospeed(&wanted) &&
           (actual.c_cflag & frameBits) == (wanted.c_cflag & frameBits) &&
           (actual.c_lflag & cooking) == (wanted.c_lflag & cooking) &&
           (actual.c_oflag & OPOST) == (wanted.c_oflag & OPOST);
}
}  // namespace termiosline
