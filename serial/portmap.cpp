#include "serial/portmap.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <map>

namespace portmap {
namespace {
struct Range {
    std::uint16_t first;
    const char* prefix;
};
// 32 ports per kind of device, in this order.
constexpr std::array<Range, 3> kRanges{
    {{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}}};
constexpr std::uint16_t kPortsPerRange = 32;
const QString kPrefix = QStringLiteral("QUENLAR_COM");
}  // namespace

QString devicePathFor(std::uint16_t comNumber, const std::optional<QString>& override) {
    if (override) return *override;
    for (const Range& r : kRanges) {
        if (comNumber >= r.first && comNumber < r.first + kPortsPerRange) {
            return QLatin1String(r.prefix) + QString::number(comNumber - r.first);
        }
    }
    return {};
}

QString overrideVariable(std::uint16_t comNumber) {
    return kPrefix + QString::number(comNumber);
}

QString devicePath(std::uint16_t comNumber) {
    const QByteArray name = overrideVariable(comNumber).toLatin1();
    std::optional<QString> override;
    if (qEnvironmentVariableIsSet(name.constData()))
        override = qEnvironmentVariable(name.constData());
    return devicePathFor(comNumber, override);
}

std::uint16_t overriddenPort(const QString& variable) {
    if (!variable.startsWith(kPrefix)) return 0;
    const QString digits = variable.mid(kPrefix.size());
    bool ok = false;
    const uint n = digits.toUInt(&ok, 10);
    if (!ok || n == 0 || n > 0xFFFF || digits.startsWith(QLatin1Char('+'))) return 0;
    return static_cast<std::uint16_t>(n);
}

bool isUartDevice(const QString& path) {
    return path.startsWith(QLatin1String("/dev/ttyS"));
}

bool isRealUartType(int uartType) {
    return uartType != 0;
}

std::vector<Port> candidates(const QStringList& environment) {
    std::map<std::uint16_t, QString> ports;
    for (std::uint16_t n = 1; n <= LastMappedPort; ++n) ports[n] = devicePathFor(n, std::nullopt);
    for (const QString& entry : environment) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const std::uint16_t n = overriddenPort(entry.left(eq));
        if (n != 0) ports[n] = entry.mid(eq + 1);
    }
    std::vector<Port> out;
    for (const auto& [n, path] : ports) {
        if (!path.isEmpty()) out.push_back(Port{n, path});
    }
    return out;
}
}  // namespace portmap
