#pragma once
// The serial port component: opens port `ComNumber`, sets the line, runs its reading,
// dispatching and transmitting threads and hands received bytes and modem-line changes to the
// user-interface thread as events.
//
// Threading contract (filled in by the implementation below):
//  - Every public member is called on the user-interface thread only.
//  - OnTriggerAvail and OnTriggerModemStatus are raised on the user-interface thread, one at a
//    time; the dispatching thread waits (at most 3000 ms) until the handler returns.
#include "serial/AppError.h"

#include <QByteArray>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

class SerialDevice;

enum class TParity { pNone, pOdd, pEven, pMark, pSpace };

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

    // Events.
    std::function<void(TComPort* CP, std::uint16_t Count)> OnTriggerAvail;
    std::function<void(TComPort* CP)> OnTriggerModemStatus;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
