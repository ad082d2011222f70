#include "serial/portmap.h"

namespace portmap {
QString devicePath(std::uint16_t comNumber) {
    return QStringLiteral("/dev/ttyS%1").arg(comNumber - 1);
}
}  // namespace portmap
