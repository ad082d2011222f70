#pragma once
// Read access to the received frame by data byte number (DATA0 is the byte after CMD2). The
// buffer holds 18 bytes whatever the frame's length; the places beyond a short frame keep bytes
// of earlier frames, so a decoder asks whether the frame carries a byte before it shows it.
#include "link/frame.h"

#include <QString>

#include <optional>

namespace decode {

// Buffer position of DATAk.
constexpr int dataPosition(int k) {
    return 2 + k;
}

// Whether a frame of `length` bytes (checksum included) carries the byte at `position`.
constexpr bool carries(int length, int position) {
    return position < length - 1;
}

class RxView {
  public:
    constexpr RxView(const frame::Bytes& rx, int length) : rx_(rx), length_(length) {}

    constexpr bool has(int k) const { return carries(length_, dataPosition(k)); }
    // DATAk as the buffer holds it; check `has` first where it matters.
    constexpr std::uint8_t data(int k) const {
        return rx_[static_cast<std::size_t>(dataPosition(k))];
    }
    constexpr std::optional<std::uint8_t> dataIfCarried(int k) const {
        if (!has(k)) return std::nullopt;
        return data(k);
    }
    // The 24-bit count in DATAk..DATAk+2, most significant first.
    constexpr std::int32_t count24(int k) const {
        return (static_cast<std::int32_t>(data(k)) << 16) |
               (static_cast<std::int32_t>(data(k + 1)) << 8) | data(k + 2);
    }
    // DATAk..DATAk+count-1 as characters, one byte each.
    QString chars(int k, int count) const {
        return QString::fromLatin1(
            reinterpret_cast<const char*>(&rx_[static_cast<std::size_t>(dataPosition(k))]), count);
    }

  private:
    const frame::Bytes& rx_;
    int length_;
};

}  // namespace decode
