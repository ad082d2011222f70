// The component's three threads: TComThread (readLoop) waits for line events, TDispThread
// (dispatchLoop) takes bytes in, watches the modem lines and raises the events, TOutThread
// (transmitLoop) puts queued bytes on the line.
#include "serial/ComErrors.h"
#include "serial/TComPortImpl.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <vector>

namespace {
constexpr auto kQuietPass = std::chrono::milliseconds(50);

// Counts a thread in while it runs, so that opening can wait for it to start and closing for it
// to end.
class RunningMark {
  public:
    RunningMark(std::mutex& m, std::condition_variable& cv, int& running)
        : m_(m), cv_(cv), running_(running) {
        {
            const std::lock_guard lock(m_);
            ++running_;
        }
        cv_.notify_all();
    }
    ~RunningMark() {
        {
            const std::lock_guard lock(m_);
            --running_;
        }
        cv_.notify_all();
    }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

  private:
    std::mutex& m_;
    std::condition_variable& cv_;
    int& running_;
};
}  // namespace

void TComPort::Impl::wakeForStop() {
    // Taking the lock first means a thread between testing its condition and sleeping cannot
    // miss the request.
    { const std::lock_guard lock(handoffMutex); }
    toReader.notify_all();
    toDispatcher.notify_all();
}

void TComPort::Impl::readLoop(std::stop_token stop) {
    const RunningMark mark(handoffMutex, toCloser, runningThreads);
    const std::stop_callback wake(stop, [this] { wakeForStop(); });
    while (!stop.stop_requested()) {
        if (deviceLost) {
            // Stop reading a device that has gone, rather than spin on its hang-up.
            std::unique_lock lock(handoffMutex);
            toReader.wait(lock, [&stop] { return stop.stop_requested(); });
            return;
        }
        bool wantData = true;
        {
            const std::lock_guard lock(rxMutex);
            wantData = !rx.full();
        }
        unsigned events = 0;
        try {
            events = dev->waitEvent(wantData);
        } catch (const AppError& e) {
            markLost(e);
            continue;
        }
        if (events == 0) continue;
        ++readerWakeups;
        std::unique_lock lock(handoffMutex);
        batch |= events;
        batchPending = true;
        lock.unlock();
        toDispatcher.notify_one();
        lock.lock();
        toReader.wait(lock, [this, &stop] { return !batchPending || stop.stop_requested(); });
    }
}

void TComPort::Impl::dispatchLoop(std::stop_token stop) {
    const RunningMark mark(handoffMutex, toCloser, runningThreads);
    const std::stop_callback wake(stop, [this] { wakeForStop(); });
    while (!stop.stop_requested()) {
        unsigned events = 0;
        {
            std::unique_lock lock(handoffMutex);
            toDispatcher.wait_for(lock, kQuietPass,
                                  [this, &stop] { return batchPending || stop.stop_requested(); });
            if (stop.stop_requested()) return;
            events = batchPending ? batch : 0;
            batch = 0;
        }
        ++passes;
        if (!deviceLost) serviceDevice(events);
        {
            const std::lock_guard lock(handoffMutex);
            batchPending = false;
        }
        toReader.notify_one();
        checkWatches(stop);
        checkData(stop);
        checkGone(stop);
    }
}

void TComPort::Impl::serviceDevice(unsigned events) {
    try {
        if ((events & lineevent::Hangup) != 0) throw comerr::deviceLost(dev->name(), EIO);
        if ((events & (lineevent::Break | lineevent::LineError)) != 0) {
            const std::lock_guard lock(statusMutex);
            lineErrors |= dev->takeLineErrors();
        }
        if ((events & lineevent::RxChar) != 0) takeBytes();
        // Every pass, not only on an event: some drivers cannot tell of line changes, and none
        // tells when its receive buffer overflows.
        countLostBytes();
        const std::lock_guard lock(statusMutex);
        refreshLinesLocked();
    } catch (const AppError& e) {
        markLost(e);
    }
}

void TComPort::Impl::countLostBytes() {
    const std::uint64_t sinceOpen = dev->lostBytes();
    const std::lock_guard lock(statusMutex);
    if (sinceOpen <= deviceLostSeen) return;
    bytesLost += sinceOpen - deviceLostSeen;
    deviceLostSeen = sinceOpen;
}

void TComPort::Impl::takeBytes() {
    std::array<std::uint8_t, 1024> chunk{};
    for (;;) {
        std::size_t room = 0;
        {
            const std::lock_guard lock(rxMutex);
            room = rx.freeSpace();
        }
        if (room == 0) return;  // the rest waits in the system's queue
        const std::size_t n =
            dev->readAvailable(std::span(chunk).first(std::min(room, chunk.size())));
        if (n == 0) return;
        const std::lock_guard lock(rxMutex);
        rx.append(std::span(chunk).first(n));
        received += n;
    }
}

void TComPort::Impl::checkWatches(std::stop_token stop) {
    int fired = 0;
    {
        const std::lock_guard lock(statusMutex);
        fired = watches.check(static_cast<std::uint8_t>(modemStatus & 0xF0));
    }
    for (int i = 0; i < fired && !stop.stop_requested(); ++i) deliver(modemEvent(), stop);
    if (fired > 0) {
        const std::lock_guard lock(statusMutex);
        watches.clearFired();
    }
}

void TComPort::Impl::checkData(std::stop_token stop) {
    {
        const std::lock_guard lock(handoffMutex);
        if (inFlight != 0) return;  // never two events outstanding
    }
    std::uint16_t count = 0;
    std::uint64_t announcedNow = 0;
    {
        const std::lock_guard lock(rxMutex);
        if (rx.unread() == 0 || received == announced) return;
        announced = received;
        announcedNow = announced;
        count = static_cast<std::uint16_t>(rx.unread());
    }
    deliver(dataEvent(count, announcedNow), stop);
}

void TComPort::Impl::transmitLoop(std::stop_token stop) {
    const RunningMark mark(handoffMutex, toCloser, runningThreads);
    std::vector<std::uint8_t> run;
    run.reserve(outSize);
    while (!stop.stop_requested()) {
        {
            std::unique_lock lock(txMutex);
            txCv.wait(lock, stop, [this] { return !tx.empty(); });
            if (stop.stop_requested()) return;
            const auto front = tx.frontRun();
            run.assign(front.begin(), front.end());
        }
        if (!deviceLost) {
            try {
                dev->write(run);
            } catch (const AppError& e) {
                markLost(e);
            }
        }
        const std::lock_guard lock(txMutex);
        if (deviceLost) {
            tx.clear();
        } else {
            tx.pop(run.size());
        }
    }
}

void TComPort::Impl::refreshLinesLocked() {
    if (lost) return;
    try {
        modemStatus = modemstatus::update(modemStatus, dev->modemLines());
    } catch (const AppError& e) {
        markLostLocked(e);
    }
}

void TComPort::Impl::markLostLocked(const AppError& why) {
    if (!lost) lost = why;
    deviceLost = true;
}

void TComPort::Impl::markLost(const AppError& why) {
    const std::lock_guard lock(statusMutex);
    markLostLocked(why);
}

bool TComPort::Impl::deviceUsable() {
    const std::lock_guard lock(statusMutex);
    if (!lost) return true;
    if (lostReported) return false;
    lostReported = true;
    throw *lost;
}

void TComPort::Impl::roomMade(bool wasFull) {
    if (wasFull && dev) dev->wake();
}
