#pragma once
// The serial port component: opens port `ComNumber`, sets the line, runs its reading,
// dispatching and transmitting threads and hands received bytes and modem-line changes to the
// user-interface thread as events.
//
// Threading contract:
//  - Every public member is called on the user-interface thread only (the thread that owns this
//    object). The back end (SerialDevice) is reached from all four threads; see SerialDevice.h.
//  - TComThread waits for line events of the device and hands each batch to TDispThread,
//    waiting until it has been taken in.
//  - TDispThread takes received bytes into ReceiveBuffer, re-reads the modem lines, checks the
//    watches and raises the events. It wakes on a batch or after 50 ms of quiet.
//  - TOutThread hands the bytes of TransmitRing to the device, one run at a time.
//  - OnTriggerAvail and OnTriggerModemStatus are raised on the user-interface thread, one at a
//    time: TDispThread posts the event and waits (at most 3000 ms) until the handler returns,
//    and never posts another while one is outstanding. A handler that throws still counts as
//    returned; the failure goes on to the application object.
//  - The receive lock guards ReceiveBuffer and its counters (TDispThread fills, ReadByte and
//    DiscardInput consume). The transmit lock guards TransmitRing (WriteBytes, TOutThread). The
//    status lock guards the watches, ModemStatusByte, the line error state, the line settings
//    applied to the device and the record of a vanished device. No thread holds two of them.
//  - Closing stops the threads and, while waiting for them, runs any event still outstanding on
//    the user-interface thread, so a close never waits on the thread that has to run the handler.
#include "serial/AppError.h"
#include "serial/LineSettings.h"

#include <QByteArray>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

class SerialDevice;

class TComPort : public QObject {
    Q_OBJECT
  public:
    // Makes the device for a port number; the default opens the platform's real device.
    using DeviceFactory = std::function<std::unique_ptr<SerialDevice>(std::uint16_t comNumber)>;
    // Asks the user for a port (the "Select Port" dialog); returns 0 when cancelled.
    using PortChooser = std::function<std::uint16_t()>;

    explicit TComPort(QObject* parent = nullptr);
    ~TComPort() override;

    void setDeviceFactory(DeviceFactory factory);
    void setPortChooser(PortChooser chooser);

    // Published settings.
    std::uint16_t ComNumber() const;
    void setComNumber(std::uint16_t n);
    std::int32_t Baud() const;
    void setBaud(std::int32_t baud);
    TParity Parity() const;
    void setParity(TParity p);
    bool DTR() const;
    void setDTR(bool on);
    bool RTS() const;
    void setRTS(bool on);
    bool AutoOpen() const;
    void setAutoOpen(bool on);
    bool PromptForPort() const;
    void setPromptForPort(bool on);
    std::uint16_t InSize() const;
    std::uint16_t OutSize() const;
    std::int16_t DataBits() const;
    std::int16_t StopBits() const;

    bool Open() const;
    void setOpen(bool open);

    // Operations.
    std::uint8_t ReadByte();
    void DiscardInput();
    void WriteBytes(const QByteArray& bytes);
    bool DsrOn();
    bool DsrChanged();
    std::uint16_t AddModemWatch();
    void ArmModemWatch(std::uint16_t handle, std::uint16_t mask, bool arm);

    // State for monitors and tests.
    std::uint8_t ModemStatusByte() const;
    bool ModemWatchArmed(std::uint16_t handle) const;
    struct Stats {
        std::uint64_t received = 0;        // bytes taken from the device since the open
        std::uint64_t handled = 0;         // of those, announced by a data event that returned
        std::uint64_t dataEvents = 0;      // data events whose handler returned
        std::uint64_t modemEvents = 0;     // modem-status events whose handler returned
        std::uint64_t readerWakeups = 0;   // line-event batches the reading thread took
        std::uint64_t dispatchPasses = 0;  // passes of the dispatching thread
        bool eventInFlight = false;        // an event was raised and its handler has not returned
        bool deviceLost = false;           // the device went away while open
    };
    Stats stats() const;
    // Received bytes lost before they could be read since this component was made: the device
    // overran while the reader was held up for longer than its buffers hold.
    std::uint64_t BytesLost() const;

    // Events.
    std::function<void(TComPort* CP, std::uint16_t Count)> OnTriggerAvail;
    std::function<void(TComPort* CP)> OnTriggerModemStatus;

  private:
    friend struct ComPortProbe;  // tests and benchmarks: an event raised as TDispThread raises it
    struct Impl;
    std::unique_ptr<Impl> d;
};
