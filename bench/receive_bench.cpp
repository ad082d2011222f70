// The whole receive path of the real main window: bytes arrive on a (scripted) serial line, the
// component's threads announce them, and on the user-interface thread the ring cuts frames,
// dispatch fills the grids and the decoders the panels. Each event waits until its handler has
// returned, as on the line, so the figure is what the user-interface thread can keep up with.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "bench/rig.h"
#include "bench/traffic.h"
#include "serial/TComPort.h"

#include <QCoreApplication>
#include <QFrame>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// 38400 baud with a start bit, 8 data bits, parity and a stop bit.
constexpr double LineBytesPerSecond = 38400.0 / 11.0;

std::vector<double> ratios;
std::vector<double> uiRatios;

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void run(benchmark::State& state, const QList<QByteArray>& frames, bool traceAll) {
    bench::Rig rig;
    if (traceAll) rig.window->tall();
    const QList<QByteArray> events = traffic::events(frames, 30, 7);
    qsizetype bytes = 0;
    for (const QByteArray& e : events) bytes += e.size();
    std::int64_t handled = 0;
    const double uiCpuStart = threadCpuSeconds();
    for (auto _ : state) {
        for (const QByteArray& e : events) {
            if (!rig.deliver(e)) {
                state.SkipWithError("an event was not handled");
                return;
            }
        }
        QCoreApplication::processEvents();  // the repaint the updates asked for
        handled += bytes;
    }
    const double uiCpu = threadCpuSeconds() - uiCpuStart;
    if (rig.window->RxErrorCount != 0) state.SkipWithError("frames were lost on the way");
    // What the user-interface thread alone could carry: bytes per second of its own CPU time
    // (the rest of the wall time is the component's threads handing the bytes over).
    state.counters["ui_cpu_x_line"] = static_cast<double>(handled) / uiCpu / LineBytesPerSecond;
    state.SetBytesProcessed(handled);
    state.counters["frames/s"] = benchmark::Counter(
        static_cast<double>(frames.size()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
    state.counters["bytes/s"] =
        benchmark::Counter(static_cast<double>(handled), benchmark::Counter::kIsRate);
}

void TallyMix(benchmark::State& state) {
    run(state, traffic::tallyMix(200), false);
}
void TallyMixTraceAll(benchmark::State& state) {
    run(state, traffic::tallyMix(200), true);
}
void WorstCase18ByteFrames(benchmark::State& state) {
    run(state, traffic::worstCase(200), false);
}

BENCHMARK(TallyMix)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(TallyMixTraceAll)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(WorstCase18ByteFrames)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// Prints the usual table and keeps each run's byte rate for the closing line.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const auto it = r.counters.find("bytes/s");
            if (it != r.counters.end() && !r.error_occurred) {
                ratios.push_back(it->second.value / LineBytesPerSecond);
                uiRatios.push_back(r.counters.at("ui_cpu_x_line").value);
            }
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    app.errorSink = [](const QString& text) {
        std::fprintf(stderr, "error box: %s\n", qPrintable(text));
    };
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (ratios.empty()) {
        std::printf("line-rate ratio: 0\n");
        return 1;
    }
    // The slowest case is the one the line has to live with.
    std::printf("saturated line: %.1f bytes/s\n", LineBytesPerSecond);
    std::printf("user-interface thread CPU alone: %.1f x the line rate\n",
                *std::min_element(uiRatios.begin(), uiRatios.end()));
    std::printf("line-rate ratio: %.1f\n", *std::min_element(ratios.begin(), ratios.end()));
    return 0;
}
