#include "serial/portmap.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <array>
#include <map>

namespace portmap {
namespace {
struct Range {
    std::uint16_t first;
    const char* name;
};
// 32 ports per kind of device, in this order.
constexpr std::array<Range, 3> kRanges{{{1, "ttyS"}, {33, "ttyUSB"}, {65, "ttyACM"}}};
constexpr std::uint16_t kPortsPerRange = 32;
const QString kPrefix = QStringLiteral("QUENLAR_COM");
}  // namespace

QString devicePathFor(std::uint16_t comNumber, const std::optional<QString>& override,
                      const QString& devFolder) {
    if (override) return *override;
    for (const Range& r : kRanges) {
        if (comNumber >= r.first && comNumber < r.first + kPortsPerRange) {
            return devFolder + QLatin1Char('/') + QLatin1String(r.name) +
                   QString::number(comNumber - r.first);
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
    return QFileInfo(path).fileName().startsWith(QLatin1String("ttyS"));
}

bool isRealUartType(int uartType) {
    return uartType != 0;
}

std::vector<Port> candidates(const QStringList& environment, const QString& devFolder) {
    std::map<std::uint16_t, QString> ports;
    for (std::uint16_t n = 1; n <= LastMappedPort; ++n)
        ports[n] = devicePathFor(n, std::nullopt, devFolder);
    for (const QString& entry : environment) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const std::uint16_t n = overriddenPort(entry.left(eq));
        if (n != 0) ports[n] = entry.mid(eq + 1);
    }
    std::vector<Port> out;
    for (const auto& [n, path] : ports) {
        if (!path.isEmpty()) out.push_back(Port{.number = n, .path = path});
    }
    return out;
}
}  // namespace portmap
