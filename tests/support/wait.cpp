#include "tests/support/wait.h"

#include "serial/TComPort.h"
#include "tests/support/ScriptedDevice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

bool waitFor(const std::function<bool()>& cond, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!cond()) {
        if (deadline.hasExpired()) return cond();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // The condition is often met by another thread, not an event: look again shortly.
        QThread::msleep(1);
    }
    return true;
}

void feedAndWait(TComPort& port, ScriptedLine& line, const QByteArray& bytes) {
    const std::uint64_t target = port.stats().received + static_cast<std::uint64_t>(bytes.size());
    line.feed(bytes);
    const bool done = waitFor([&] {
        const TComPort::Stats s = port.stats();
        return line.pendingInput() == 0 && s.received >= target && s.handled == s.received;
    });
    EXPECT_TRUE(done) << "the component did not hand all " << bytes.size()
                      << " bytes to its data handler";
}

bool waitForDispatchPasses(TComPort& port, int passes) {
    const std::uint64_t target = port.stats().dispatchPasses + static_cast<std::uint64_t>(passes);
    return waitFor([&] { return port.stats().dispatchPasses >= target; });
}

QByteArray waitForWritten(ScriptedLine& line, int size, int timeoutMs) {
    QByteArray out;
    waitFor(
        [&] {
            out += line.takeWritten();
            return out.size() >= size;
        },
        timeoutMs);
    return out;
}
