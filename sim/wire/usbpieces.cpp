#include "sim/wire/usbpieces.h"

#include <algorithm>

namespace sim {

namespace {
// The first tick of the latency timer at or after `t`.
UsbPieces::Time tickFrom(UsbPieces::Time t) {
    const auto ticks = (t + UsbPieces::Latency - UsbPieces::Time(1)) / UsbPieces::Latency;
    return ticks * UsbPieces::Latency;
}
}  // namespace

void UsbPieces::add(const QByteArray& chunk, Time now, bool whole) {
    if (chunk.isEmpty()) return;
    const Time start = arrivals_.empty() ? now : std::max(now, arrivals_.back().at);
    if (whole) {
        arrivals_.push_back({chunk, start});
        return;
    }
    for (qsizetype at = 0; at < chunk.size(); ++at)
        arrivals_.push_back(
            {chunk.mid(at, 1), start + LinePacer::wireTime(static_cast<int>(at + 1))});
}

void UsbPieces::writeDue(Time now, const Write& write) {
    while (!arrivals_.empty() && nextDue() <= now) {
        const Time tick = nextDue();
        QByteArray piece;
        while (!arrivals_.empty() && arrivals_.front().at <= tick) {
            const QByteArray& next = arrivals_.front().bytes;
            if (!piece.isEmpty() && piece.size() + next.size() > PacketBytes) break;
            piece += next;
            arrivals_.pop_front();
        }
        lastPiece_ = tick;
        write(piece);
    }
}

UsbPieces::Time UsbPieces::nextDue() const {
    if (arrivals_.empty()) return Time::max();
    const Time due = tickFrom(arrivals_.front().at);
    return lastPiece_ ? std::max(due, *lastPiece_ + Latency) : due;
}

}  // namespace sim
