// The termios back end over a pseudo-terminal: the line it sets up, the guards that keep a port
// to one program, and the ports the chooser finds.
#include "serial/ComErrors.h"
#include "serial/SerialDevice_unix.h"
#include "serial/TComPort.h"
#include "serial/UucpLock.h"
#include "serial/portprobe.h"
#include "tests/support/pty.h"

#include <gtest/gtest.h>

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::uint16_t kPort = 151;

class TermiosPort : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        pty.mapPort(kPort);
        port.setComNumber(kPort);
        port.setBaud(38400);
        port.setParity(TParity::pOdd);
    }
    void TearDown() override {
        port.setOpen(false);
        QFile::remove(lockPath());
    }

    QString lockPath() const {
        return UucpLock::lockPathFor(pty.slavePath(), QStringLiteral("/var/lock"));
    }
    void writeLock(pid_t pid) {
        QFile lock(lockPath());
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid).rightJustified(10, ' ') + '\n');
    }
    int openCode() {
        try {
            port.setOpen(true);
        } catch (const AppError& e) {
            return e.code();
        }
        return 0;
    }

    Pty pty;
    TComPort port;
};

TEST_F(TermiosPort, OpensTheLineRawAt38400WithEightDataBitsOddParityAndNoFlowControl) {
    port.setOpen(true);
    const termios t = pty.slaveSettings();
    EXPECT_EQ(cfgetospeed(&t), B38400);
    EXPECT_EQ(cfgetispeed(&t), B38400);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    // The pseudo-terminal driver clears PARENB whatever is asked (it has no parity to make);
    // PARODD, which it keeps, shows that odd parity was asked for.
    EXPECT_NE(t.c_cflag & PARODD, 0u);
    EXPECT_EQ(t.c_cflag & (CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_iflag & (INPCK | IXON | IXOFF | IXANY), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
}

TEST_F(TermiosPort, ParityChangedWhileOpenReachesTheLineAtOnceKeepingTheSpeed) {
    port.setOpen(true);
    port.setParity(TParity::pNone);
    termios t = pty.slaveSettings();
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD), 0u);
    EXPECT_EQ(cfgetospeed(&t), B38400);
    port.setParity(TParity::pOdd);
    t = pty.slaveSettings();
    EXPECT_NE(t.c_cflag & PARODD, 0u);
}

// A pseudo-terminal has no parity bit to carry and drops it, so asking again for the settings it
// already holds changes nothing there; every way back to such a line must still succeed.
TEST_F(TermiosPort, ALineSetUpByAnEarlierOpenTakesTheSameSettingsAgain) {
    ASSERT_EQ(openCode(), 0);
    EXPECT_NO_THROW(port.setParity(TParity::pOdd)) << "the same parity again while open";
    port.setOpen(false);
    EXPECT_EQ(openCode(), 0) << "opened again after a close, as a restarted program does";
    port.setOpen(false);
    port.setComNumber(kPort);
    EXPECT_EQ(openCode(), 0) << "the same port chosen again";
    const termios t = pty.slaveSettings();
    EXPECT_EQ(cfgetispeed(&t), B38400);
    EXPECT_NE(t.c_cflag & PARODD, 0u);
    EXPECT_TRUE(port.Open());
}

TEST_F(TermiosPort, ALineTheDeviceCannotCarryIsStillRefusedWithTheSystemsError) {
    TermiosDevice device(pty.slavePath());
    device.open();
    // A pseudo-terminal always carries eight-bit characters.
    LineSettings sevenBits{38400, TParity::pOdd, 7, 1};
    try {
        device.setLine(sevenBits);
        ADD_FAILURE() << "seven data bits were taken";
    } catch (const AppError& e) {
        EXPECT_EQ(e.code(), EINVAL);
        EXPECT_EQ(e.text(), comerr::osError(EINVAL).text());
    }
    EXPECT_NO_THROW(device.setLine(LineSettings{38400, TParity::pOdd, 8, 1}));
    EXPECT_NO_THROW(device.setLine(LineSettings{38400, TParity::pOdd, 8, 1})) << "and again";
}

TEST_F(TermiosPort, OutputLinesAndModemLinesOfAPseudoTerminalRaiseNothing) {
    port.setOpen(true);
    EXPECT_NO_THROW(port.setDTR(true));
    EXPECT_NO_THROW(port.setDTR(false));
    EXPECT_FALSE(port.DsrOn()) << "a pseudo-terminal has no modem lines: they read off";
    EXPECT_FALSE(port.DsrChanged());
}

TEST_F(TermiosPort, WhileOpenThePortCarriesTheLockFileOtherSerialProgramsHonour) {
    port.setOpen(true);
    QFile lock(lockPath());
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly)) << lockPath().toStdString();
    EXPECT_EQ(lock.readAll().trimmed().toLong(), static_cast<long>(::getpid()));
    lock.close();
    port.setOpen(false);
    EXPECT_FALSE(QFile::exists(lockPath()));
}

TEST_F(TermiosPort, ALockFileOfARunningProgramRefusesTheOpen) {
    writeLock(1);  // init never ends
    EXPECT_EQ(openCode(), comerr::AlreadyOpen);
    EXPECT_FALSE(port.Open());
    EXPECT_TRUE(QFile::exists(lockPath())) << "another program's lock is left alone";
}

TEST_F(TermiosPort, ALockFileLeftByAnEndedProgramIsTakenOver) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    writeLock(child);
    EXPECT_EQ(openCode(), 0);
    EXPECT_TRUE(port.Open());
}

TEST_F(TermiosPort, AnExclusiveFileLockHeldElsewhereRefusesTheOpenEvenForRoot) {
    const int other = ::open(pty.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(openCode(), comerr::AlreadyOpen);
    ::close(other);
    EXPECT_EQ(openCode(), 0);
}

TEST_F(TermiosPort, TheChooserListsAPortThatIsFreeAndOneThatIsBusy) {
    const auto listed = [](std::uint16_t n, const QString& path) {
        for (const portmap::Port& p : portprobe::availablePorts()) {
            if (p.number == n) return p.path == path;
        }
        return false;
    };
    EXPECT_TRUE(listed(kPort, pty.slavePath()));
    port.setOpen(true);
    EXPECT_EQ(portprobe::probe(pty.slavePath()), portprobe::Probe::Busy);
    EXPECT_TRUE(listed(kPort, pty.slavePath()));
    qputenv("QUENLAR_COM152", "/dev/quenlar-no-such-port");
    EXPECT_FALSE(listed(152, QStringLiteral("/dev/quenlar-no-such-port")));
    qunsetenv("QUENLAR_COM152");
}

}  // namespace
