#include "sim/wire/replay.h"

#include <QList>

namespace sim {

namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "XX" pairs, each followed by one blank: the frame line of a trace-all.
bool parseFrameLine(const QByteArray& line, QByteArray& out) {
    if (line.isEmpty() || line.size() % 3 != 0) return false;
    out.clear();
    for (qsizetype i = 0; i < line.size(); i += 3) {
        const int h = hexDigit(line[i]);
        const int l = hexDigit(line[i + 1]);
        if (h < 0 || l < 0 || line[i + 2] != ' ') return false;
        out.append(static_cast<char>(h * 16 + l));
    }
    return true;
}
}  // namespace

ReplayScript parseTraceAll(const QByteArray& text) {
    ReplayScript script;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        QByteArray bytes;
        if (line.size() == 2 && hexDigit(line[0]) >= 0 && hexDigit(line[1]) >= 0) {
            script.chunks.push_back(
                QByteArray(1, static_cast<char>(hexDigit(line[0]) * 16 + hexDigit(line[1]))));
            ++script.droppedBytes;
        } else if (parseFrameLine(line, bytes)) {
            script.chunks.push_back(bytes);
            ++script.frames;
        } else if (!line.isEmpty()) {
            ++script.skippedLines;
        }
    }
    return script;
}

}  // namespace sim
