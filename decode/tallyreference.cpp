#include "decode/tallyreference.h"

namespace decode {

bool TallyReference::differs(const frame::Bytes& rx, int length,
                             std::initializer_list<int> positions) const {
    for (const int p : positions) {
        if (!carries(length, p)) continue;
        if (!holds(p) || bytes_[static_cast<std::size_t>(p)] != rx[static_cast<std::size_t>(p)]) {
            return true;
        }
    }
    return false;
}

void TallyReference::take(const frame::Bytes& rx, int length) {
    for (int p = 0; p < static_cast<int>(frame::MaxLength) && carries(length, p); ++p) {
        bytes_[static_cast<std::size_t>(p)] = rx[static_cast<std::size_t>(p)];
        known_.set(static_cast<std::size_t>(p));
    }
}

void TallyReference::forget() {
    known_.reset();
}

}  // namespace decode
