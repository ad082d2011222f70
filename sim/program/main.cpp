// quenlar-sim: a simulated machine-control bus on a pseudo-terminal.
#include "sim/program/options.h"
#include "sim/program/session.h"
#include "sim/wire/pty.h"
#include "sim/wire/simerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <random>

namespace {

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t releaseRequested = 0;

void onStop(int) {
    stopRequested = 1;
}
void onRelease(int) {
    releaseRequested = 1;
}

void installSignals() {
    struct sigaction sa {};
    sigemptyset(&sa.sa_mask);
    sa.sa_handler = onStop;  // no SA_RESTART: a signal ends the current wait at once
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    sa.sa_handler = onRelease;
    sigaction(SIGUSR1, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

void writeStats(const QString& path, const sim::Stats& stats) {
    if (path.isEmpty()) return;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw sim::SimError(
            QStringLiteral("cannot write %1: %2").arg(path, f.errorString()).toStdString());
    f.write(stats.text().toLatin1());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const sim::ParsedOptions parsed = sim::parseOptions(QCoreApplication::arguments());
    if (parsed.help) {
        out << sim::helpText();
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        err << "quenlar-sim: " << parsed.error << "\n"
            << "Try quenlar-sim --help." << Qt::endl;
        return 2;
    }
    const sim::SimOptions& o = parsed.options;
    try {
        installSignals();
        const std::uint64_t seed = o.seed ? *o.seed : std::random_device{}();
        sim::PseudoTerminal pty;
        out << pty.farSidePath() << "\n"
            << "QUENLAR_COM" << o.port << "=" << pty.farSidePath() << Qt::endl;
        err << "quenlar-sim: seed " << seed << ", load " << o.load << "%, " << o.machines
            << " machines, controller " << (o.controller ? "on" : "off")
            << (o.hunt ? ", B hunts, C drops out" : "") << Qt::endl;
        sim::Session session(o, seed, pty, out, err);
        const sim::Stats stats = session.run({&stopRequested, &releaseRequested});
        writeStats(o.statsFile, stats);
        out << "stats: " << stats.line() << Qt::endl;
    } catch (const sim::SimError& e) {
        err << "quenlar-sim: " << e.what() << Qt::endl;
        return 1;
    }
    return 0;
}
