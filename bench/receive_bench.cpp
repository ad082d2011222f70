// The whole receive path of the real main window. The data event of the serial component hands
// the bytes over; on the user-interface thread the ring cuts frames, dispatch fills the grids and
// the decoders the panels, and the window repaints. Measured twice:
//  - DataEvent: the component's data event raised on the user-interface thread with the bytes in
//    its buffer, as TDispThread raises it: the work the line has to wait for;
//  - ThroughThreads: the bytes arrive on a (scripted) line and come through the component's
//    reading and dispatching threads, each event waiting until its handler has returned, so the
//    hand-over between the threads is in the figure too;
//  - PileOfATwoSecondHoldUp: what a user-interface thread held up for two seconds finds, about
//    7,000 bytes in one data event: how long the window stays busy with it.
#include "app/Zr8a.h"
#include "bench/rig.h"
#include "bench/traffic.h"
#include "serial/TComPort.h"
#include "tests/support/ComPortProbe.h"

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

std::vector<double> dataEventRatios;
std::vector<double> threadRatios;
std::vector<double> uiRatios;
double pileMs = -1;

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

enum class Path { DataEvent, ThroughThreads };

void run(benchmark::State& state, const QList<QByteArray>& frames, bool traceAll, Path path) {
    bench::Rig rig;
    if (traceAll) rig.window->tall();
    const QList<QByteArray> events = traffic::events(frames, 30, 7);
    qsizetype bytes = 0;
    for (const QByteArray& e : events) bytes += e.size();
    std::int64_t handled = 0;
    const double uiCpuStart = threadCpuSeconds();
    for (auto _ : state) {
        for (const QByteArray& e : events) {
            if (path == Path::DataEvent) {
                ComPortProbe::raiseDataEvent(*rig.window->serial, e);
                // What the event loop does between two events of the line: the posted work the
                // handler left, and the repaint when it is due.
                QCoreApplication::processEvents();
            } else if (!rig.deliver(e)) {
                state.SkipWithError("an event was not handled");
                return;
            }
        }
        QCoreApplication::processEvents();  // the repaint the updates asked for
        handled += bytes;
    }
    const double uiCpu = threadCpuSeconds() - uiCpuStart;
    if (rig.window->Rx.errorCount != 0) state.SkipWithError("frames were lost on the way");
    if (path == Path::ThroughThreads) {
        // What the user-interface thread alone could carry: bytes per second of its own CPU
        // time (the rest of the wall time is the component's threads handing the bytes over).
        state.counters["ui_cpu_x_line"] = static_cast<double>(handled) / uiCpu / LineBytesPerSecond;
    }
    state.SetBytesProcessed(handled);
    state.counters["frames/s"] = benchmark::Counter(
        static_cast<double>(frames.size()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
    state.counters["bytes/s"] =
        benchmark::Counter(static_cast<double>(handled), benchmark::Counter::kIsRate);
    state.counters["x_line"] = benchmark::Counter(static_cast<double>(handled) / LineBytesPerSecond,
                                                  benchmark::Counter::kIsRate);
}

void DataEventTallyMix(benchmark::State& state) {
    run(state, traffic::tallyMix(200), false, Path::DataEvent);
}
void DataEventTallyMixTraceAll(benchmark::State& state) {
    run(state, traffic::tallyMix(200), true, Path::DataEvent);
}
void DataEventWorstCase18ByteFrames(benchmark::State& state) {
    run(state, traffic::worstCase(200), false, Path::DataEvent);
}
void ThroughThreadsTallyMix(benchmark::State& state) {
    run(state, traffic::tallyMix(200), false, Path::ThroughThreads);
}
void ThroughThreadsWorstCase18ByteFrames(benchmark::State& state) {
    run(state, traffic::worstCase(200), false, Path::ThroughThreads);
}

void DataEventPileOfATwoSecondHoldUp(benchmark::State& state) {
    bench::Rig rig;
    QByteArray pile;
    for (const QByteArray& f : traffic::tallyMix(400)) {
        if (pile.size() >= 2 * LineBytesPerSecond) break;
        pile += f;
    }
    for (auto _ : state) {
        ComPortProbe::raiseDataEvent(*rig.window->serial, pile);
        QCoreApplication::processEvents();  // and the repaint it asked for
    }
    if (rig.window->Rx.errorCount != 0) state.SkipWithError("frames were lost on the way");
    state.counters["pile_bytes"] = static_cast<double>(pile.size());
}

BENCHMARK(DataEventPileOfATwoSecondHoldUp)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();
BENCHMARK(DataEventTallyMix)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(DataEventTallyMixTraceAll)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(DataEventWorstCase18ByteFrames)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();
BENCHMARK(ThroughThreadsTallyMix)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(ThroughThreadsWorstCase18ByteFrames)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();

// Prints the usual table and keeps each run's byte rate for the closing lines.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.counters.count("pile_bytes") != 0 && !r.error_occurred) {
                pileMs = r.GetAdjustedRealTime();  // in the run's unit, milliseconds
            }
            const auto it = r.counters.find("bytes/s");
            if (it == r.counters.end() || r.error_occurred) continue;
            const double ratio = it->second.value / LineBytesPerSecond;
            const auto ui = r.counters.find("ui_cpu_x_line");
            if (ui == r.counters.end()) {
                dataEventRatios.push_back(ratio);
            } else {
                threadRatios.push_back(ratio);
                uiRatios.push_back(ui->second.value);
            }
        }
    }
};

double slowest(const std::vector<double>& ratios) {
    return ratios.empty() ? 0.0 : *std::min_element(ratios.begin(), ratios.end());
}

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    bench::runBenchmarks(argc, argv, reporter);
    // The slowest case is the one the line has to live with.
    std::printf("saturated line: %.1f bytes/s\n", LineBytesPerSecond);
    if (pileMs >= 0) {
        std::printf("pile of a two-second hold-up in one data event: %.2f ms\n", pileMs);
    }
    if (!threadRatios.empty()) {
        std::printf("through the component's threads: %.1f x the line rate\n",
                    slowest(threadRatios));
        std::printf("user-interface thread CPU on that path: %.1f x the line rate\n",
                    slowest(uiRatios));
    }
    std::printf("line-rate ratio: %.1f\n", slowest(dataEventRatios));
    return dataEventRatios.empty() && threadRatios.empty() ? 1 : 0;
}
