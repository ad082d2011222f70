#pragma once
// The traces of the main window: the one file both write, the file the editor opens, and the
// count of command-trace lines.
#include "trace/TraceFile.h"

#include <QString>

struct TraceSession {
    TraceFile file;
    // The trace most recently switched on or edited, or the protocol text; empty until then.
    QString fileName;
    int lineCount = 0;  // shown in tracecount
};
