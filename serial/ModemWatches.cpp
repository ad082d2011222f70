#include "serial/ModemWatches.h"

#include <algorithm>

std::uint16_t ModemWatches::add() {
    const std::uint16_t handle = nextHandle_;
    nextHandle_ = nextHandle_ == 0xFFFF ? 1 : nextHandle_ + 1;
    watches_.push_back(Watch{handle, 0, 0, false, false});
    return handle;
}

template <typename Self>
auto* ModemWatches::find(Self& self, std::uint16_t handle) {
    const auto it = std::find_if(self.watches_.begin(), self.watches_.end(),
                                 [handle](const Watch& w) { return w.handle == handle; });
    return it == self.watches_.end() ? nullptr : &*it;
}

bool ModemWatches::arm(std::uint16_t handle, std::uint8_t mask, bool arm, std::uint8_t lines) {
    Watch* w = find(*this, handle);
    if (w == nullptr) return false;
    if (arm) {
        w->mask = mask;
        w->reference = lines & mask;
    }
    w->armed = arm;
    return true;
}

int ModemWatches::check(std::uint8_t lines) {
    int count = 0;
    for (Watch& w : watches_) {
        if (w.armed && ((lines ^ w.reference) & w.mask) != 0) {
            w.armed = false;
            w.fired = true;
            ++count;
        }
    }
    return count;
}

void ModemWatches::clearFired() {
    for (Watch& w : watches_) w.fired = false;
}

bool ModemWatches::armed(std::uint16_t handle) const {
    const Watch* w = find(*this, handle);
    return w != nullptr && w->armed;
}

bool ModemWatches::fired(std::uint16_t handle) const {
    const Watch* w = find(*this, handle);
    return w != nullptr && w->fired;
}
