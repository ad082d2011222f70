#pragma once
// The device of this platform for a port number (termios on Linux: SerialDevice_unix.cpp).
#include "serial/SerialDevice.h"

#include <cstdint>
#include <memory>

std::unique_ptr<SerialDevice> makePlatformDevice(std::uint16_t comNumber);
