#pragma once
// What a run put on the line and took off it, for the final stats line and --stats.
#include <QString>

#include <cstdint>

namespace sim {

struct Stats {
    std::int64_t frames = 0;           // frames written (intact, damaged or in a stall)
    std::int64_t bytes = 0;            // every byte written, garbage included
    std::int64_t intact = 0;           // frames written as built
    std::int64_t damaged = 0;          // frames a bit error hit
    std::int64_t garbageBytes = 0;     // bytes of inserted garbage
    std::int64_t stalls = 0;           // blocks of more than 30 bytes let go at once
    std::int64_t stalledFrames = 0;    // frames in those blocks
    std::int64_t unheard = 0;          // frames not written because nobody had the line open
    std::int64_t late = 0;             // frames dropped because the writer fell behind
    std::int64_t received = 0;         // good frames from the far side
    std::int64_t receivedDropped = 0;  // bytes from the far side that made no frame
    std::int64_t periods = 0;          // 40 ms periods run

    // "frames=N bytes=N ..." on one line.
    QString line() const;
    // One "key=value" per line.
    QString text() const;
};

}  // namespace sim
