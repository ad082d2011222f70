#include "link/ring.h"

namespace ring {

Verdict judge(const State& s) {
    const int avail = unread(s.head, s.tail);
    if (avail == 0) return Verdict::Empty;
    s.length = frame::length(s.ring[static_cast<std::size_t>(s.tail)]);
    if (avail < s.length) return Verdict::Incomplete;
    std::uint8_t sum = 0;
    for (int i = 0; i < s.length - 1; ++i) {
        const std::uint8_t b = s.ring[static_cast<std::size_t>(advance(s.tail, i))];
        s.frame[static_cast<std::size_t>(i)] = b;
        sum = static_cast<std::uint8_t>(sum + b);
    }
    const std::uint8_t check = s.ring[static_cast<std::size_t>(advance(s.tail, s.length - 1))];
    if (sum != check) return Verdict::BadChecksum;
    s.frame[static_cast<std::size_t>(s.length - 1)] = sum;
    return Verdict::Good;
}

std::uint8_t dropOldest(const State& s) {
    const std::uint8_t b = s.ring[static_cast<std::size_t>(s.tail)];
    s.tail = advance(s.tail);
    return b;
}

}  // namespace ring
