#pragma once
// What sysfs tells about a tty by its kernel name (ttyUSB0), read from files as udev-free serial
// tools do: whether the kernel has such a tty, the UART type of a ttyS, and the maker and model
// strings of the USB adapter behind it.
#include <QString>

#include <optional>

namespace ttysysfs {
inline const QString SysfsRoot = QStringLiteral("/sys");

bool knowsTty(const QString& kernelName, const QString& sysfsRoot = SysfsRoot);

// The "type" of a ttySn (a UART type number, 0 where no UART answers); none when sysfs does not
// say.
std::optional<int> uartType(const QString& kernelName, const QString& sysfsRoot = SysfsRoot);

struct UsbStrings {
    QString maker;
    QString model;
};
// The "manufacturer" and "product" of the USB device the tty belongs to: the nearest folder
// above the tty's device that holds an "idVendor". Empty for a tty with no USB device behind it.
UsbStrings usbStrings(const QString& kernelName, const QString& sysfsRoot = SysfsRoot);
}  // namespace ttysysfs
