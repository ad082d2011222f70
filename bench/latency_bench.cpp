// Byte-to-screen latency: from a frame's bytes arriving on the line to the label that shows it
// having been painted. Each sample is a master-position tally with a new position; the time runs
// until the `Position` label, painted after its text changed, shows it.
#include "app/Zr8a.h"
#include "bench/rig.h"
#include "link/encode.h"
#include "link/frame.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

// Notes the paints of one widget.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(o, e);
    }
};

QByteArray masterPosition(int frames) {
    return frame::toByteArray(encode::masterPosition({1, frames, 0, 1, 0}).view());
}

void ByteToScreenLatency(benchmark::State& state) {
    bench::Rig rig;
    PaintWatch watch(rig.window->Position);
    std::vector<double> samples;
    int position = 0;
    for (auto _ : state) {
        ++position;
        std::int32_t n = position;
        const QString expected = rig.window->frmstotxt(n, 0);
        const int paintsBefore = watch.paints;
        QElapsedTimer clock;
        clock.start();
        rig.line->feed(masterPosition(position));
        while (rig.window->Position->text() != expected || watch.paints == paintsBefore) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (clock.elapsed() > 2000) {
                state.SkipWithError("the position was never shown");
                return;
            }
        }
        samples.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        // Frames on a busy line come a few milliseconds apart.
        QThread::usleep(3000);
    }
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[std::min(samples.size() - 1, static_cast<std::size_t>(q * samples.size()))];
    };
    state.counters["p50_ms"] = at(0.50);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = samples.back();
}

BENCHMARK(ByteToScreenLatency)->Iterations(500)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
