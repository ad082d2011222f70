// Opening and closing the port: the chooser, the device, the line and the three threads.
#include "serial/ComErrors.h"
#include "serial/PlatformDevice.h"
#include "serial/TComPortImpl.h"
#include "serial/TComSelectForm.h"

#include <chrono>
#include <exception>

namespace {
constexpr auto kThreadStartWait = std::chrono::milliseconds(3000);
}

std::uint16_t TComPort::Impl::askForPort() const {
    if (!prompt) throw comerr::error(comerr::NotSet);
    const std::uint16_t chosen = chooser ? chooser() : choosePortInDialog();
    if (chosen == 0) throw comerr::error(comerr::NotSet);
    return chosen;
}

void TComPort::Impl::openPort() {
    if (open) return;
    // A number chosen here stays even when the open fails.
    if (comNumber == 0) comNumber = askForPort();

    std::unique_ptr<SerialDevice> device = makeDevice();
    device->open();
    adopt(std::move(device));
}

std::unique_ptr<SerialDevice> TComPort::Impl::makeDevice() const {
    std::unique_ptr<SerialDevice> device =
        factory ? factory(comNumber) : makePlatformDevice(comNumber);
    if (!device) throw comerr::error(comerr::BadId);
    return device;
}

void TComPort::Impl::adopt(std::unique_ptr<SerialDevice> device) {
    dev = std::move(device);
    try {
        dev->setQueueSizes(inSize, outSize);
        {
            const std::lock_guard lock(rxMutex);
            rx.clear();
            received = announced = handled = 0;
        }
        {
            const std::lock_guard lock(txMutex);
            tx = TransmitRing(outSize);
        }
        dev->setDtr(dtr);
        dev->setRts(rts);
        {
            const std::lock_guard lock(statusMutex);
            dev->setLine(line);
            modemStatus = static_cast<std::uint8_t>(dev->modemLines() & 0xF0);
            lineErrors = 0;
            deviceLostSeen = 0;
            lost.reset();
            lostReported = false;
            lostAnnounced = false;
        }
        deviceLost = false;
        ++session;
        handler = {};
        startThreads();
        dev->setDtr(dtr);
        dev->setRts(rts);
    } catch (...) {
        stopThreads();
        dev->close();
        dev.reset();
        throw;
    }
    open = true;
}

void TComPort::Impl::closePort() {
    replugWatch.stop();
    if (!open || closing) return;
    closing = true;
    std::exception_ptr failure;
    try {
        stopThreads();
    } catch (...) {
        failure = std::current_exception();
    }
    dev->close();
    dev.reset();
    open = false;
    closing = false;
    if (failure) std::rethrow_exception(failure);
}

void TComPort::Impl::startThreads() {
    {
        const std::lock_guard lock(handoffMutex);
        batch = 0;
        batchPending = false;
        outstanding = nullptr;
        inFlight = 0;
        prepareHandover();
    }
    const auto awaitRunning = [this](int count) {
        std::unique_lock lock(handoffMutex);
        if (!toCloser.wait_for(lock, kThreadStartWait, [&] { return runningThreads >= count; })) {
            throw comerr::osError(ETIMEDOUT);
        }
    };
    comThread = std::jthread([this](std::stop_token st) { readLoop(st); });
    awaitRunning(1);
    dispThread = std::jthread([this](std::stop_token st) { dispatchLoop(st); });
    awaitRunning(2);
    outThread = std::jthread([this](std::stop_token st) { transmitLoop(st); });
    awaitRunning(3);
}

void TComPort::Impl::stopThreads() {
    for (std::jthread* t : {&comThread, &dispThread, &outThread}) t->request_stop();
    if (dev) dev->cancel();
    // Until every thread has ended, run the event that may still be outstanding here: its
    // handler belongs on this thread, and TDispThread may be waiting for it.
    std::exception_ptr failure;
    {
        std::unique_lock lock(handoffMutex);
        while (runningThreads > 0 || outstanding) {
            if (outstanding) {
                lock.unlock();
                try {
                    runOutstanding();
                } catch (...) {
                    if (!failure) failure = std::current_exception();
                }
                lock.lock();
                continue;
            }
            toCloser.wait(lock);
        }
    }
    for (std::jthread* t : {&comThread, &dispThread, &outThread}) {
        if (t->joinable()) t->join();
    }
    if (failure) std::rethrow_exception(failure);
}
