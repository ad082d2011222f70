// Placeholders for main-window methods whose subsystem has not landed yet.
#include "app/Zr8a.h"

#include <QFrame>

TraceFile::~TraceFile() = default;
void TraceFile::open(const QString&) {}
void TraceFile::writeLine(const QString&) {}
void TraceFile::close() {}

void Tzr8f::tall() {}
void Tzr8f::tcmd() {}
void Tzr8f::tracecmd() {}
void Tzr8f::TraceallClick() {}
void Tzr8f::TraceClick() {}
void Tzr8f::EditallClick() {}
void Tzr8f::editcmdClick() {}
void Tzr8f::editfname() {}
void Tzr8f::editprotocol() {}
void Tzr8f::ProtocolClick() {}
bool Tzr8f::traceAllOn() const { return ledta->isVisible(); }
bool Tzr8f::traceCmdOn() const { return ledt->isVisible(); }
