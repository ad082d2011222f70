#pragma once
// The texts of the two traces and the names of their files.
//
//   "    Time      Position    Command/Status   Code"
//    09:05:03.042  00:01:00:00 Play             20 01 21
//    ^0            ^14         ^26              ^43
//
// A command-trace line is the time stamp, two blanks, the master position, one blank, the
// message's name, two blanks and the frame's hex text; with an 11-character position and a
// 15-character name its fields start under the header's words.
#include <QString>

namespace tracetext {

QString header();
QString commandLine(const QString& time, const QString& position, const QString& name,
                    const QString& frameHex);

// A file of the program's folder. The folder may lack its trailing separator (the current
// directory, when the program was started without a path): the name still goes inside it.
QString inFolder(const QString& folder, const QString& name);

// Relative to the program's folder.
QString traceAllFile();
QString commandTraceFile();
QString protocolText();
QString protocolDocument();

}  // namespace tracetext
