// The simulator's end of the pseudo-terminal: the far side may come and go, and each program
// that opens it starts on a clean line.
#include "sim/wire/pty.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

using sim::PseudoTerminal;

struct FarSide {
    int fd;
    explicit FarSide(const QString& path)
        : fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~FarSide() {
        if (fd >= 0) ::close(fd);
    }
    QByteArray read(int timeoutMs = 2000) const {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) return {};
        char buf[256];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        return n > 0 ? QByteArray(buf, static_cast<qsizetype>(n)) : QByteArray();
    }
};

TEST(SimPty, ReportsTheFarSideClosedUntilAProgramOpensIt) {
    PseudoTerminal pty;
    EXPECT_TRUE(pty.farSidePath().startsWith(QStringLiteral("/dev/pts/")));
    EXPECT_FALSE(pty.farSideOpen());
    {
        FarSide far(pty.farSidePath());
        ASSERT_GE(far.fd, 0);
        EXPECT_TRUE(pty.farSideOpen());
    }
    EXPECT_FALSE(pty.farSideOpen());
    FarSide again(pty.farSidePath());
    EXPECT_TRUE(pty.farSideOpen());
}

TEST(SimPty, BytesGoBothWaysUntouchedByTheLineDiscipline) {
    PseudoTerminal pty;
    FarSide far(pty.farSidePath());
    // CR, ^C and ^S would be cooked or eaten on a terminal line in its default mode.
    const QByteArray bytes = QByteArray::fromHex("0D03131100FF0A");
    ASSERT_TRUE(pty.write(bytes));
    EXPECT_EQ(far.read(), bytes);
    ASSERT_EQ(::write(far.fd, bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
    pollfd p{pty.fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 2000), 1);
    EXPECT_EQ(pty.read(), bytes);
}

TEST(SimPty, AProgramOpeningTheLineFindsNothingStale) {
    PseudoTerminal pty;
    {
        FarSide far(pty.farSidePath());
        ASSERT_TRUE(pty.write(QByteArray::fromHex("200121")));
    }
    pty.discardUnread();
    FarSide next(pty.farSidePath());
    EXPECT_TRUE(next.read(100).isEmpty());
    ASSERT_TRUE(pty.write(QByteArray::fromHex("200020")));
    EXPECT_EQ(next.read(), QByteArray::fromHex("200020"));
}

}  // namespace
