#pragma once
// How the bytes put on the line reach the far side's reader: each write at once, through a UART's
// receive FIFO, or through a USB serial adapter. Each cuts the chunks into pieces and says when
// each piece is due, as that receiver would hand it on.
#include "sim/wire/linepacer.h"

#include <QByteArray>

#include <functional>
#include <memory>

namespace sim {

class Handover {
  public:
    using Time = LinePacer::Time;
    using Write = std::function<void(const QByteArray&)>;

    virtual ~Handover() = default;

    // Queues a chunk that starts on the wire at `now` (or when the bytes before it are done).
    // `whole`: a block meant to arrive at once (a stall, a replayed chunk), never cut.
    virtual void add(const QByteArray& chunk, Time now, bool whole) = 0;
    // Hands every piece that is due by `now` to `write`, in order.
    virtual void writeDue(Time now, const Write& write) = 0;
    // When the next piece is due; Time::max() when none waits.
    virtual Time nextDue() const = 0;
    virtual bool empty() const = 0;
    // Forgets what has not gone yet.
    virtual void clear() = 0;
};

// The receiver the command line asks for: a USB adapter, a UART handing on `fifo` bytes at a
// time, or (fifo 0) each write at once.
std::unique_ptr<Handover> makeHandover(bool usb, int fifo);

}  // namespace sim
