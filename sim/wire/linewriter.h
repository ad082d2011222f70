#pragma once
// Puts queued chunks on the line one at a time, with the line's faults: garbage before a frame,
// bit errors in it, or a stall that lets several frames go as one block. Every write is
// counted, and can be logged with what it was:
//   F frame as built   D frame hit by a bit error   G garbage   S frame in a stall block
//   P a replayed chunk
#include "sim/wire/faults.h"
#include "sim/wire/stats.h"

#include <QByteArray>

#include <deque>
#include <functional>

namespace sim {

class LineWriter {
  public:
    // `whole`: the bytes are meant to arrive together (a stall's block, a replayed chunk).
    using Sink = std::function<void(const QByteArray& bytes, bool whole)>;
    using Log = std::function<void(char tag, const QByteArray& bytes)>;

    LineWriter(Sink sink, const FaultSettings& faults, std::uint64_t seed, Stats& stats);
    void setLog(Log log) { log_ = std::move(log); }

    // Writes the next chunk of `queue` (or a stall's block of several); returns the number of
    // bytes written, 0 for an empty queue. Replayed chunks go out exactly as they came.
    int writeNext(std::deque<QByteArray>& queue, bool replay);

  private:
    int writeStall(std::deque<QByteArray>& queue);
    void note(char tag, const QByteArray& bytes) {
        if (log_) log_(tag, bytes);
    }

    Sink sink_;
    LineFaults faults_;
    Stats& stats_;
    Log log_;
    bool stallDue_ = false;
};

}  // namespace sim
