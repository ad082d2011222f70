#pragma once
// Finds the ports the chooser lists: each port of the mapping whose device exists and can be
// opened, is held by another program, or is refused for want of permission (so the user sees it
// and learns how to get access). A /dev/ttyS port is listed only when a UART stands behind it.
#include "serial/portmap.h"

#include <vector>

namespace portprobe {
enum class Probe { Absent, Free, Busy, NoPermission };

std::vector<portmap::Port> availablePorts();
// What opening `path` (with 64-byte queues, closed again at once) finds.
Probe probe(const QString& path);
}  // namespace portprobe
