#pragma once
// Port numbers to device paths. Port n opens the path in QUENLAR_COM<n> when that is set (a USB
// adapter, a /dev/serial/by-id link, a pseudo-terminal); otherwise COM1-32 are /dev/ttyS0-31,
// COM33-64 /dev/ttyUSB0-31 and COM65-96 /dev/ttyACM0-31. Other numbers name no device. The device
// folder is a parameter so that tests can list ports in a tree of their own.
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace portmap {
inline constexpr std::uint16_t LastMappedPort = 96;
inline const QString DevFolder = QStringLiteral("/dev");

// The device of port `comNumber`, `override` being the value of QUENLAR_COM<n> (null when the
// variable is not set); empty when the number names no device.
QString devicePathFor(std::uint16_t comNumber, const std::optional<QString>& override,
                      const QString& devFolder = DevFolder);
// The same, reading QUENLAR_COM<n> from the environment.
QString devicePath(std::uint16_t comNumber);
// The name of the environment variable that overrides port `comNumber`.
QString overrideVariable(std::uint16_t comNumber);
// The port number that QUENLAR_COM<n> names, 0 when `variable` is not one of them.
std::uint16_t overriddenPort(const QString& variable);

// A ttySn device (by the name of its node) whose sysfs "type" (a UART type number) is 0 has no
// UART behind it.
bool isUartDevice(const QString& path);
bool isRealUartType(int uartType);

struct Port {
    std::uint16_t number = 0;
    QString path;
    // What tells two adapters apart, empty where the system has nothing to say: the device's
    // link under /dev/serial/by-id, and the maker and model a USB adapter reports.
    QString byId{};
    QString maker{};
    QString model{};
    friend bool operator==(const Port&, const Port&) = default;
};
// The ports the chooser offers to probe, in increasing order: the whole default mapping in
// `devFolder` and every port set by a QUENLAR_COM<n> variable among `environment` ("NAME=value"
// entries).
std::vector<Port> candidates(const QStringList& environment, const QString& devFolder = DevFolder);
}  // namespace portmap
