#include "tests/support/pty.h"

#include <QDeadlineTimer>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <cstdlib>

Pty::Pty() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        closeMaster();
        return;
    }
    std::array<char, 128> name{};
    if (::ptsname_r(master_, name.data(), name.size()) != 0) {
        closeMaster();
        return;
    }
    slavePath_ = QString::fromLocal8Bit(name.data());
    slave_ = ::open(name.data(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ >= 0) {
        // Raw from the start, so nothing the far end sends before the port opens is echoed.
        termios t{};
        ::tcgetattr(slave_, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(slave_, TCSANOW, &t);
    }
    const int flags = ::fcntl(master_, F_GETFL);
    ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
}

Pty::~Pty() {
    closeMaster();
    if (slave_ >= 0) ::close(slave_);
    if (!mappedVariable_.isEmpty()) qunsetenv(mappedVariable_.constData());
}

void Pty::mapPort(std::uint16_t comNumber) {
    mappedVariable_ = QByteArray("QUENLAR_COM") + QByteArray::number(comNumber);
    qputenv(mappedVariable_.constData(), slavePath_.toLocal8Bit());
}

void Pty::write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done,
                                  static_cast<std::size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            pollfd p{master_, POLLOUT, 0};
            ::poll(&p, 1, 100);
        }
    }
}

QByteArray Pty::read(int count, int timeoutMs) {
    QByteArray got;
    const QDeadlineTimer deadline(timeoutMs);
    while (master_ >= 0 && got.size() < count && !deadline.hasExpired()) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))) <= 0)
            continue;
        std::array<char, 512> buf{};
        const ssize_t n = ::read(master_, buf.data(), buf.size());
        if (n > 0) got.append(buf.data(), n);
    }
    return got;
}

QByteArray Pty::readFor(int timeoutMs) {
    return read(1 << 30, timeoutMs);
}

termios Pty::slaveSettings() const {
    termios t{};
    if (slave_ >= 0) ::tcgetattr(slave_, &t);
    return t;
}

void Pty::closeMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}
