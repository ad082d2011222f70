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

}  // namespace e2e
