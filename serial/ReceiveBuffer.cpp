#include "serial/ReceiveBuffer.h"

#include <algorithm>

std::size_t ReceiveBuffer::unread() const {
    if (full_) return Size;
    return (fill_ + Size - read_) % Size;
}

std::size_t ReceiveBuffer::append(std::span<const std::uint8_t> bytes) {
    const std::size_t taken = std::min(bytes.size(), freeSpace());
    for (std::size_t i = 0; i < taken; ++i) {
        bytes_[fill_] = bytes[i];
        fill_ = (fill_ + 1) % Size;
    }
    if (taken > 0 && fill_ == read_) full_ = true;
    return taken;
}

std::uint8_t ReceiveBuffer::peek(std::size_t offset) const {
    return bytes_[(read_ + offset) % Size];
}

void ReceiveBuffer::consume(std::size_t count) {
    count = std::min(count, unread());
    if (count == 0) return;
    read_ = (read_ + count) % Size;
    full_ = false;
}

void ReceiveBuffer::clear() {
    fill_ = 0;
    read_ = 0;
    full_ = false;
}
