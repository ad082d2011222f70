// The receive path with the sync chart open against the same path with it closed, in one run:
// the history takes every frame either way; open, the chart's timer redraws both panes five times
// a second on the same user-interface thread. The two cases take turns, seven times each in a
// random order, so that a machine busy elsewhere weighs on both alike. The closing lines give
// both median line-rate ratios and how much of the closed rate the open chart keeps.
#include "app/Zr8a.h"
#include "bench/rig.h"
#include "bench/traffic.h"
#include "chart/SyncChartWindow.h"
#include "tests/support/ComPortProbe.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double LineBytesPerSecond = 38400.0 / 11.0;

void run(benchmark::State& state, bool chartOpen) {
    bench::Rig rig;
    if (chartOpen) rig.window->chartshow();
    const QList<QByteArray> events = traffic::events(traffic::tallyMix(200), 30, 7);
    qsizetype bytes = 0;
    for (const QByteArray& e : events) bytes += e.size();
    std::int64_t handled = 0;
    for (auto _ : state) {
        for (const QByteArray& e : events) {
            ComPortProbe::raiseDataEvent(*rig.window->serial, e);
            QCoreApplication::processEvents();  // repaints and the chart's timer when due
        }
        QCoreApplication::processEvents();
        handled += bytes;
    }
    if (rig.window->Rx.errorCount != 0) state.SkipWithError("frames were lost on the way");
    if (chartOpen && rig.window->SyncChart->redrawCount() == 0)
        state.SkipWithError("the chart never redrew");
    state.counters["x_line"] = benchmark::Counter(static_cast<double>(handled) / LineBytesPerSecond,
                                                  benchmark::Counter::kIsRate);
}

void TallyMixChartClosed(benchmark::State& state) {
    run(state, false);
}
void TallyMixChartOpen(benchmark::State& state) {
    run(state, true);
}

constexpr int Turns = 7;
BENCHMARK(TallyMixChartClosed)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(Turns)
    ->UseRealTime();
BENCHMARK(TallyMixChartOpen)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(Turns)
    ->UseRealTime();

// The line-rate ratio of every turn of each case, by the case's name.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, std::vector<double>> ratios;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const auto it = r.counters.find("x_line");
            if (it != r.counters.end() && !r.error_occurred && r.run_type == Run::RT_Iteration)
                ratios[r.run_name.function_name].push_back(it->second.value);
        }
    }
    double median(const std::string& name) {
        std::vector<double>& v = ratios[name];
        if (v.empty()) return 0.0;
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
        return v[v.size() / 2];
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    RatioReporter reporter;
    bench::runBenchmarks(count, args.data(), reporter);
    const double closed = reporter.median("TallyMixChartClosed");
    const double open = reporter.median("TallyMixChartOpen");
    if (closed <= 0.0 || open <= 0.0) return 1;
    std::printf("line-rate ratio, chart closed (median of %d): %.1f\n", Turns, closed);
    std::printf("line-rate ratio, chart open (median of %d): %.1f\n", Turns, open);
    std::printf("open / closed: %.3f\n", open / closed);
    return 0;
}
