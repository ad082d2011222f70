#pragma once
// The lock file that serial programs on Linux agree on (/var/lock/LCK..<device>, holding the
// owner's process id as ten characters and a newline). Taking it tells minicom, screen, cu and
// friends that the port is ours, and tells us that it is theirs, whoever runs them.
#include <QString>

class UucpLock {
  public:
    UucpLock() = default;
    ~UucpLock() { release(); }
    UucpLock(const UucpLock&) = delete;
    UucpLock& operator=(const UucpLock&) = delete;

    // Takes the lock of `devicePath`. Throws 2008 when a living process holds it; a stale lock
    // is removed. Where no lock can be written (no lock folder, no permission), the port goes
    // unlocked and the other guards remain.
    void acquire(const QString& devicePath);
    void release();

    // The lock file's path for a device: its name under /dev with "/" made "_".
    static QString lockPathFor(const QString& devicePath, const QString& lockDir);

  private:
    QString held_;
};
