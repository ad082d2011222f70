#pragma once
// ModemStatusByte and the modem-status watches. Line states sit in the high nibble (CTS 0x10,
// DSR 0x20, RI 0x40, DCD 0x80); each state's change flag sits four bits lower (CTS changed
// 0x01, DSR changed 0x02, ring 0x04, DCD changed 0x08). Not locked itself: the component's status
// lock guards it.
#include <cstdint>
#include <vector>

namespace modemstatus {
inline constexpr std::uint8_t DsrChangedFlag = 0x02;

// The status byte after the lines were read again: new states, and the change flags of the
// lines that differ from the old states added to those already set.
constexpr std::uint8_t update(std::uint8_t status, std::uint8_t lines) {
    const std::uint8_t states = lines & 0xF0;
    const std::uint8_t changed = ((status ^ states) & 0xF0) >> 4;
    return static_cast<std::uint8_t>(states | (status & 0x0F) | changed);
}
}  // namespace modemstatus

class ModemWatches {
  public:
    // Registers an unarmed watch; returns its handle (never 0).
    std::uint16_t add();
    // With arm, stores the mask and takes `lines` under it as the reference; sets the armed
    // flag to `arm` in every case. False for an unregistered handle.
    bool arm(std::uint16_t handle, std::uint8_t mask, bool arm, std::uint8_t lines);
    // Fires every armed watch whose masked lines differ from its reference: disarms it and marks
    // it fired. Returns how many fired.
    int check(std::uint8_t lines);
    void clearFired();
    bool armed(std::uint16_t handle) const;
    bool fired(std::uint16_t handle) const;

  private:
    struct Watch {
        std::uint16_t handle = 0;
        std::uint8_t mask = 0;
        std::uint8_t reference = 0;
        bool armed = false;
        bool fired = false;
    };
    template <typename Self>
    static auto* find(Self& self, std::uint16_t handle);
    std::vector<Watch> watches_;
    std::uint16_t nextHandle_ = 1;
};
