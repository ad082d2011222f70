#pragma once
// The inside of TComPort, shared by its files: the public operations (TComPort.cpp), opening and
// closing (TComPortOpen.cpp), the three threads (TComPortThreads.cpp) and the delivery of events
// to the user-interface thread (TComPortDelivery.cpp). The locks are described in TComPort.h.
#include "serial/ModemWatches.h"
#include "serial/ReceiveBuffer.h"
#include "serial/SerialDevice.h"
#include "serial/TComPort.h"
#include "serial/TransmitRing.h"

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

struct TComPort::Impl {
    explicit Impl(TComPort* owner);

    TComPort* const q;

    // ---- Settings (user-interface thread) --------------------------------------------------
    std::uint16_t comNumber = 0;
    LineSettings line;
    bool dtr = true;
    bool rts = true;
    bool autoOpen = true;
    bool prompt = true;
    static constexpr std::uint16_t inSize = 4096;
    static constexpr std::uint16_t outSize = 4096;
    DeviceFactory factory;
    PortChooser chooser;

    // ---- Lifecycle (user-interface thread) -------------------------------------------------
    bool open = false;
    bool closing = false;
    std::uint64_t session = 0;  // counts opens, so a late handler return finds its own open
    std::unique_ptr<SerialDevice> dev;

    // ---- Receive lock ------------------------------------------------------------------------
    mutable std::mutex rxMutex;
    ReceiveBuffer rx;
    std::uint64_t received = 0;   // bytes taken into rx since the open
    std::uint64_t announced = 0;  // `received` when the last data event was raised
    std::uint64_t handled = 0;    // `announced` of the last data event whose handler returned

    // ---- Transmit lock -----------------------------------------------------------------------
    std::mutex txMutex;
    std::condition_variable_any txCv;
    TransmitRing tx;

    // ---- Status lock -------------------------------------------------------------------------
    mutable std::mutex statusMutex;
    std::uint8_t modemStatus = 0;
    ModemWatches watches;
    unsigned lineErrors = 0;
    std::uint64_t bytesLost = 0;       // lost before they could be read, since the component
                                       // was made
    std::uint64_t deviceLostSeen = 0;  // the device's own count of them, since this open
    std::optional<AppError> lost;      // why the device went away while open
    bool lostReported = false;
    bool lostAnnounced = false;  // the event that tells of it was raised

    // ---- Hand-offs between the threads and to the user-interface thread -------------------------
    // One condition for each thread that waits, so that a hand-over wakes only the thread it is
    // for; they are signalled after the lock is let go, so the woken thread does not at once
    // block on it again.
    std::mutex handoffMutex;
    std::condition_variable toReader;      // TComThread: its batch was handled
    std::condition_variable toDispatcher;  // TDispThread: a batch came, or the handler returned
    std::condition_variable toCloser;      // open and close: a thread started or ended, an event
                                           // was posted
    unsigned batch = 0;                    // line events TComThread has seen
    bool batchPending = false;             // TDispThread has not finished with `batch` yet
    std::function<void()> outstanding;     // a posted event whose handler has not started
    // The event that carries `outstanding` to the user-interface thread is made on that thread
    // ahead of need, so the dispatching thread only hands its pointer to Qt: an event object
    // written by one thread and read by another through Qt's queue, whose lock ThreadSanitizer
    // cannot see, would look like a race.
    std::unique_ptr<QEvent> nextHandover;
    std::uint64_t inFlight = 0;  // id of the event whose handler has not returned, or 0
    std::uint64_t nextEventId = 1;
    int runningThreads = 0;

    std::atomic<bool> deviceLost{false};
    std::atomic<std::uint64_t> dataEvents{0};
    std::atomic<std::uint64_t> modemEvents{0};
    std::atomic<std::uint64_t> readerWakeups{0};
    std::atomic<std::uint64_t> passes{0};

    // Receives the posted events on the user-interface thread and runs `outstanding`.
    struct HandoverTarget : QObject {
        explicit HandoverTarget(Impl& owner) : impl(owner) {}
        bool event(QEvent* e) override;
        Impl& impl;
    } handoverTarget{*this};

    // The data handler that is running (user-interface thread).
    struct DataHandler {
        bool active = false;
        std::size_t consumed = 0;
        bool discardAll = false;
    } handler;

    // While the device is gone the port stays open (sends are dropped without a word) and this
    // looks for the device to come back (user-interface thread).
    QTimer replugWatch;

    std::jthread comThread;
    std::jthread dispThread;
    std::jthread outThread;

    // TComPortOpen.cpp
    void openPort();
    std::unique_ptr<SerialDevice> makeDevice() const;
    // Sets up an opened device with the port's settings and starts the threads.
    void adopt(std::unique_ptr<SerialDevice> device);
    void closePort();
    void startThreads();
    void stopThreads();
    std::uint16_t askForPort() const;

    // TComPortThreads.cpp
    void readLoop(std::stop_token stop);
    void dispatchLoop(std::stop_token stop);
    void transmitLoop(std::stop_token stop);
    void serviceDevice(unsigned events);
    void countLostBytes();
    void takeBytes();
    void checkWatches(std::stop_token stop);
    void checkData(std::stop_token stop);

    // TComPortReplug.cpp
    void checkGone(std::stop_token stop);
    void deviceGone();
    void tryReplug();

    // TComPortDelivery.cpp
    void deliver(std::function<void()> call, std::stop_token stop);
    void runOutstanding();
    void prepareHandover();  // user-interface thread, under handoffMutex
    void finishEvent(std::uint64_t id);
    std::function<void()> dataEvent(std::uint16_t count, std::uint64_t announcedNow);
    std::function<void()> modemEvent();
    void endDataHandler(std::uint64_t ofSession, std::uint64_t announcedNow);

    // A stop request wakes the waiting threads (they look at the stop token when woken).
    void wakeForStop();

    // Status helpers; the caller holds the status lock.
    void refreshLinesLocked();
    void markLostLocked(const AppError& why);
    void markLost(const AppError& why);
    // False when the device went away and the user has been told; throws the one report.
    bool deviceUsable();
    // The reader made room in a full rx: let the reading thread wait for bytes again.
    void roomMade(bool wasFull);
};
