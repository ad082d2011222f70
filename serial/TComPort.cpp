// Placeholder component until the real one lands: keeps the settings, opens nothing.
#include "serial/TComPort.h"

#include "serial/SerialDevice.h"

struct TComPort::Impl {
    std::uint16_t comNumber = 0;
    std::int32_t baud = 19200;
    TParity parity = TParity::pNone;
    bool dtr = true;
    bool rts = true;
    bool autoOpen = true;
    bool prompt = true;
    bool open = false;
    DeviceFactory factory;
    PortChooser chooser;
};

TComPort::TComPort(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}
TComPort::~TComPort() = default;
void TComPort::setDeviceFactory(DeviceFactory f) { d->factory = std::move(f); }
void TComPort::setPortChooser(PortChooser c) { d->chooser = std::move(c); }
std::uint16_t TComPort::ComNumber() const { return d->comNumber; }
void TComPort::setComNumber(std::uint16_t n) { d->comNumber = n; }
std::int32_t TComPort::Baud() const { return d->baud; }
void TComPort::setBaud(std::int32_t b) { d->baud = b; }
TParity TComPort::Parity() const { return d->parity; }
void TComPort::setParity(TParity p) { d->parity = p; }
bool TComPort::DTR() const { return d->dtr; }
void TComPort::setDTR(bool on) { d->dtr = on; }
bool TComPort::RTS() const { return d->rts; }
void TComPort::setRTS(bool on) { d->rts = on; }
bool TComPort::AutoOpen() const { return d->autoOpen; }
void TComPort::setAutoOpen(bool on) { d->autoOpen = on; }
bool TComPort::PromptForPort() const { return d->prompt; }
void TComPort::setPromptForPort(bool on) { d->prompt = on; }
std::uint16_t TComPort::InSize() const { return 4096; }
std::uint16_t TComPort::OutSize() const { return 4096; }
std::int16_t TComPort::DataBits() const { return 8; }
std::int16_t TComPort::StopBits() const { return 1; }
bool TComPort::Open() const { return d->open; }
void TComPort::setOpen(bool open) { d->open = open; }
std::uint8_t TComPort::ReadByte() { throw AppError(3007, QStringLiteral("Buffer is empty")); }
void TComPort::DiscardInput() {}
void TComPort::WriteBytes(const QByteArray&) {}
bool TComPort::DsrOn() { return false; }
bool TComPort::DsrChanged() { return false; }
std::uint16_t TComPort::AddModemWatch() { return 1; }
void TComPort::ArmModemWatch(std::uint16_t, std::uint16_t, bool) {}
