#pragma once
// A fixed-size ring of one machine's samples, oldest first: its room is taken once, when it is
// made, so that taking a sample on the receive path never allocates; the oldest sample goes when
// a new one finds the ring full.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace chart {

struct Sample {
    std::int64_t timeMs = 0;     // since the history began
    std::int32_t offset = 0;     // frames
    std::int16_t syncError = 0;  // frames, signed
    std::uint8_t state = 0;      // transport state code
    bool locked = false;

    friend bool operator==(const Sample&, const Sample&) = default;
};

// Whether `now` changed the transport state or the lock against the sample `before` it.
constexpr bool stateOrLockChanged(const Sample& before, const Sample& now) {
    return now.state != before.state || now.locked != before.locked;
}

class SampleRing {
  public:
    explicit SampleRing(std::size_t capacity) : slots_(capacity) {}

    std::size_t capacity() const { return slots_.size(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // i = 0 is the oldest sample held.
    const Sample& operator[](std::size_t i) const { return slots_[(first_ + i) % slots_.size()]; }
    const Sample& newest() const { return (*this)[size_ - 1]; }
    // Every sample ever pushed, dropped ones included: a view that has seen `n` of them knows
    // that the last pushed() - n held are new to it.
    std::uint64_t pushed() const { return pushed_; }

    void push(const Sample& s) {
        ++pushed_;
        if (size_ < slots_.size()) {
            slots_[(first_ + size_) % slots_.size()] = s;
            ++size_;
        } else {
            slots_[first_] = s;
            first_ = (first_ + 1) % slots_.size();
        }
    }

    // The index of the first sample at or after `timeMs` (size() when there is none).
    std::size_t firstAtOrAfter(std::int64_t timeMs) const {
        std::size_t lo = 0;
        std::size_t hi = size_;
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if ((*this)[mid].timeMs < timeMs) {
                lo = mid + 1;
            } else {
                hi = mid;
            }
        }
        return lo;
    }

  private:
    std::vector<Sample> slots_;
    std::size_t first_ = 0;
    std::size_t size_ = 0;
    std::uint64_t pushed_ = 0;
};

}  // namespace chart
