#include "control/keyfile.h"

#include "serial/AppError.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace keyfile {
namespace {
[[noreturn]] void fail(int errnoValue) {
    throw ioerr::error(ioerr::fromErrno(errnoValue));
}

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

off_t offsetOf(int index) {
    return static_cast<off_t>(index) * keyrecord::RecordSize;
}

// Writes all of `bytes` at `offset`; a write that makes no progress means the disk is full.
void writeAll(int fd, const std::uint8_t* bytes, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        if (n == 0) fail(ENOSPC);
        done += static_cast<std::size_t>(n);
    }
}
}  // namespace

QString path(const QString& appDir) {
    return appDir + QStringLiteral("keydef");
}

void createDefault(const QString& path) {
    const QByteArray name = nativePath(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) return;
        // Creating, a missing name can only be a missing folder.
        if (errno == ENOENT) throw ioerr::error(ioerr::PathNotFound);
        fail(errno);
    }
    try {
        for (int key = 0; key < keyrecord::KeyCount; ++key) {
            const keyrecord::Record record = keyrecord::defaultRecord(key);
            writeAll(fd, record.data(), record.size(), offsetOf(key));
        }
    } catch (...) {
        ::close(fd);
        ::unlink(name.constData());
        throw;
    }
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(name.constData());
        fail(e);
    }
}

File::File(const QString& path) {
    fd_ = ::open(nativePath(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) fail(errno);
}

File::~File() {
    if (fd_ >= 0) ::close(fd_);
}

void File::read(int index, keyrecord::Record& out) {
    keyrecord::Record record{};
    std::size_t done = 0;
    while (done < record.size()) {
        const ssize_t n = ::pread(fd_, record.data() + done, record.size() - done,
                                  offsetOf(index) + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        if (n == 0) throw ioerr::error(ioerr::ReadBeyondEnd);
        done += static_cast<std::size_t>(n);
    }
    out = record;
}

void File::write(int index, const keyrecord::Record& record) {
    struct stat before {};
    const bool regular = ::fstat(fd_, &before) == 0 && S_ISREG(before.st_mode);
    try {
        writeAll(fd_, record.data(), record.size(), offsetOf(index));
    } catch (...) {
        // A record appended in part would leave a ragged tail; cut back to the old end only.
        if (regular && offsetOf(index) + keyrecord::RecordSize > before.st_size) {
            [[maybe_unused]] const int ignored = ::ftruncate(fd_, before.st_size);
        }
        throw;
    }
}

void File::close() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail(errno);
}

}  // namespace keyfile
