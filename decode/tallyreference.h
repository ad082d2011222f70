#pragma once
// The copy of the last tally that changed a status panel, kept to tell a change from a repeat.
// It remembers which bytes it holds: a short tally carries fewer bytes than the panel shows, and
// a byte it never carried (or a reference that was forgotten) counts as changed.
#include "decode/rxview.h"
#include "link/frame.h"

#include <bitset>
#include <initializer_list>

namespace decode {

class TallyReference {
  public:
    // True when a byte at one of `positions` that the frame carries differs from the copy, or the
    // copy never held it.
    bool differs(const frame::Bytes& rx, int length, std::initializer_list<int> positions) const;
    // Takes the bytes the frame carries; the others keep what the copy held.
    void take(const frame::Bytes& rx, int length);
    void forget();

    bool holds(int position) const { return known_.test(static_cast<std::size_t>(position)); }
    std::uint8_t operator[](int position) const {
        return bytes_[static_cast<std::size_t>(position)];
    }

  private:
    frame::Bytes bytes_{};
    std::bitset<frame::MaxLength> known_;
};

}  // namespace decode
