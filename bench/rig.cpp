#include "bench/rig.h"

#include "app/Application.h"
#include "serial/TComPort.h"

#include <QCoreApplication>

#include <cstdio>

namespace bench {

Rig::Rig() {
    window = std::make_unique<Tzr8f>(QStringList{}, dir.path() + QStringLiteral("/quenlar"),
                                     scriptedFactory(line));
    window->resize(796, 600);
    window->show();
}

bool Rig::deliver(const QByteArray& bytes) {
    const std::uint64_t target =
        window->serial->stats().received + static_cast<std::uint64_t>(bytes.size());
    line->feed(bytes);
    for (long spins = 0; spins < 1'000'000; ++spins) {
        const TComPort::Stats s = window->serial->stats();
        if (s.received >= target && s.handled == s.received) return true;
        // Sleeps until the component posts its event: spinning would take the core its threads
        // need.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return false;
}

void runBenchmarks(int argc, char** argv, benchmark::BenchmarkReporter& reporter) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    app.errorSink = [](const QString& text) {
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    };
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

}  // namespace bench
