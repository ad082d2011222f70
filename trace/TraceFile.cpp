#include "trace/TraceFile.h"

#include "serial/AppError.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace {

constexpr qsizetype FlushAt = 8192;

// 0 when the folder is there or has been made, else the errno.
int makeFolder(const QString& folder) {
    if (QFileInfo(folder).isDir()) return 0;
    if (::mkdir(QFile::encodeName(folder).constData(), 0777) == 0 || errno == EEXIST) return 0;
    return errno;
}

}  // namespace

TraceFile::~TraceFile() {
    if (fd_ < 0) return;
    flush();
    ::close(fd_);
}

void TraceFile::open(const QString& path) {
    if (isOpen()) close();
    if (const int e = makeFolder(QFileInfo(path).path())) fail(e);
    fd_ =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) fail(errno);
}

void TraceFile::writeLine(const QString& line) {
    if (!isOpen()) throw ioerr::error(ioerr::FileNotOpen);
    buffer_.append(line.toLatin1());
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= FlushAt) {
        if (const int e = flush()) fail(e);
    }
}

void TraceFile::close() {
    if (!isOpen()) return;
    if (const int e = flush()) fail(e);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail(errno);
}

int TraceFile::flush() {
    const char* data = buffer_.constData();
    qsizetype left = buffer_.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, data, static_cast<std::size_t>(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += n;
        left -= n;
    }
    buffer_.clear();
    return 0;
}

void TraceFile::fail(int error) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    buffer_.clear();
    if (onFailure) onFailure();
    throw ioerr::error(ioerr::fromErrno(error));
}
