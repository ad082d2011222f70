#pragma once
// Comparing what the simulator wrote with what the analyser traced.
#include <QStringList>

#include <tuple>
#include <utility>

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

// How many lines of `trace` follow each other in `lines` from `at` on.
inline qsizetype matchedFrom(const QStringList& lines, qsizetype at, const QStringList& trace) {
    qsizetype n = 0;
    while (n < trace.size() && at + n < lines.size() && lines[at + n] == trace[n]) ++n;
    return n;
}

// Where `trace` leaves the stretch of `lines` it starts in, for a failure message. Frames repeat
// (a poll's reply is the same each time), so the stretch is the start that holds out longest.
inline QString whereRunBreaks(const QStringList& lines, const QStringList& trace) {
    if (trace.isEmpty()) return QStringLiteral("empty trace");
    qsizetype start = -1;
    qsizetype matched = 0;
    for (qsizetype i = lines.indexOf(trace.first()); i >= 0;
         i = lines.indexOf(trace.first(), i + 1)) {
        const qsizetype n = matchedFrom(lines, i, trace);
        if (n > matched) std::tie(start, matched) = std::pair(i, n);
    }
    if (start < 0)
        return QStringLiteral("first trace line '%1' was never written").arg(trace.first());
    if (matched == trace.size()) return QStringLiteral("no break");
    const qsizetype at = start + matched;
    const QString& line = trace[matched];
    const QString where =
        QStringLiteral("trace line %1 of %2 ('%3')").arg(matched).arg(trace.size()).arg(line);
    const qsizetype next = lines.indexOf(line, at);
    if (next < 0) return where + QStringLiteral(" was not written after written line %1").arg(at);
    qsizetype bytes = 0;
    for (qsizetype k = at; k < next; ++k) bytes += lines[k].size() / 3;
    return where + QStringLiteral(": %1 written lines (%2 bytes) are missing before it")
                       .arg(next - at)
                       .arg(bytes);
}

}  // namespace e2e
