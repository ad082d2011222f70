#pragma once
// The termios back end: a serial device (or pseudo-terminal) by path.
#include "serial/ModemLineWait_unix.h"
#include "serial/SerialDevice.h"
#include "serial/UucpLock.h"

#include <memory>

class TermiosDevice : public SerialDevice {
  public:
    explicit TermiosDevice(QString path);
    ~TermiosDevice() override;
    TermiosDevice(const TermiosDevice&) = delete;
    TermiosDevice& operator=(const TermiosDevice&) = delete;

    QString name() const override { return path_; }
    // Opens without blocking on carrier and for this process only: TIOCEXCL, an flock and the
    // shared lock file, so that a second opener is refused even when it runs as root.
    void open() override;
    void close() override;
    void setQueueSizes(std::uint16_t inSize, std::uint16_t outSize) override;
    void setLine(const LineSettings& line) override;
    void setDtr(bool on) override;
    void setRts(bool on) override;
    std::uint8_t modemLines() override;
    unsigned waitEvent(bool wantData) override;
    void wake() override;
    void cancel() override;
    std::size_t readAvailable(std::span<std::uint8_t> into) override;
    void write(std::span<const std::uint8_t> bytes) override;
    void discardInput() override;
    unsigned takeLineErrors() override;
    std::uint64_t lostBytes() override;

    // The UART type the driver reports (TIOCGSERIAL), -1 when it reports none.
    int uartType() const;

  private:
    void setModemBit(int bit, bool on);
    void requestLowLatency();
    [[noreturn]] void fail(int e) const;

    QString path_;
    int fd_ = -1;
    int wakeFd_ = -1;    // one-shot wakes of waitEvent
    int cancelFd_ = -1;  // set once by cancel(), never drained
    int modemFd_ = -1;   // modem-line changes from lineWait_
    UucpLock lock_;
    std::unique_ptr<ModemLineWait> lineWait_;
    unsigned long errorCount_ = 0;
    std::uint64_t overrunsAtOpen_ = 0;  // the driver's counts run on across opens
};
