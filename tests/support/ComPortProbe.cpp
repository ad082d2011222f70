#include "tests/support/ComPortProbe.h"

#include "serial/TComPortImpl.h"

#include <span>

void ComPortProbe::raiseDataEvent(TComPort& port, const QByteArray& bytes) {
    TComPort::Impl& d = *port.d;
    std::uint16_t count = 0;
    std::uint64_t announcedNow = 0;
    {
        const std::lock_guard lock(d.rxMutex);
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        d.received += d.rx.append(std::span(data, static_cast<std::size_t>(bytes.size())));
        // Announced at once, so TDispThread sees nothing new to announce itself.
        d.announced = d.received;
        announcedNow = d.announced;
        count = static_cast<std::uint16_t>(d.rx.unread());
    }
    d.dataEvent(count, announcedNow)();
}
