#pragma once
// Tests run as root, and root ignores permission bits: a file that must refuse being opened for
// writing is made immutable instead (the file system's "i" attribute), and released again when
// the guard goes.
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

class ImmutableFile {
  public:
    explicit ImmutableFile(const QString& path) : path_(QFile::encodeName(path)) {
        ok_ = setImmutable(true);
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;
    ~ImmutableFile() {
        if (ok_) setImmutable(false);
    }
    // False where the file system or the process cannot set the attribute.
    bool ok() const { return ok_; }

  private:
    bool setImmutable(bool on) {
        const int fd = ::open(path_.constData(), O_RDONLY);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    QByteArray path_;
    bool ok_ = false;
};
