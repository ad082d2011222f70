#include "tests/support/e2e_bus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iostream>

#include <unistd.h>

namespace e2e {

namespace {
const QString MainTitle = QStringLiteral("Quenlar : Extended Protocol Analyser");

// The program under its own folder: a hard link where the file system allows, else a copy. (A
// symbolic link would not do: the program finds its folder from its resolved file.)
bool placeProgram(const QString& from, const QString& to) {
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return QFile::copy(from, to);
}
}  // namespace

bool Analyser::holdsOpen(const QString& file) const {
    const QString target = QFileInfo(file).canonicalFilePath();
    if (target.isEmpty()) return false;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(program->pid()));
    for (const QFileInfo& fd :
         fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        if (fd.symLinkTarget() == target) return true;
    }
    return false;
}

void WholeProgram::SetUp() {
    ASSERT_TRUE(display.ok()) << "no Xvfb display could be started";
    ASSERT_TRUE(dir.isValid());
}

void WholeProgram::TearDown() {
    if (HasFailure()) {
        // Keep what the programs left (logs, traces) and a picture of the screen for a look.
        dir.setAutoRemove(false);
        display.screenshot(path(QStringLiteral("screen.png")));
        std::cerr << "whole-program test files kept in " << dir.path().toStdString() << "\n";
    }
    analysers.clear();
    simulators.clear();
}

Simulator& WholeProgram::startSimulator(const QStringList& options) {
    auto bus = std::make_unique<Simulator>();
    const int n = static_cast<int>(simulators.size());
    bus->txLog = path(QStringLiteral("sim%1-tx.txt").arg(n));
    bus->rxLog = path(QStringLiteral("sim%1-rx.txt").arg(n));
    bus->stats = path(QStringLiteral("sim%1-stats.txt").arg(n));
    QStringList args = options;
    args << QStringLiteral("--log-tx") << bus->txLog << QStringLiteral("--log-rx") << bus->rxLog
         << QStringLiteral("--stats") << bus->stats;
    bus->program = std::make_unique<Program>(QStringLiteral(QUENLAR_BINARY_DIR "/quenlar-sim"),
                                             args, display.environment());
    const QString line =
        bus->program->waitForLine(QRegularExpression(QStringLiteral("^QUENLAR_COM1=")), LongWaitMs);
    bus->line = line.section(QLatin1Char('='), 1);
    EXPECT_FALSE(bus->line.isEmpty()) << bus->program->errors().toStdString();
    simulators.push_back(std::move(bus));
    return *simulators.back();
}

Analyser& WholeProgram::startAnalyser(const Simulator& bus, const QString& name) {
    auto a = std::make_unique<Analyser>();
    const QString folder = path(name);
    QDir().mkpath(folder);
    const QString program = folder + QStringLiteral("/quenlar");
    EXPECT_TRUE(placeProgram(QStringLiteral(QUENLAR_BINARY_DIR "/quenlar"), program));
    a->appDir = folder + QLatin1Char('/');
    QProcessEnvironment env = display.environment();
    env.insert(QStringLiteral("QUENLAR_COM1"), bus.line);
    env.insert(QStringLiteral("QUENLAR_OPEN"), QStringLiteral("true"));  // no text editor
    a->program = std::make_unique<Program>(program, QStringList{QStringLiteral("1")}, env, folder);
    // Other analysers' windows have the same title: take this program's own.
    const qint64 pid = a->program->pid();
    waitUntil(
        [&] {
            if (!a->program->running()) return true;
            a->window = display
                            .xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                      QStringLiteral("--pid"), QString::number(pid),
                                      QStringLiteral("--name"), MainTitle})
                            .section(QLatin1Char('\n'), 0, 0);
            return !a->window.isEmpty();
        },
        LongWaitMs);
    EXPECT_TRUE(a->program->running() && !a->window.isEmpty())
        << "the analyser's window did not come up: " << a->program->errors().toStdString();
    // Activated, the main window moves to the top edge of the screen; clicks land where the
    // window stands once it is there.
    display.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), a->window});
    EXPECT_TRUE(waitUntil(
        [&] {
            return display.xdotool({QStringLiteral("getwindowgeometry"), a->window})
                .contains(QRegularExpression(QStringLiteral("Position: \\d+,0 ")));
        },
        LongWaitMs));
    analysers.push_back(std::move(a));
    return *analysers.back();
}

void WholeProgram::traceAllOn(const Analyser& a) {
    press(a, QStringLiteral("ctrl+a"));
    ASSERT_TRUE(waitUntil([&] { return a.holdsOpen(a.traceAllPath()); }, LongWaitMs));
}

QStringList WholeProgram::traceAllOff(const Analyser& a) {
    press(a, QStringLiteral("ctrl+a"));
    EXPECT_TRUE(waitUntil([&] { return !a.holdsOpen(a.traceAllPath()); }, LongWaitMs));
    return fileLines(a.traceAllPath());
}

void WholeProgram::commandTraceOn(const Analyser& a) {
    press(a, QStringLiteral("ctrl+t"));
    ASSERT_TRUE(waitUntil([&] { return a.holdsOpen(a.commandTracePath()); }, LongWaitMs));
}

QStringList WholeProgram::commandTraceOff(const Analyser& a) {
    press(a, QStringLiteral("ctrl+t"));
    EXPECT_TRUE(waitUntil([&] { return !a.holdsOpen(a.commandTracePath()); }, LongWaitMs));
    return fileLines(a.commandTracePath());
}

bool WholeProgram::waitForMoreWritten(const Simulator& bus, int frames) {
    const qsizetype start = bus.written().size();
    return waitUntil([&] { return bus.written().size() >= start + frames; }, LongWaitMs);
}

bool WholeProgram::waitForReceived(const Simulator& bus, const QString& frameLine) {
    return waitUntil([&] { return bus.received().contains(frameLine); }, LongWaitMs);
}

}  // namespace e2e
