#include "serial/TransmitRing.h"

#include <algorithm>

bool TransmitRing::append(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > freeSpace()) return false;
    for (const std::uint8_t b : bytes) {
        bytes_[(head_ + count_) % capacity()] = b;
        ++count_;
    }
    return true;
}

std::span<const std::uint8_t> TransmitRing::frontRun() const {
    const std::size_t run = std::min(count_, capacity() - head_);
    return std::span<const std::uint8_t>(bytes_).subspan(head_, run);
}

void TransmitRing::pop(std::size_t count) {
    count = std::min(count, count_);
    if (count == 0) return;
    head_ = (head_ + count) % capacity();
    count_ -= count;
}
