// The receive path with the sync chart open against the same path with it closed, in one run:
// the history takes every frame either way; open, the chart's timer redraws both panes five times
// a second on the same user-interface thread. The closing lines give both line-rate ratios and
// how much of the closed rate the open chart keeps.
#include "app/Zr8a.h"
#include "bench/rig.h"
#include "bench/traffic.h"
#include "chart/SyncChartWindow.h"
#include "tests/support/ComPortProbe.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

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
    if (rig.window->RxErrorCount != 0) state.SkipWithError("frames were lost on the way");
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

BENCHMARK(TallyMixChartClosed)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(TallyMixChartOpen)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> ratios;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const auto it = r.counters.find("x_line");
            if (it != r.counters.end() && !r.error_occurred)
                ratios[r.benchmark_name()] = it->second.value;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    bench::runBenchmarks(argc, argv, reporter);
    const auto closed = reporter.ratios.find("TallyMixChartClosed/min_time:3.000/real_time");
    const auto open = reporter.ratios.find("TallyMixChartOpen/min_time:3.000/real_time");
    if (closed == reporter.ratios.end() || open == reporter.ratios.end()) return 1;
    std::printf("line-rate ratio, chart closed: %.1f\n", closed->second);
    std::printf("line-rate ratio, chart open: %.1f\n", open->second);
    std::printf("open / closed: %.3f\n", open->second / closed->second);
    return 0;
}
