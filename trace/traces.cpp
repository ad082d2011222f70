// The two trace switches and the command-trace line. Both traces share TraceAllFile, so
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
    w.TraceFileName = tracetext::inFolder(w.AppDir, relativePath);
    w.TraceAllFile.onFailure = [&w] { stopAfterFailure(w); };
    w.TraceAllFile.open(w.TraceFileName);
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
        TraceAllFile.close();
        editfname();
        return;
    }
    ledta->show();
    if (traceCmdOn()) {
        ledt->hide();
        TraceAllFile.close();
    }
    openTrace(*this, tracetext::traceAllFile());
}

void Tzr8f::tcmd() {
    if (traceCmdOn()) {
        ledt->hide();
        tracecount->hide();
        clearrx();
        TraceAllFile.close();
        editfname();
        return;
    }
    TraceLineCount = 0;
    tracecount->clear();
    tracecount->show();
    ledt->show();
    if (traceAllOn()) {
        ledta->hide();
        TraceAllFile.close();
    }
    openTrace(*this, tracetext::commandTraceFile());
    // The header stands in for the frame text until the next frame, as a trace line would.
    FrameHex = tracetext::header();
    TraceAllFile.writeLine(FrameHex);
}

void Tzr8f::tracecmd() {
    TraceChange = false;
    // From here on the frame's text is its trace line: that is what a "no reply" line quotes.
    FrameHex = tracetext::commandLine(gettime(), Position->text(), CmdText, FrameHex);
    TraceAllFile.writeLine(FrameHex);
    ++TraceLineCount;
    tracecount->setText(QString::number(TraceLineCount));
}

void Tzr8f::TraceallClick() {
    tall();
}
void Tzr8f::TraceClick() {
    tcmd();
}
