#include "serial/portprobe.h"

#include "serial/ComErrors.h"
#include "serial/SerialDevice_unix.h"

#include <QFileInfo>
#include <QProcessEnvironment>

#include <cerrno>
#include <optional>

namespace portprobe {
namespace {
constexpr std::uint16_t kProbeQueue = 64;
}  // namespace

Probe probe(const QString& path, const QString& sysfsRoot) {
    if (!QFileInfo::exists(path)) return Probe::Absent;
    const QString kernelName = portnames::kernelName(path, sysfsRoot);
    const bool uart = portmap::isUartDevice(kernelName);
    const std::optional<int> sysType =
        uart ? ttysysfs::uartType(kernelName, sysfsRoot) : std::nullopt;
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

std::vector<portmap::Port> availablePorts(const portnames::Folders& folders,
                                          const QStringList& environment) {
    const portnames::ByIdLinks links = portnames::byIdLinks(folders.byId);
    std::vector<portmap::Port> found;
    for (const portmap::Port& p : portmap::candidates(environment, folders.dev)) {
        if (probe(p.path, folders.sysfs) != Probe::Absent)
            found.push_back(portnames::named(p, folders, links));
    }
    return found;
}

std::vector<portmap::Port> availablePorts() {
    return availablePorts(portnames::Folders{},
                          QProcessEnvironment::systemEnvironment().toStringList());
}
}  // namespace portprobe
