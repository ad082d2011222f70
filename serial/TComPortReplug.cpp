// A device that goes away while the port is open (an adapter unplugged, a cable pulled, the far
// end of a pseudo-terminal closed): the user is told at once, in one box, whether or not the
// program sends; the port stays open without a device, so sends are dropped quietly; and when the
// port's device can be opened again it is, with the same settings, without a word.
#include "serial/TComPortImpl.h"

void TComPort::Impl::checkGone(std::stop_token stop) {
    if (!deviceLost) return;
    {
        // What arrived before the loss is handed on first.
        const std::lock_guard lock(rxMutex);
        if (handled != received) return;
    }
    {
        const std::lock_guard lock(handoffMutex);
        if (inFlight != 0) return;
    }
    {
        const std::lock_guard lock(statusMutex);
        if (lostAnnounced) return;
        lostAnnounced = true;
    }
    deliver([this] { deviceGone(); }, stop);
}

void TComPort::Impl::deviceGone() {
    if (!open || closing || !deviceLost) return;
    // The threads have nothing left to wait for; the device's name stays free for its return.
    stopThreads();
    dev->close();
    replugWatch.start();
    deviceUsable();  // the one report, unless an operation has given it already
}

void TComPort::Impl::tryReplug() {
    if (!open || closing || !deviceLost) {
        replugWatch.stop();
        return;
    }
    std::unique_ptr<SerialDevice> device = makeDevice();
    try {
        device->open();
    } catch (const AppError&) {
        return;  // not back yet
    }
    replugWatch.stop();
    dev.reset();
    open = false;
    adopt(std::move(device));
}
