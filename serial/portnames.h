#pragma once
// The names that tell one serial device from another on Linux: the stable link udev makes under
// /dev/serial/by-id (it names the adapter and its serial number, whichever ttyUSB it became) and
// the maker and model the USB adapter reports. The folders are parameters, so that a tree of
// links and sysfs files made elsewhere can stand in for this machine's.
#include "serial/portmap.h"
#include "serial/ttysysfs.h"

#include <QString>

#include <map>

namespace portnames {
struct Folders {
    QString dev = portmap::DevFolder;
    QString byId = QStringLiteral("/dev/serial/by-id");
    QString sysfs = ttysysfs::SysfsRoot;
};

// The links of the by-id folder by the device each leads to (its canonical path). A link that
// leads nowhere, left behind by an adapter just pulled out, is not among them.
using ByIdLinks = std::map<QString, QString>;
ByIdLinks byIdLinks(const QString& byIdFolder);

// The kernel's name of the tty that `path` leads to: the first name along its chain of links
// that sysfs knows as a tty (ttyUSB0 for a by-id link), else the name of the node at its end.
QString kernelName(const QString& path, const QString& sysfsRoot);

// `port` with its by-id link, maker and model filled in where the system has them.
portmap::Port named(portmap::Port port, const Folders& folders, const ByIdLinks& links);
}  // namespace portnames
