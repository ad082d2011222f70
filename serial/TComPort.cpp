// The published settings and the operations of the serial component.
#include "serial/TComPort.h"

#include "serial/ComErrors.h"
#include "serial/TComPortImpl.h"

TComPort::TComPort(QObject* parent) : QObject(parent), d(std::make_unique<Impl>(this)) {}

TComPort::Impl::Impl(TComPort* owner) : q(owner) {
    replugWatch.setInterval(500);
    QObject::connect(&replugWatch, &QTimer::timeout, owner, [this] { tryReplug(); });
}

TComPort::~TComPort() {
    // The owner is going away: no handler may run from here on.
    OnTriggerAvail = nullptr;
    OnTriggerModemStatus = nullptr;
    try {
        d->closePort();
    } catch (...) {
        // A handler that fails while the component goes away has nobody left to tell.
    }
}

void TComPort::setDeviceFactory(DeviceFactory f) {
    d->factory = std::move(f);
}
void TComPort::setPortChooser(PortChooser c) {
    d->chooser = std::move(c);
}

std::uint16_t TComPort::ComNumber() const {
    return d->comNumber;
}
void TComPort::setComNumber(std::uint16_t n) {
    if (!d->open) {
        d->comNumber = n;
        return;
    }
    d->closePort();
    d->comNumber = n;
    d->openPort();
}

std::int32_t TComPort::Baud() const {
    return d->line.baud;
}
void TComPort::setBaud(std::int32_t baud) {
    d->line.baud = baud;
    if (d->open && d->deviceUsable()) {
        const std::lock_guard lock(d->statusMutex);
        d->dev->setLine(d->line);
    }
}

TParity TComPort::Parity() const {
    return d->line.parity;
}
void TComPort::setParity(TParity p) {
    d->line.parity = p;
    if (d->open && d->deviceUsable()) {
        const std::lock_guard lock(d->statusMutex);
        d->dev->setLine(d->line);
    }
}

bool TComPort::DTR() const {
    return d->dtr;
}
void TComPort::setDTR(bool on) {
    d->dtr = on;
    if (d->open && d->deviceUsable()) d->dev->setDtr(on);
}

bool TComPort::RTS() const {
    return d->rts;
}
void TComPort::setRTS(bool on) {
    d->rts = on;
}
bool TComPort::AutoOpen() const {
    return d->autoOpen;
}
void TComPort::setAutoOpen(bool on) {
    d->autoOpen = on;
}
bool TComPort::PromptForPort() const {
    return d->prompt;
}
void TComPort::setPromptForPort(bool on) {
    d->prompt = on;
}
std::uint16_t TComPort::InSize() const {
    return Impl::inSize;
}
std::uint16_t TComPort::OutSize() const {
    return Impl::outSize;
}
std::int16_t TComPort::DataBits() const {
    return d->line.dataBits;
}
std::int16_t TComPort::StopBits() const {
    return d->line.stopBits;
}

bool TComPort::Open() const {
    return d->open;
}
void TComPort::setOpen(bool open) {
    if (open) {
        d->openPort();
    } else {
        d->closePort();
    }
}

std::uint8_t TComPort::ReadByte() {
    if (!d->open) throw comerr::error(comerr::NotOpen);
    bool wasFull = false;
    std::uint8_t byte = 0;
    {
        const std::lock_guard lock(d->rxMutex);
        auto& h = d->handler;
        const std::size_t offset = h.active ? h.consumed : 0;
        if (h.discardAll || offset >= d->rx.unread()) throw comerr::error(comerr::BufferEmpty);
        byte = d->rx.peek(offset);
        if (h.active) {
            ++h.consumed;
        } else {
            wasFull = d->rx.full();
            d->rx.consume(1);
        }
    }
    d->roomMade(wasFull);
    return byte;
}

void TComPort::DiscardInput() {
    if (!d->open) throw comerr::error(comerr::NotOpen);
    if (d->deviceUsable()) d->dev->discardInput();
    bool wasFull = false;
    {
        const std::lock_guard lock(d->rxMutex);
        if (d->handler.active) {
            d->handler.discardAll = true;
        } else {
            wasFull = d->rx.full();
            d->rx.clear();
        }
    }
    d->roomMade(wasFull);
}

void TComPort::WriteBytes(const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    if (!d->open) throw comerr::error(comerr::NotOpen);
    if (!d->deviceUsable()) return;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    {
        const std::lock_guard lock(d->txMutex);
        if (!d->tx.append(std::span(data, static_cast<std::size_t>(bytes.size())))) {
            throw comerr::error(comerr::OutputTooSmall);
        }
    }
    d->txCv.notify_all();
}

bool TComPort::DsrOn() {
    if (!d->open) return false;
    const std::lock_guard lock(d->statusMutex);
    d->refreshLinesLocked();
    d->modemStatus &= static_cast<std::uint8_t>(~modemstatus::DsrChangedFlag);
    return (d->modemStatus & modemline::DSR) != 0;
}

bool TComPort::DsrChanged() {
    if (!d->open) return false;
    const std::lock_guard lock(d->statusMutex);
    d->refreshLinesLocked();
    const bool changed = (d->modemStatus & modemstatus::DsrChangedFlag) != 0;
    d->modemStatus &= static_cast<std::uint8_t>(~modemstatus::DsrChangedFlag);
    return changed;
}

std::uint16_t TComPort::AddModemWatch() {
    if (!d->open) throw comerr::error(comerr::NotOpen);
    const std::lock_guard lock(d->statusMutex);
    return d->watches.add();
}

void TComPort::ArmModemWatch(std::uint16_t handle, std::uint16_t mask, bool arm) {
    if (!d->open) throw comerr::error(comerr::NotOpen);
    const std::lock_guard lock(d->statusMutex);
    const auto lines = static_cast<std::uint8_t>(d->modemStatus & 0xF0);
    if (!d->watches.arm(handle, static_cast<std::uint8_t>(mask), arm, lines)) {
        throw comerr::error(comerr::BadTriggerHandle);
    }
}

std::uint8_t TComPort::ModemStatusByte() const {
    const std::lock_guard lock(d->statusMutex);
    return d->modemStatus;
}

bool TComPort::ModemWatchArmed(std::uint16_t handle) const {
    const std::lock_guard lock(d->statusMutex);
    return d->watches.armed(handle);
}

std::uint64_t TComPort::BytesLost() const {
    const std::lock_guard lock(d->statusMutex);
    return d->bytesLost;
}

TComPort::Stats TComPort::stats() const {
    Stats s;
    {
        const std::lock_guard lock(d->rxMutex);
        s.received = d->received;
        s.handled = d->handled;
    }
    {
        const std::lock_guard lock(d->handoffMutex);
        s.eventInFlight = d->inFlight != 0;
    }
    s.dataEvents = d->dataEvents;
    s.modemEvents = d->modemEvents;
    s.readerWakeups = d->readerWakeups;
    s.dispatchPasses = d->passes;
    s.deviceLost = d->deviceLost;
    return s;
}
