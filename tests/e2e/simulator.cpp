// quenlar-sim as a program on its pseudo-terminal, seen from the far side of the line: the port
// line it prints, a line that may be opened and closed again, never faster than 38400 baud,
// and counts at the end that match what went over the line.
#include "tests/support/e2e_program.h"

#include "sim/model/framer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

using namespace e2e;

const QString Sim = QStringLiteral(QUENLAR_BINARY_DIR "/quenlar-sim");
constexpr int WaitMs = 20000;

// The analyser's end of the line, as a plain file descriptor.
class FarSide {
  public:
    explicit FarSide(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~FarSide() { close(); }
    bool ok() const { return fd_ >= 0; }
    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    // Reads until `bytes` have come or timeoutMs passed; stops early when the line ends.
    QByteArray read(qsizetype bytes, int timeoutMs) {
        QByteArray out;
        QElapsedTimer clock;
        clock.start();
        while (out.size() < bytes && clock.elapsed() < timeoutMs) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char buf[512];
            const ssize_t n = ::read(fd_, buf, sizeof buf);
            if (n <= 0) break;  // the simulator has gone
            out.append(buf, static_cast<qsizetype>(n));
        }
        return out;
    }

  private:
    int fd_;
};

QString portLine(Program& sim, const QString& variable) {
    return sim.waitForLine(QRegularExpression(QLatin1Char('^') + variable + QLatin1Char('=')),
                           WaitMs);
}

QString linePath(Program& sim) {
    return portLine(sim, QStringLiteral("QUENLAR_COM1")).section(QLatin1Char('='), 1);
}

// Every byte of `bytes` belongs to a good frame.
::testing::AssertionResult allFrames(const QByteArray& bytes) {
    sim::LineFramer framer;
    for (const sim::LineItem& item : framer.push(bytes)) {
        if (!item.isFrame) {
            return ::testing::AssertionFailure()
                   << "dropped byte " << sim::traceLine(item).toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(Simulator, PrintsItsDeviceAndTheLineThatMakesItThePortAsked) {
    Program sim(Sim, {QStringLiteral("--port"), QStringLiteral("3")},
                QProcessEnvironment::systemEnvironment());
    const QString line = portLine(sim, QStringLiteral("QUENLAR_COM3"));
    ASSERT_FALSE(line.isEmpty()) << sim.errors().toStdString();
    const QString device = line.section(QLatin1Char('='), 1);
    EXPECT_TRUE(device.startsWith(QStringLiteral("/dev/pts/")));
    EXPECT_EQ(sim.output().section(QLatin1Char('\n'), 0, 0), device);
}

TEST(Simulator, TheLineMayBeClosedAndOpenedAgainAndEachOpeningStartsOnAFrame) {
    Program sim(Sim, {QStringLiteral("--seed"), QStringLiteral("61")},
                QProcessEnvironment::systemEnvironment());
    const QString path = linePath(sim);
    ASSERT_FALSE(path.isEmpty());
    for (int opening = 0; opening < 3; ++opening) {
        FarSide far(path);
        ASSERT_TRUE(far.ok());
        const QByteArray bytes = far.read(600, WaitMs);
        ASSERT_GE(bytes.size(), 600) << "opening " << opening;
        // Whole frames from the first byte on; cut the read after its last complete frame.
        sim::LineFramer framer;
        qsizetype framed = 0;
        for (const sim::LineItem& item : framer.push(bytes)) {
            ASSERT_TRUE(item.isFrame)
                << "opening " << opening << ": byte " << sim::traceLine(item).toStdString();
            framed += item.bytes.size();
        }
        EXPECT_GT(framed, 500);
    }
    EXPECT_TRUE(sim.running());
}

TEST(Simulator, NeverPutsBytesOnTheLineFasterThan38400Baud) {
    Program sim(Sim,
                {QStringLiteral("--load"), QStringLiteral("100"), QStringLiteral("--seed"),
                 QStringLiteral("62")},
                QProcessEnvironment::systemEnvironment());
    FarSide far(linePath(sim));
    ASSERT_TRUE(far.ok());
    far.read(1, WaitMs);  // the first byte starts the clock
    QElapsedTimer clock;
    clock.start();
    const QByteArray bytes = far.read(3500, WaitMs);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    ASSERT_GE(bytes.size(), 3500);
    // 3490.9 bytes a second at most, give or take the last frame (18 bytes).
    EXPECT_LE(static_cast<double>(bytes.size()), 3490.9 * seconds + 18);
}

TEST(Simulator, EndsAfterItsDurationWithCountsThatMatchTheLine) {
    QTemporaryDir dir;
    const QString stats = dir.filePath(QStringLiteral("stats.txt"));
    Program sim(Sim,
                {QStringLiteral("--duration"), QStringLiteral("2"), QStringLiteral("--seed"),
                 QStringLiteral("63"), QStringLiteral("--stats"), stats},
                QProcessEnvironment::systemEnvironment());
    FarSide far(linePath(sim));
    ASSERT_TRUE(far.ok());
    const QByteArray bytes = far.read(1 << 20, WaitMs);  // until the simulator ends the line
    ASSERT_TRUE(sim.waitForExit(WaitMs));
    EXPECT_TRUE(allFrames(bytes));
    const QStringList counts = fileLines(stats);
    EXPECT_TRUE(counts.contains(QStringLiteral("bytes=%1").arg(bytes.size())))
        << counts.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(sim.output().contains(QStringLiteral("stats: frames=")));
}

TEST(Simulator, SigtermEndsItWithItsCounts) {
    Program sim(Sim, {}, QProcessEnvironment::systemEnvironment());
    ASSERT_FALSE(linePath(sim).isEmpty());
    sim.signal(SIGTERM);
    ASSERT_TRUE(sim.waitForExit(WaitMs));
    EXPECT_TRUE(sim.output().contains(QStringLiteral("stats: frames=")));
}

TEST(Simulator, HelpListsTheOptionsAndABadOptionIsRefused) {
    Program help(Sim, {QStringLiteral("--help")}, QProcessEnvironment::systemEnvironment());
    ASSERT_TRUE(help.waitForExit(WaitMs));
    EXPECT_TRUE(help.output().contains(QStringLiteral("--replay FILE")));
    Program bad(Sim, {QStringLiteral("--machines"), QStringLiteral("9")},
                QProcessEnvironment::systemEnvironment());
    ASSERT_TRUE(bad.waitForExit(WaitMs));
    EXPECT_TRUE(bad.errors().contains(QStringLiteral("--machines")));
}

}  // namespace
