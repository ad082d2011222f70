#pragma once
// Port numbers to device paths.
#include <QString>

#include <cstdint>

namespace portmap {
QString devicePath(std::uint16_t comNumber);
}
