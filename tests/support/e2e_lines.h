#pragma once
// Comparing what the simulator wrote with what the analyser traced.
#include <QStringList>

namespace e2e {

// The hex texts ("20 01 21 ") of the chunks a simulator's write log tags with `tag`.
inline QStringList chunksTagged(const QStringList& txLog, QChar tag) {
    QStringList out;
    for (const QString& line : txLog)
        if (line.size() > 2 && line[0] == tag && line[1] == QLatin1Char(' ')) out << line.mid(2);
    return out;
}

// Where `run` stands in `lines` as one unbroken stretch, or -1.
inline qsizetype indexOfRun(const QStringList& lines, const QStringList& run) {
    if (run.isEmpty()) return -1;
    for (qsizetype i = lines.indexOf(run.first()); i >= 0; i = lines.indexOf(run.first(), i + 1)) {
        if (lines.mid(i, run.size()) == run) return i;
    }
    return -1;
}

// Where `trace` leaves the stretch of `lines` it starts in, for a failure message.
inline QString whereRunBreaks(const QStringList& lines, const QStringList& trace) {
    if (trace.isEmpty()) return QStringLiteral("empty trace");
    qsizetype i = lines.indexOf(trace.first());
    if (i < 0) return QStringLiteral("first trace line '%1' was never written").arg(trace.first());
    for (qsizetype j = 0; j < trace.size(); ++j, ++i) {
        if (i < lines.size() && lines[i] == trace[j]) continue;
        const qsizetype next = lines.indexOf(trace[j], i);
        qsizetype bytes = 0;
        for (qsizetype k = i; k < next; ++k) bytes += lines[k].size() / 3;
        return QStringLiteral("trace line %1 of %2 ('%3'): %4 written lines (%5 bytes) are missing")
            .arg(j)
            .arg(trace.size())
            .arg(trace[j])
            .arg(next < 0 ? -1 : next - i)
            .arg(bytes);
    }
    return QStringLiteral("no break");
}

}  // namespace e2e
