#pragma once
// Key command numbers carried by the extended commands to machines (0x89 current, 0x8B
// specified, 0x8C master), and their fold: the protocol's own, under the simulator's name.
#include "link/codes.h"

namespace sim {
namespace key = proto::key;
}  // namespace sim
