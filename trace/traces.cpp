// The two trace switches and the command-trace line. Both traces share Traces.file, so
// switching one on switches the other off; the LEDs are the state.
#include "app/Zr8a.h"
#include "trace/tracetext.h"

#include <QFrame>
#include <QLabel>

namespace {

// A trace whose file failed is no longer running: its LED goes out, so that one error box says
// why and no frame after it tries the file again.
void stopAfterFailure(Tzr8f& w) {
    if (!w.ledt->isHidden()) {
        w.ledt->hide();
        w.tracecount->hide();
    }
    w.ledta->hide();
}

void openTrace(Tzr8f& w, const QString& relativePath) {
    w.Traces.fileName = tracetext::inFolder(w.AppDir, relativePath);
    w.Traces.file.onFailure = [&w] { stopAfterFailure(w); };
    w.Traces.file.open(w.Traces.fileName);
}

}  // namespace

bool Tzr8f::traceAllOn() const {
    return !ledta->isHidden();
}
bool Tzr8f::traceCmdOn() const {
    return !ledt->isHidden();
}

void Tzr8f::tall() {
    if (traceAllOn()) {
        ledta->hide();
        clearrx();
        Traces.file.close();
        editfname();
        return;
    }
    ledta->show();
    if (traceCmdOn()) {
        ledt->hide();
        Traces.file.close();
    }
    openTrace(*this, tracetext::traceAllFile());
}

void Tzr8f::tcmd() {
    if (traceCmdOn()) {
        ledt->hide();
        tracecount->hide();
        clearrx();
        Traces.file.close();
        editfname();
        return;
    }
    Traces.lineCount = 0;
    tracecount->clear();
    tracecount->show();
    ledt->show();
    if (traceAllOn()) {
        ledta->hide();
        Traces.file.close();
    }
    openTrace(*this, tracetext::commandTraceFile());
    // The header stands in for the frame until the next one, as a trace line would.
    Parsed.quoted = tracetext::header();
    Traces.file.writeLine(Parsed.quoted);
}

void Tzr8f::tracecmd() {
    Parsed.traceDue = false;
    Parsed.quoted = tracetext::commandLine(gettime(), Position->text(), Parsed.name, Parsed.hex);
    Traces.file.writeLine(Parsed.quoted);
    ++Traces.lineCount;
    tracecount->setText(QString::number(Traces.lineCount));
}

void Tzr8f::TraceallClick() {
    tall();
}
void Tzr8f::TraceClick() {
    tcmd();
}
