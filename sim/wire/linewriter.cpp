#include "sim/wire/linewriter.h"

namespace sim {

LineWriter::LineWriter(Sink sink, const FaultSettings& faults, std::uint64_t seed, Stats& stats)
    : sink_(std::move(sink)), faults_(faults, seed), stats_(stats) {}

int LineWriter::writeNext(std::deque<QByteArray>& queue, bool replay) {
    if (queue.empty()) return 0;
    if (replay) {
        const QByteArray chunk = queue.front();
        queue.pop_front();
        sink_(chunk, true);
        note('P', chunk);
        ++stats_.frames;
        ++stats_.intact;
        stats_.bytes += chunk.size();
        return static_cast<int>(chunk.size());
    }
    if (faults_.stall()) stallDue_ = true;
    if (stallDue_) {
        qsizetype queued = 0;
        for (const QByteArray& f : queue) queued += f.size();
        // A stall waits until more has piled up than a receiver kept running would see at once.
        if (queued >= LineFaults::StallBytes) return writeStall(queue);
    }
    QByteArray bytes = queue.front();
    queue.pop_front();
    const QByteArray garbage = faults_.garbage();
    const bool damaged = faults_.damage(bytes);
    if (!garbage.isEmpty()) note('G', garbage);
    note(damaged ? 'D' : 'F', bytes);
    sink_(garbage + bytes, false);
    ++stats_.frames;
    ++(damaged ? stats_.damaged : stats_.intact);
    stats_.garbageBytes += garbage.size();
    stats_.bytes += garbage.size() + bytes.size();
    return static_cast<int>(garbage.size() + bytes.size());
}

int LineWriter::writeStall(std::deque<QByteArray>& queue) {
    QByteArray block;
    while (block.size() < LineFaults::StallBytes && !queue.empty()) {
        note('S', queue.front());
        block += queue.front();
        queue.pop_front();
        ++stats_.frames;
        ++stats_.stalledFrames;
    }
    sink_(block, true);
    stallDue_ = false;
    ++stats_.stalls;
    stats_.bytes += block.size();
    return static_cast<int>(block.size());
}

}  // namespace sim
