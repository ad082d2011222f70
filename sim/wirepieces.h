#pragma once
// What the far end's UART hands on. A pseudo-terminal passes each write over at once, but on the
// wire a frame's bytes come one by one, 0.286 ms apart, and the receiving UART passes them on a
// few at a time as its FIFO fills. So a chunk is cut into pieces of at most `fifo` bytes, each
// due once its last byte would have arrived. A block that is meant to arrive whole (a stall, a
// replayed chunk) goes as one piece. A FIFO of 0 hands every chunk on whole.
#include "sim/linepacer.h"

#include <QByteArray>

#include <deque>
#include <functional>

namespace sim {

class WirePieces {
  public:
    using Time = LinePacer::Time;

    explicit WirePieces(int fifo) : fifo_(fifo) {}

    // Queues a chunk that starts on the wire at `now` (or when the pieces before it are done).
    void add(const QByteArray& chunk, Time now, bool whole);
    // Hands every piece that is due by `now` to `write`, in order.
    void writeDue(Time now, const std::function<void(const QByteArray&)>& write);
    // When the next piece is due; Time::max() when none waits.
    Time nextDue() const;
    bool empty() const { return pieces_.empty(); }
    // Forgets what has not gone yet.
    void clear() { pieces_.clear(); }

  private:
    struct Piece {
        QByteArray bytes;
        Time due;
    };
    int fifo_;
    std::deque<Piece> pieces_;
};

}  // namespace sim
