// Carrying an event from TDispThread to the user-interface thread and waiting for its handler.
// The event is posted to the component's hand-over target (it lives on the user-interface
// thread); the handler's return, or its failure, releases the waiting thread.
#include "serial/TComPortImpl.h"

#include <QCoreApplication>

#include <chrono>

namespace {
constexpr auto kHandlerWait = std::chrono::milliseconds(3000);

QEvent::Type handoverType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}
}  // namespace

void TComPort::Impl::prepareHandover() {
    if (!nextHandover) nextHandover = std::make_unique<QEvent>(handoverType());
}

bool TComPort::Impl::HandoverTarget::event(QEvent* e) {
    if (e->type() != handoverType()) return QObject::event(e);
    impl.runOutstanding();
    return true;
}

void TComPort::Impl::deliver(std::function<void()> call, std::stop_token stop) {
    std::unique_lock lock(handoffMutex);
    if (inFlight != 0 || stop.stop_requested()) return;
    const std::uint64_t id = nextEventId++;
    inFlight = id;
    outstanding = [this, id, call = std::move(call)] {
        try {
            call();
        } catch (...) {
            finishEvent(id);
            throw;
        }
        finishEvent(id);
    };
    std::unique_ptr<QEvent> handover = std::move(nextHandover);
    if (!handover) handover = std::make_unique<QEvent>(handoverType());
    lock.unlock();
    toCloser.notify_all();  // a close under way runs it itself
    // Qt owns a posted event and deletes it once delivered.
    QCoreApplication::postEvent(&handoverTarget, handover.release());
    lock.lock();
    toDispatcher.wait_for(lock, kHandlerWait,
                          [this, id, &stop] { return inFlight != id || stop.stop_requested(); });
}

void TComPort::Impl::runOutstanding() {
    std::function<void()> call;
    {
        const std::lock_guard lock(handoffMutex);
        call = std::move(outstanding);
        outstanding = nullptr;
        prepareHandover();
    }
    if (call) call();
}

void TComPort::Impl::finishEvent(std::uint64_t id) {
    {
        const std::lock_guard lock(handoffMutex);
        if (inFlight != id) return;
        inFlight = 0;
    }
    toDispatcher.notify_one();
}

std::function<void()> TComPort::Impl::dataEvent(std::uint16_t count, std::uint64_t announcedNow) {
    return [this, count, announcedNow, ofSession = session] {
        handler = DataHandler{true, 0, false};
        try {
            if (q->OnTriggerAvail) q->OnTriggerAvail(q, count);
        } catch (...) {
            endDataHandler(ofSession, announcedNow);
            throw;
        }
        endDataHandler(ofSession, announcedNow);
    };
}

void TComPort::Impl::endDataHandler(std::uint64_t ofSession, std::uint64_t announcedNow) {
    const DataHandler done = handler;
    handler = {};
    ++dataEvents;
    // The port was closed (and perhaps opened again) from inside the handler: its bytes went
    // with that open.
    if (ofSession != session) return;
    bool wasFull = false;
    {
        const std::lock_guard lock(rxMutex);
        wasFull = rx.full();
        if (done.discardAll) {
            rx.clear();
        } else {
            rx.consume(done.consumed);
        }
        handled = std::max(handled, announcedNow);
    }
    roomMade(wasFull);
}

std::function<void()> TComPort::Impl::modemEvent() {
    return [this] {
        struct Counted {
            std::atomic<std::uint64_t>& n;
            ~Counted() { ++n; }
        } counted{modemEvents};
        if (q->OnTriggerModemStatus) q->OnTriggerModemStatus(q);
    };
}
