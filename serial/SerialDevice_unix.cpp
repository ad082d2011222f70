#include "serial/SerialDevice_unix.h"

#include "serial/ComErrors.h"
#include "serial/PlatformDevice.h"
#include "serial/TermiosLine.h"
#include "serial/portmap.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <optional>

namespace {
// The device has gone: a USB adapter unplugged, the far end of a pseudo-terminal closed.
bool goneErrno(int e) {
    return e == EIO || e == ENXIO || e == ENODEV || e == EBADF;
}
// The driver has no such control (pseudo-terminals have no modem lines).
bool unsupportedErrno(int e) {
    return e == EINVAL || e == ENOTTY;
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// The driver's receive overruns: bytes the UART had no room for, and bytes its buffer had no room
// for while nobody read them. Nullopt where the driver keeps no counts (pseudo-terminals).
std::optional<std::uint64_t> receiveOverruns(int fd) {
    serial_icounter_struct counts{};
    if (::ioctl(fd, TIOCGICOUNT, &counts) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(static_cast<unsigned>(counts.overrun)) +
           static_cast<unsigned>(counts.buf_overrun);
}

void drain(int eventFd) {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(eventFd, &count, sizeof count);
}

void signal(int eventFd) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(eventFd, &one, sizeof one);
}
}  // namespace

std::unique_ptr<SerialDevice> makePlatformDevice(std::uint16_t comNumber) {
    return std::make_unique<TermiosDevice>(portmap::devicePath(comNumber));
}

TermiosDevice::TermiosDevice(QString path) : path_(std::move(path)) {}

TermiosDevice::~TermiosDevice() {
    TermiosDevice::close();
}

void TermiosDevice::fail(int e) const {
    if (goneErrno(e)) throw comerr::deviceLost(path_, e);
    throw comerr::osError(e);
}

void TermiosDevice::open() {
    close();
    if (path_.isEmpty()) throw comerr::openFailure(ENOENT, path_);
    const QByteArray path = path_.toLocal8Bit();
    if (::access(path.constData(), F_OK) != 0) throw comerr::openFailure(errno, path_);
    lock_.acquire(path_);
    fd_ = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int e = errno;
        lock_.release();
        throw comerr::openFailure(e, path_);
    }
    const auto refuse = [this](int e) {
        closeFd(fd_);
        lock_.release();
        throw comerr::openFailure(e, path_);
    };
    if (!::isatty(fd_)) refuse(ENOTTY);
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) refuse(errno == EWOULDBLOCK ? EBUSY : errno);
    ::ioctl(fd_, TIOCEXCL);
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    cancelFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    modemFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd_ < 0 || cancelFd_ < 0 || modemFd_ < 0) {
        const int e = errno;
        close();
        throw comerr::osError(e);
    }
    requestLowLatency();
    takeLineErrors();
    overrunsAtOpen_ = receiveOverruns(fd_).value_or(0);
    lineWait_ = std::make_unique<ModemLineWait>(fd_, modemFd_);
}

void TermiosDevice::close() {
    if (fd_ >= 0) {
        signal(cancelFd_);
        lineWait_.reset();
        ::ioctl(fd_, TIOCNXCL);
    }
    closeFd(fd_);
    closeFd(wakeFd_);
    closeFd(cancelFd_);
    closeFd(modemFd_);
    lock_.release();
}

void TermiosDevice::setQueueSizes(std::uint16_t, std::uint16_t) {
    // The kernel's tty queues have a fixed size; there is nothing to ask for.
}

void TermiosDevice::setLine(const LineSettings& line) {
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) fail(errno);
    if (!termiosline::apply(t, line)) throw comerr::osError(EINVAL);
    // tcsetattr reports success when it made any of the changes, and EINVAL when it made none;
    // a pseudo-terminal, which drops the parity bit, already set up by an earlier open says
    // EINVAL although it holds the line. So the settings that result are what counts.
    const int e = ::tcsetattr(fd_, TCSANOW, &t) == 0 ? 0 : errno;
    termios now{};
    if (::tcgetattr(fd_, &now) != 0) fail(e != 0 ? e : errno);
    if (!termiosline::carries(now, t)) fail(e != 0 ? e : EINVAL);
}

void TermiosDevice::setModemBit(int bit, bool on) {
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) == 0) return;
    const int e = errno;
    if (!unsupportedErrno(e)) fail(e);
}

void TermiosDevice::setDtr(bool on) {
    setModemBit(TIOCM_DTR, on);
}
void TermiosDevice::setRts(bool on) {
    setModemBit(TIOCM_RTS, on);
}

std::uint8_t TermiosDevice::modemLines() {
    int bits = 0;
    if (::ioctl(fd_, TIOCMGET, &bits) != 0) {
        const int e = errno;
        if (unsupportedErrno(e)) return 0;
        fail(e);
    }
    std::uint8_t lines = 0;
    if (bits & TIOCM_CTS) lines |= modemline::CTS;
    if (bits & TIOCM_DSR) lines |= modemline::DSR;
    if (bits & TIOCM_RNG) lines |= modemline::RI;
    if (bits & TIOCM_CD) lines |= modemline::DCD;
    return lines;
}

unsigned TermiosDevice::waitEvent(bool wantData) {
    for (;;) {
        std::array<pollfd, 4> fds{{{fd_, static_cast<short>(wantData ? POLLIN : 0), 0},
                                   {wakeFd_, POLLIN, 0},
                                   {cancelFd_, POLLIN, 0},
                                   {modemFd_, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        if (fds[2].revents != 0) return 0;
        unsigned events = 0;
        if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return lineevent::Hangup;
        if ((fds[0].revents & POLLIN) != 0) events |= lineevent::RxChar;
        if (fds[3].revents != 0) {
            drain(modemFd_);
            events |= lineevent::ModemChange;
        }
        if (fds[1].revents != 0) {
            drain(wakeFd_);
            return events;
        }
        if (events != 0) return events;
    }
}

void TermiosDevice::wake() {
    if (wakeFd_ >= 0) signal(wakeFd_);
}

void TermiosDevice::cancel() {
    if (cancelFd_ >= 0) signal(cancelFd_);
}

std::size_t TermiosDevice::readAvailable(std::span<std::uint8_t> into) {
    for (;;) {
        const ssize_t n = ::read(fd_, into.data(), into.size());
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno == EINTR) continue;
        if (errno == EAGAIN) return 0;
        fail(errno);
    }
}

void TermiosDevice::write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) fail(errno);
        // The driver's queue is full: wait for room, or for the port to close.
        std::array<pollfd, 2> fds{{{fd_, POLLOUT, 0}, {cancelFd_, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) fail(errno);
        if (fds[1].revents != 0) return;
        if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) fail(EIO);
    }
}

void TermiosDevice::discardInput() {
    if (::tcflush(fd_, TCIFLUSH) != 0) fail(errno);
}

unsigned TermiosDevice::takeLineErrors() {
    serial_icounter_struct counts{};
    if (::ioctl(fd_, TIOCGICOUNT, &counts) != 0) return 0;
    const unsigned long total = static_cast<unsigned long>(counts.frame) + counts.overrun +
                                counts.parity + counts.brk + counts.buf_overrun;
    const bool newFaults = total != errorCount_;
    errorCount_ = total;
    return newFaults ? lineevent::LineError : 0;
}

std::uint64_t TermiosDevice::lostBytes() {
    const auto now = receiveOverruns(fd_);
    return now && *now > overrunsAtOpen_ ? *now - overrunsAtOpen_ : 0;
}

int TermiosDevice::uartType() const {
    serial_struct info{};
    if (fd_ < 0 || ::ioctl(fd_, TIOCGSERIAL, &info) != 0) return -1;
    return info.type;
}

void TermiosDevice::requestLowLatency() {
    // USB adapters otherwise hand received bytes over in 16 ms chunks.
    serial_struct info{};
    if (::ioctl(fd_, TIOCGSERIAL, &info) != 0) return;
    info.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd_, TIOCSSERIAL, &info);
}
