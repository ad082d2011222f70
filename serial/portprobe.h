#pragma once
// Finds the ports the chooser lists: each port of the mapping whose device exists and can be
// opened, is held by another program, or is refused for want of permission (so the user sees it
// and learns how to get access). A ttyS port is listed only when a UART stands behind it. Each
// listed port carries its by-id link, maker and model where the system has them.
#include "serial/portmap.h"
#include "serial/portnames.h"

#include <QStringList>

#include <vector>

namespace portprobe {
enum class Probe { Absent, Free, Busy, NoPermission };

// The ports of this machine, looked for afresh on every call.
std::vector<portmap::Port> availablePorts();
// The ports in `folders`, with the QUENLAR_COM<n> entries of `environment` ("NAME=value").
std::vector<portmap::Port> availablePorts(const portnames::Folders& folders,
                                          const QStringList& environment);
// What opening `path` (with 64-byte queues, closed again at once) finds.
Probe probe(const QString& path, const QString& sysfsRoot = ttysysfs::SysfsRoot);
}  // namespace portprobe
