#pragma once
// The three windows on a scripted line, as the program builds them, in a fresh folder of their
// own (AppDir, so keydef and the traces land there).
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <memory>

struct ControlRig {
    ControlRig() {
        w.Control = &c;
        w.definekey = &k;
        c.definekey = &k;
        testsupport::errorBoxes().clear();
    }

    // Collects what the component puts on the line until `size` bytes have come (the transmit
    // thread writes them a little later than sendcmd queues them).
    QByteArray take(int size) {
        if (seen_.size() < size) seen_ += waitForWritten(*line, size - seen_.size());
        const QByteArray out = seen_.left(size);
        seen_.remove(0, size);
        return out;
    }

    // Everything put on the line before now: sends a request of its own (00 11 11, Rq Type) and
    // returns what came ahead of it. The line keeps the order, so nothing sent earlier can be
    // missed and nothing can arrive later.
    QByteArray sentBefore() {
        c.rqid();
        waitFor([&] {
            seen_ += line->takeWritten();
            return seen_.endsWith(Marker);
        });
        EXPECT_TRUE(seen_.endsWith(Marker)) << "the marker request never reached the line";
        QByteArray out = seen_.left(seen_.size() - Marker.size());
        seen_.clear();
        return out;
    }

    // Bytes arriving from the far side, through the receive ring and dispatch.
    void receive(const QByteArray& bytes) { feedAndWait(*w.serial, *line, bytes); }

    QString path(const QString& name) const { return w.AppDir + name; }
    QString keydef() const { return path(QStringLiteral("keydef")); }

    // Shows a window and waits until it is the active one (its activation handler has run).
    static bool activate(QWidget& window) {
        window.show();
        window.raise();
        window.activateWindow();
        return waitFor([&] { return window.isActiveWindow(); });
    }

    inline static const QByteArray Marker = QByteArray::fromHex("001111");

    QTemporaryDir dir;
    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    Tzr8f w{{}, dir.path() + QStringLiteral("/quenlar"), scriptedFactory(line)};
    TControl c{w};
    Tdefinekey k{w, c};

  private:
    QByteArray seen_;
};

inline QByteArray bytes(const char* hex) {
    return QByteArray::fromHex(hex);
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArrayLiteral("(unreadable)");
    return f.readAll();
}

inline void writeFileBytes(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(content), content.size());
}

// One 55-byte key record: label, description, then the command image (CMD1, CMD2, data...) and
// the spare byte, zero-filled to 18 bytes.
inline QByteArray keyRecord(const QByteArray& label, const QByteArray& description,
                            const QByteArray& image) {
    QByteArray r(55, '\0');
    r[0] = static_cast<char>(label.size());
    r.replace(1, label.size(), label);
    r[6] = static_cast<char>(description.size());
    r.replace(7, description.size(), description);
    r.replace(37, image.size(), image);
    return r;
}

// Tests run as root, and root ignores permission bits: a file that must refuse being opened for
// writing is made immutable instead (the file system's "i" attribute), and released again when
// the guard goes.
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
