#include "sim/program/session.h"

#include "sim/model/bus.h"
#include "sim/model/framer.h"
#include "sim/wire/handover.h"
#include "sim/wire/linelog.h"
#include "sim/wire/linepacer.h"
#include "sim/wire/linewriter.h"
#include "sim/wire/pty.h"
#include "sim/wire/replay.h"
#include "sim/wire/simerror.h"

#include "link/frame.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <deque>

#include <poll.h>
#include <time.h>
#include <unistd.h>

namespace sim {

namespace {

using Clock = std::chrono::steady_clock;
using Time = std::chrono::nanoseconds;
using namespace std::chrono_literals;

constexpr Time Period = 40ms;
// Further behind than this, the writer drops what it holds rather than send stale tallies.
constexpr qsizetype BacklogBytes = static_cast<qsizetype>(3 * LineBytesPerPeriod);
// The line stays quiet this long after a replay's last byte before the replay counts as done,
// so that the far side has taken everything in when "replay finished" is printed.
constexpr Time ReplaySettle = 200ms;
constexpr Time MaxWait = 50ms;
constexpr Time LingerTime = 500ms;

std::span<const std::uint8_t> bytesOf(const QByteArray& f) {
    return {reinterpret_cast<const std::uint8_t*>(f.constData()),
            static_cast<std::size_t>(f.size())};
}

QString hexOf(const QByteArray& bytes) {
    return frame::hexText(bytesOf(bytes));
}

ReplayScript loadReplay(const QString& path) {
    if (path.isEmpty()) return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw SimError(
            QStringLiteral("cannot read %1: %2").arg(path, f.errorString()).toStdString());
    return parseTraceAll(f.readAll());
}

class Run {
  public:
    Run(const SimOptions& o, std::uint64_t seed, PseudoTerminal& pty, QTextStream& out,
        QTextStream& err)
        : o_(o),
          pty_(pty),
          out_(out),
          err_(err),
          bus_(BusSettings{o.machines, o.load, o.controller, seed, o.hunt}),
          pacer_(o.load),
          writer_([this](const QByteArray& b, bool whole) { wire_->add(b, now(), whole); },
                  FaultSettings{o.bitErrors, o.garbage, o.stalls}, seed ^ 0xD1B54A32D192ED03ULL,
                  stats_),
          rxLog_(o.logRx),
          txLog_(o.logTx),
          wire_(makeHandover(o.usb, o.fifo)),
          script_(loadReplay(o.replay)),
          replaying_(!o.replay.isEmpty()),
          holding_(o.hold) {
        if (txLog_.active()) {
            writer_.setLog([this](char tag, const QByteArray& bytes) {
                txLog_.write(QString(QLatin1Char(tag)) + QLatin1Char(' ') + hexOf(bytes));
            });
        }
        if (replaying_) {
            err_ << "quenlar-sim: replaying " << script_.frames << " frames and "
                 << script_.droppedBytes << " dropped bytes";
            if (script_.skippedLines > 0)
                err_ << " (" << script_.skippedLines << " other lines skipped)";
            err_ << Qt::endl;
        }
        if (holding_)
            err_ << "quenlar-sim: holding the line quiet until SIGUSR1 or Enter" << Qt::endl;
    }

    Stats run(const SessionSignals& sig) {
        start_ = Clock::now();
        const Time end =
            std::chrono::duration_cast<Time>(std::chrono::duration<double>(o_.duration));
        while (*sig.stop == 0) {
            const Time t = now();
            if (o_.duration > 0 && t >= end) break;
            if (holding_ && (*sig.release != 0 || enterPressed())) {
                holding_ = false;
                err_ << "quenlar-sim: line released" << Qt::endl;
            }
            followFarSide();
            if (replaying_) {
                feedReplay(t);
            } else {
                producePeriods(t);
            }
            receive();
            if (open_ && !holding_ && !queue_.empty() && pacer_.ready(t)) {
                const int n = writer_.writeNext(queue_, replaying_);
                pacer_.sent(n, t);
            }
            wire_->writeDue(now(), [this](const QByteArray& piece) { send(piece); });
            wait(o_.duration > 0 ? end : Time::max());
        }
        stats_.periods = bus_.periods();
        wire_->writeDue(Time::max(), [this](const QByteArray& piece) { send(piece); });
        linger();
        return stats_;
    }

  private:
    // The line stays open, quiet, for a moment after the end, so that the far side takes in the
    // last frames: once this end closes, what it has not read is gone.
    void linger() {
        if (!open_) return;
        const Time until = now() + LingerTime;
        while (now() < until && pty_.farSideOpen()) {
            timespec ts{0, 20'000'000};
            ::nanosleep(&ts, nullptr);
        }
    }

    Time now() const { return std::chrono::duration_cast<Time>(Clock::now() - start_); }

    void send(const QByteArray& bytes) {
        if (!pty_.write(bytes)) ++stats_.unheard;
    }

    void followFarSide() {
        const bool open = pty_.farSideOpen();
        if (open == open_) return;
        open_ = open;
        if (!open) {
            // Whoever opens the line next starts on a frame boundary with nothing stale.
            pty_.discardUnread();
            stats_.unheard += static_cast<std::int64_t>(queue_.size());
            queue_.clear();
            wire_->clear();
            rxFramer_ = LineFramer();
        }
        err_ << "quenlar-sim: far side " << (open ? "opened" : "closed") << Qt::endl;
    }

    void producePeriods(Time t) {
        while (t >= nextPeriod_ * Period) {
            const bool stale = t >= (nextPeriod_ + 3) * Period;
            qsizetype backlog = 0;
            for (const QByteArray& f : queue_) backlog += f.size();
            for (QByteArray& f : bus_.nextPeriod(backlog)) {
                if (!open_ || holding_) {
                    ++stats_.unheard;
                } else if (stale) {
                    ++stats_.late;
                } else {
                    queue_.push_back(std::move(f));
                }
            }
            ++nextPeriod_;
        }
        qsizetype queued = 0;
        for (const QByteArray& f : queue_) queued += f.size();
        while (queued > BacklogBytes && !queue_.empty()) {
            queued -= queue_.front().size();
            queue_.pop_front();
            ++stats_.late;
        }
    }

    void feedReplay(Time t) {
        if (!open_ || holding_ || replayDone_) return;
        if (queue_.empty() && cursor_ < script_.chunks.size())
            queue_.push_back(script_.chunks[cursor_++]);
        if (queue_.empty() && cursor_ == script_.chunks.size() &&
            t >= pacer_.nextFree() + ReplaySettle) {
            replayDone_ = true;
            out_ << "replay finished: " << script_.chunks.size() << " chunks" << Qt::endl;
        }
    }

    void receive() {
        if (!open_) return;
        const QByteArray bytes = pty_.read();
        if (bytes.isEmpty()) return;
        for (const LineItem& item : rxFramer_.push(bytes)) {
            rxLog_.write(traceLine(item));
            if (!item.isFrame) {
                ++stats_.receivedDropped;
                continue;
            }
            ++stats_.received;
            if (replaying_) continue;  // a recording does not answer
            std::vector<QByteArray> answers = bus_.received(bytesOf(item.bytes));
            // Answers go out next, ahead of the tallies already queued.
            queue_.insert(queue_.begin(), answers.begin(), answers.end());
        }
    }

    bool enterPressed() {
        pollfd p{STDIN_FILENO, POLLIN, 0};
        if (::poll(&p, 1, 0) <= 0 || (p.revents & POLLIN) == 0) return false;
        char c = 0;
        return ::read(STDIN_FILENO, &c, 1) > 0;
    }

    void wait(Time end) {
        const Time t = now();
        Time next = std::min(end, t + MaxWait);
        if (!replaying_) next = std::min(next, nextPeriod_ * Period);
        if (!queue_.empty() && open_ && !holding_) next = std::min(next, pacer_.nextFree());
        next = std::min(next, wire_->nextDue());
        if (replaying_ && !replayDone_) {
            const bool more = cursor_ < script_.chunks.size();
            next = std::min(next, pacer_.nextFree() + (more ? Time(0) : ReplaySettle));
        }
        const Time span = std::clamp(next - t, Time(0), MaxWait);
        timespec ts{static_cast<time_t>(span.count() / 1000000000),
                    static_cast<long>(span.count() % 1000000000)};
        if (open_) {
            // Wake for bytes from the far side as well as for the clock.
            pollfd p{pty_.fd(), POLLIN, 0};
            ::ppoll(&p, 1, &ts, nullptr);
        } else {
            // A closed far side makes the master report a hang-up at once: sleep instead.
            ::nanosleep(&ts, nullptr);
        }
    }

    const SimOptions& o_;
    PseudoTerminal& pty_;
    QTextStream& out_;
    QTextStream& err_;
    Stats stats_;
    Bus bus_;
    LinePacer pacer_;
    LineWriter writer_;
    LineFramer rxFramer_;
    LineLog rxLog_;
    LineLog txLog_;
    std::unique_ptr<Handover> wire_;
    ReplayScript script_;
    std::deque<QByteArray> queue_;
    Clock::time_point start_;
    std::int64_t nextPeriod_ = 0;
    std::size_t cursor_ = 0;
    bool replaying_;
    bool replayDone_ = false;
    bool holding_;
    bool open_ = false;
};

}  // namespace

Session::Session(const SimOptions& options, std::uint64_t seed, PseudoTerminal& pty,
                 QTextStream& out, QTextStream& err)
    : options_(options), seed_(seed), pty_(pty), out_(out), err_(err) {}

Stats Session::run(const SessionSignals& flags) {
    Run r(options_, seed_, pty_, out_, err_);
    return r.run(flags);
}

}  // namespace sim
