#pragma once
// The ring of bytes accepted by WriteBytes and not yet handed to the device. Not locked itself:
// the component's transmit lock guards it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class TransmitRing {
  public:
    explicit TransmitRing(std::size_t capacity = 0) : bytes_(capacity) {}

    std::size_t capacity() const { return bytes_.size(); }
    std::size_t queued() const { return count_; }
    std::size_t freeSpace() const { return capacity() - count_; }
    bool empty() const { return count_ == 0; }

    // Queues all of `bytes`, or nothing when they do not fit; returns whether they were queued.
    bool append(std::span<const std::uint8_t> bytes);
    // The oldest queued bytes up to the ring's end (the next run to write).
    std::span<const std::uint8_t> frontRun() const;
    // Drops the `count` oldest bytes (they have been written).
    void pop(std::size_t count);
    void clear() { head_ = count_ = 0; }

  private:
    std::vector<std::uint8_t> bytes_;
    std::size_t head_ = 0;
    std::size_t count_ = 0;
};
