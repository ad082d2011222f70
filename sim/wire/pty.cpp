#include "sim/wire/pty.h"

#include "sim/wire/simerror.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {
[[noreturn]] void fail(const char* what) {
    throw SimError(std::string(what) + ": " + std::strerror(errno));
}

constexpr int WriteWaitMs = 200;
constexpr int DrainWaitMs = 5;
}  // namespace

PseudoTerminal::PseudoTerminal() {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) fail("posix_openpt");
    if (grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        const int e = errno;
        ::close(fd_);
        errno = e;
        fail("grantpt/unlockpt");
    }
    char name[128] = {};
    if (ptsname_r(fd_, name, sizeof name) != 0) {
        const int e = errno;
        ::close(fd_);
        errno = e;
        fail("ptsname");
    }
    path_ = QString::fromLocal8Bit(name);

    // Raw from the start: bytes that arrive before the analyser sets the line up must not be
    // cooked (CR to LF, ^C to a signal) on their way in.
    termios t{};
    if (tcgetattr(fd_, &t) == 0) {
        cfmakeraw(&t);
        cfsetispeed(&t, B38400);
        cfsetospeed(&t, B38400);
        tcsetattr(fd_, TCSANOW, &t);
    }
    // Until the far side has been opened once, the master cannot tell "never opened" from
    // "open". One open and close of our own puts it in the "closed" state it reports reliably.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave >= 0) ::close(slave);
}

PseudoTerminal::~PseudoTerminal() {
    if (fd_ >= 0) ::close(fd_);
}

bool PseudoTerminal::farSideOpen() const {
    pollfd p{fd_, 0, 0};
    if (::poll(&p, 1, 0) < 0) return false;
    return (p.revents & POLLHUP) == 0;
}

QByteArray PseudoTerminal::read() {
    QByteArray out;
    char buf[512];
    for (;;) {
        const ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n > 0) {
            out.append(buf, static_cast<qsizetype>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        break;  // EAGAIN: nothing more; EIO: the far side is closed
    }
    return out;
}

bool PseudoTerminal::write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            // The far side's input is full: it has stopped reading. Give it a moment.
            pollfd p{fd_, POLLOUT, 0};
            if (::poll(&p, 1, WriteWaitMs) > 0 && (p.revents & POLLOUT) != 0) continue;
        }
        return false;
    }
    return true;
}

void PseudoTerminal::discardUnread() {
    tcflush(fd_, TCOFLUSH);
    // Bytes the far side's line discipline already holds are flushed from that side, and those
    // still on their way through the terminal layer are read off as they arrive.
    const int slave = ::open(path_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0) return;
    tcflush(slave, TCIFLUSH);
    char buf[256];
    pollfd p{slave, POLLIN, 0};
    while (::poll(&p, 1, DrainWaitMs) > 0 && ::read(slave, buf, sizeof buf) > 0) {
    }
    ::close(slave);
}

}  // namespace sim
