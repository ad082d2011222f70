#pragma once
// The 8192-byte ring between the component's dispatching thread and the reader. Equal fill and
// read indices mean empty unless the full flag is set. Not locked itself: the component's
// receive lock guards it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class ReceiveBuffer {
  public:
    static constexpr std::size_t Size = 8192;

    std::size_t unread() const;
    std::size_t freeSpace() const { return Size - unread(); }
    bool full() const { return full_; }

    // Appends as many of `bytes` as fit; returns how many were taken.
    std::size_t append(std::span<const std::uint8_t> bytes);
    // The unread byte `offset` places after the read index (offset < unread()).
    std::uint8_t peek(std::size_t offset) const;
    // Advances the read index by `count` (at most unread()).
    void consume(std::size_t count);
    void clear();

  private:
    std::array<std::uint8_t, Size> bytes_{};
    std::size_t fill_ = 0;
    std::size_t read_ = 0;
    bool full_ = false;
};
