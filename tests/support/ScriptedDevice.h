#pragma once
// A scripted serial line for tests: the test plays the far side (bytes in, modem lines, a
// failing open, a vanishing device) and reads what the component put on the line.
#include "serial/LineSettings.h"
#include "serial/SerialDevice.h"
#include "serial/TComPort.h"

#include <QByteArray>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

struct ScriptedLine {
    void feed(const QByteArray& bytes);  // bytes arriving on the line (as the far side sends)
    QByteArray takeWritten();            // bytes the component has put on the line so far (cleared)
    void setModemLines(
        std::uint8_t states);  // CTS 0x10, DSR 0x20, RI 0x40, DCD 0x80; raises a modem event
    int failOpenWith = 0;      // errno to fail the next open with (0 = succeed)
    bool dtr() const;
    bool rts() const;  // output line states as the component last set them

    // Bytes fed that the component has not read from the line yet.
    std::size_t pendingInput() const;
    // The device holds at most this many unread bytes, as a driver's receive buffer does; what
    // is fed beyond them is thrown away and counted as an overrun (0: no limit).
    void limitQueue(std::size_t bytes);
    // The device goes away (unplugged, far end closed): waits end with a hang-up, reads and
    // writes fail, and it cannot be opened until it is plugged back in.
    void hangUp();
    void plugBack();
    // Whether a device is open on the line, how often one was opened, and the line settings the
    // component applied last.
    bool isOpen() const;
    int openCount() const;
    LineSettings settings() const;

    // Shared with the scripted device (tests/support/ScriptedDevice.cpp).
    mutable std::mutex m;
    std::condition_variable changed;
    QByteArray input;
    std::size_t queueLimit = 0;
    std::uint64_t overruns = 0;
    QByteArray written;
    std::uint8_t lines = 0;
    bool modemEvent = false;
    bool hungUp = false;
    bool plugged = true;
    bool open = false;
    int opens = 0;
    bool dtrOn = false;
    bool rtsOn = false;
    LineSettings line;
};

// A device factory for TComPort / Tzr8f that opens every port number on `line`.
TComPort::DeviceFactory scriptedFactory(std::shared_ptr<ScriptedLine> line);
