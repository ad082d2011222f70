#pragma once
// Waiting in tests for something the component does on its own threads, while the Qt events that
// carry it are processed.
#include <QByteArray>

#include <functional>

class TComPort;
struct ScriptedLine;

// How long a wait for something that must happen may take before the test gives up: only a guard
// against hanging, long enough for a sanitized build on a machine that is busy elsewhere (a wait
// that succeeds returns as soon as it does).
inline constexpr int HangGuardMs = 30000;

// Processes Qt events until cond() is true or timeoutMs passes; returns cond().
bool waitFor(const std::function<bool()>& cond, int timeoutMs = HangGuardMs);

// Feeds bytes on the line and processes events until the component has announced all of them and
// the data handler has returned (the bytes have been through Tzr8f::serialTriggerAvail).
void feedAndWait(TComPort& port, ScriptedLine& line, const QByteArray& bytes);

// Processes events until the component's dispatching thread has made `passes` more passes (about
// 50 ms each on a quiet line): for checking that something did NOT happen.
bool waitForDispatchPasses(TComPort& port, int passes = 3);

// Collects what the component puts on the line until at least `size` bytes have come (its
// transmit thread writes them a little after they are queued) or time runs out.
QByteArray waitForWritten(ScriptedLine& line, int size, int timeoutMs = HangGuardMs);
