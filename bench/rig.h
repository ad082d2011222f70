#pragma once
// The real main window on a scripted serial line, shown (offscreen) so that updates are painted.
#include "app/Zr8a.h"
#include "tests/support/ScriptedDevice.h"

#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace bench {

struct Rig {
    QTemporaryDir dir;
    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    std::unique_ptr<Tzr8f> window;

    Rig();
    // Hands one event's bytes to the line and runs the event loop until the data handler has
    // taken all of them; the hand-over from the component's threads is part of what is measured.
    bool deliver(const QByteArray& bytes);
};

// Runs the chosen benchmarks inside the real application object (offscreen unless a platform is
// set), an error box printed instead of shown, each run reported to `reporter`.
void runBenchmarks(int argc, char** argv, benchmark::BenchmarkReporter& reporter);

}  // namespace bench
