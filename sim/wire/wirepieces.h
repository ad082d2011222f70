#pragma once
// What the far end's UART hands on. A pseudo-terminal passes each write over at once, but on the
// wire a frame's bytes come one by one, 0.286 ms apart, and the receiving UART passes them on a
// few at a time as its FIFO fills. So a chunk is cut into pieces of at most `fifo` bytes, each
// due once its last byte would have arrived. A block that is meant to arrive whole (a stall, a
// replayed chunk) goes as one piece. A FIFO of 0 hands every chunk on whole.
#include "sim/wire/handover.h"

#include <deque>

namespace sim {

class WirePieces final : public Handover {
  public:
    explicit WirePieces(int fifo) : fifo_(fifo) {}

    void add(const QByteArray& chunk, Time now, bool whole) override;
    void writeDue(Time now, const Write& write) override;
    Time nextDue() const override;
    bool empty() const override { return pieces_.empty(); }
    void clear() override { pieces_.clear(); }

  private:
    struct Piece {
        QByteArray bytes;
        Time due;
    };
    int fifo_;
    std::deque<Piece> pieces_;
};

}  // namespace sim
