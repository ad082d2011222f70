#pragma once
// The platform back end of the serial component: one implementation per platform
// (SerialDevice_unix.cpp for termios); tests use a scripted one.
//
// Who calls what: open, close, setQueueSizes, setLine, setDtr and setRts come from the
// user-interface thread; waitEvent from the component's reading thread; readAvailable,
// takeLineErrors, lostBytes and modemLines from its dispatching thread (modemLines also from the UI
// thread); write from its transmitting thread; wake, cancel and discardInput from any thread.
// An implementation must let these overlap. Failures are thrown as AppError.
#include "serial/LineSettings.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

// What waitEvent reports; several may come at once.
namespace lineevent {
inline constexpr unsigned RxChar = 0x01;       // received bytes are waiting
inline constexpr unsigned ModemChange = 0x02;  // CTS, DSR, RI or DCD changed
inline constexpr unsigned Break = 0x04;
inline constexpr unsigned LineError = 0x08;  // framing, overrun or parity fault
inline constexpr unsigned Hangup = 0x10;     // the device has gone (unplugged, far end closed)
}  // namespace lineevent

class SerialDevice {
  public:
    virtual ~SerialDevice() = default;

    // The device's name as the user knows it (its path).
    virtual QString name() const = 0;

    // Opens the device for exclusive use. A missing device is 2001, one held by another program
    // 2008; anything else carries the operating system's code and text.
    virtual void open() = 0;
    virtual void close() = 0;

    virtual void setQueueSizes(std::uint16_t inSize, std::uint16_t outSize) = 0;
    // Raw mode with the given speed, parity (generated on transmit, not checked on receive),
    // data and stop bits, and no flow control.
    virtual void setLine(const LineSettings& line) = 0;
    virtual void setDtr(bool on) = 0;
    virtual void setRts(bool on) = 0;
    // CTS, DSR, RI and DCD (modemline::*); a device without modem lines reports them off.
    virtual std::uint8_t modemLines() = 0;

    // Blocks until line events come (lineevent::*), wake() or cancel(); returns 0 for the
    // latter two. With wantData false received bytes do not end the wait (the reader has no
    // room for them).
    virtual unsigned waitEvent(bool wantData) = 0;
    // Ends the current or the next waitEvent once.
    virtual void wake() = 0;
    // Ends every wait and write from now on, until the device is closed.
    virtual void cancel() = 0;

    // Moves the bytes that are waiting into `into` without blocking; returns how many.
    virtual std::size_t readAvailable(std::span<std::uint8_t> into) = 0;
    // Hands all of `bytes` to the device and returns once it has taken them (or cancel()).
    virtual void write(std::span<const std::uint8_t> bytes) = 0;
    virtual void discardInput() = 0;
    // Returns the line faults seen since the last call (lineevent::Break, LineError) and
    // clears them.
    virtual unsigned takeLineErrors() = 0;
    // Received bytes the device or its driver threw away since the open because nobody read them
    // in time (the UART's and the driver's receive overruns), as far as the driver counts them;
    // 0 where it keeps no count.
    virtual std::uint64_t lostBytes() = 0;
};
