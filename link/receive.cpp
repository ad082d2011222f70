// The port's data-available handler: bytes into the receive ring, frames out of it.
#include "app/Zr8a.h"
#include "link/ring.h"
#include "serial/TComPort.h"

#include <QLabel>

namespace {

// A dropped byte is a line of its own in the trace-all: two digits, unlike a frame's line.
void traceByte(Tzr8f& w, std::uint8_t byte) {
    if (w.traceAllOn()) w.Traces.file.writeLine(frame::hex2(byte));
}

// Line noise shows only in the count; idle 0x00 bytes are no error.
void countDropped(Tzr8f& w, std::uint8_t byte) {
    if (byte == 0x00) return;
    ++w.Rx.errorCount;
    w.aciaerr->setText(QString::number(w.Rx.errorCount));
}

// Bytes the device overran with while this thread was held up for longer than the buffers hold
// cannot be framed or traced; they are counted on the error counter's tool-tip, so that a gap in
// the traffic is never silent.
void showBytesLost(Tzr8f& w) {
    const std::uint64_t lost = w.serial->BytesLost();
    if (lost == 0) return;
    const QString text = QStringLiteral("%1 bytes lost before they could be read").arg(lost);
    if (w.aciaerr->toolTip() != text) w.aciaerr->setToolTip(text);
}

}  // namespace

// Every byte the component announces is read, however many piled up while this thread was held
// up: the ring cuts its complete frames before it takes a byte on a full ring, so a pile of any
// size goes through it without a good frame being dropped to make room.
void Tzr8f::serialTriggerAvail(TComPort* /*CP*/, std::uint16_t Count) {
    const ring::State rx = Rx.state();
    // Counted before it is traced, so that a failing trace file cannot lose the count.
    const auto dropped = [this](std::uint8_t byte) {
        countDropped(*this, byte);
        traceByte(*this, byte);
    };
    const auto good = [this] {
        parseinput();
        chartfeed();
    };
    for (int i = 0; i < Count; ++i) ring::store(rx, serial->ReadByte(), good, dropped);
    ring::cut(rx, good, dropped);
    showBytesLost(*this);
}

void Tzr8f::clearrx() {
    ring::discardAll(Rx.state(), [this](std::uint8_t byte) { traceByte(*this, byte); });
}
