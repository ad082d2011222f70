#include "serial/UucpLock.h"

#include "serial/ComErrors.h"

#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {
const char* const kLockDir = "/var/lock";

// The process id in a lock file, 0 when there is none to read.
pid_t lockOwner(const QByteArray& lockPath) {
    const int fd = ::open(lockPath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    std::array<char, 32> text{};
    const ssize_t n = ::read(fd, text.data(), text.size() - 1);
    ::close(fd);
    if (n <= 0) return 0;
    long pid = 0;
    if (std::sscanf(text.data(), "%ld", &pid) != 1) return 0;
    return static_cast<pid_t>(pid);
}

bool alive(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}
}  // namespace

QString UucpLock::lockPathFor(const QString& devicePath, const QString& lockDir) {
    QString name = QFileInfo(devicePath).canonicalFilePath();
    if (name.isEmpty()) name = devicePath;
    if (name.startsWith(QLatin1String("/dev/"))) {
        name = name.mid(5);
    } else {
        name = QFileInfo(name).fileName();
    }
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return lockDir + QStringLiteral("/LCK..") + name;
}

void UucpLock::acquire(const QString& devicePath) {
    release();
    const QByteArray path = lockPathFor(devicePath, QLatin1String(kLockDir)).toLocal8Bit();
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            std::array<char, 16> text{};
            const int len =
                std::snprintf(text.data(), text.size(), "%10d\n", static_cast<int>(::getpid()));
            const bool written = ::write(fd, text.data(), static_cast<std::size_t>(len)) == len;
            ::close(fd);
            if (written) {
                held_ = QString::fromLocal8Bit(path);
            } else {
                ::unlink(path.constData());
            }
            return;
        }
        if (errno != EEXIST) return;
        if (alive(lockOwner(path))) throw comerr::error(comerr::AlreadyOpen);
        ::unlink(path.constData());  // left behind by a program that has ended
    }
}

void UucpLock::release() {
    if (held_.isEmpty()) return;
    const QByteArray path = held_.toLocal8Bit();
    if (lockOwner(path) == ::getpid()) ::unlink(path.constData());
    held_.clear();
}
