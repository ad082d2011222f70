// Trace files and the protocol documents in outside programs. The desktop's default
// application opens each file; the path is one argument, never parsed by a shell. The program
// is "xdg-open" unless QUENLAR_OPEN names another one. A start that fails is not reported.
#include "app/Zr8a.h"
#include "trace/tracetext.h"

#include <QProcess>

namespace {

void openInViewer(const QString& path, const QString& workingDirectory) {
    const QString opener = qEnvironmentVariable("QUENLAR_OPEN", QStringLiteral("xdg-open"));
    QProcess::startDetached(opener, {path}, workingDirectory);
}

// Beside the program, or in the installed share folder; AppDir until start-up has chosen.
QString documentsFolder(const Tzr8f& w) {
    return w.DocumentsDir.isEmpty() ? w.AppDir : w.DocumentsDir;
}

}  // namespace

void Tzr8f::EditallClick() {
    if (traceAllOn()) {
        tall();
        return;
    }
    Traces.fileName = tracetext::inFolder(AppDir, tracetext::traceAllFile());
    editfname();
}

void Tzr8f::editcmdClick() {
    if (traceCmdOn()) {
        tcmd();
        return;
    }
    Traces.fileName = tracetext::inFolder(AppDir, tracetext::commandTraceFile());
    editfname();
}

void Tzr8f::editfname() {
    if (Traces.fileName.isEmpty()) return;
    openInViewer(Traces.fileName, AppDir);
}

void Tzr8f::editprotocol() {
    Traces.fileName = tracetext::inFolder(documentsFolder(*this), tracetext::protocolText());
    editfname();
}

void Tzr8f::ProtocolClick() {
    openInViewer(tracetext::inFolder(documentsFolder(*this), tracetext::protocolDocument()),
                 AppDir);
}
