#include "serial/portprobe.h"

#include "serial/ComErrors.h"
#include "serial/SerialDevice_unix.h"

#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cerrno>
#include <optional>

namespace portprobe {
namespace {
constexpr std::uint16_t kProbeQueue = 64;

// The UART type in sysfs for /dev/ttySn; none when sysfs does not say.
std::optional<int> sysfsUartType(const QString& path) {
    QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(QFileInfo(path).fileName()));
    if (!type.open(QIODevice::ReadOnly)) return std::nullopt;
    bool ok = false;
    const int value = type.readAll().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
}  // namespace

Probe probe(const QString& path) {
    if (!QFileInfo::exists(path)) return Probe::Absent;
    const bool uart = portmap::isUartDevice(path);
    const std::optional<int> sysType = uart ? sysfsUartType(path) : std::nullopt;
    if (sysType && !portmap::isRealUartType(*sysType)) return Probe::Absent;
    TermiosDevice device(path);
    try {
        device.open();
    } catch (const AppError& e) {
        if (e.code() == comerr::AlreadyOpen) return Probe::Busy;
        if (e.code() == EACCES || e.code() == EPERM) return Probe::NoPermission;
        return Probe::Absent;
    }
    device.setQueueSizes(kProbeQueue, kProbeQueue);
    const bool phantom =
        uart && !sysType && !portmap::isRealUartType(std::max(0, device.uartType()));
    device.close();
    return phantom ? Probe::Absent : Probe::Free;
}

std::vector<portmap::Port> availablePorts() {
    std::vector<portmap::Port> found;
    for (const portmap::Port& p :
         portmap::candidates(QProcessEnvironment::systemEnvironment().toStringList())) {
        if (probe(p.path) != Probe::Absent) found.push_back(p);
    }
    return found;
}
}  // namespace portprobe
