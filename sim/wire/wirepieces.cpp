#include "sim/wire/wirepieces.h"

#include <algorithm>

namespace sim {

void WirePieces::add(const QByteArray& chunk, Time now, bool whole) {
    if (chunk.isEmpty()) return;
    const Time start = pieces_.empty() ? now : std::max(now, pieces_.back().due);
    if (whole || fifo_ <= 0) {
        pieces_.push_back({chunk, start});
        return;
    }
    for (qsizetype at = 0; at < chunk.size(); at += fifo_) {
        const QByteArray piece = chunk.mid(at, fifo_);
        const int arrived = static_cast<int>(at + piece.size());
        pieces_.push_back({piece, start + LinePacer::wireTime(arrived)});
    }
}

void WirePieces::writeDue(Time now, const Write& write) {
    while (!pieces_.empty() && pieces_.front().due <= now) {
        write(pieces_.front().bytes);
        pieces_.pop_front();
    }
}

WirePieces::Time WirePieces::nextDue() const {
    return pieces_.empty() ? Time::max() : pieces_.front().due;
}

}  // namespace sim
