#pragma once
// Reads a trace-all back into the byte runs that made it: each frame line ("20 01 21 ") is one
// run, each dropped-byte line ("3F") a run of one byte. Played onto the line in order, they give
// the analyser the same bytes it traced, so a captured session can be analysed again.
#include <QByteArray>
#include <QString>

#include <vector>

namespace sim {

struct ReplayScript {
    std::vector<QByteArray> chunks;
    int frames = 0;        // frame lines read
    int droppedBytes = 0;  // dropped-byte lines read
    int skippedLines = 0;  // lines that are neither (blank lines, a command trace's text)
};

ReplayScript parseTraceAll(const QByteArray& text);

}  // namespace sim
