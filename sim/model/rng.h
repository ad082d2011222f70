#pragma once
// The simulator's one source of chance. A run is reproducible from its seed: every choice the
// bus makes goes through one of these, and none of them reads the clock.
#include <cstdint>
#include <random>

namespace sim {

class SimRandom {
  public:
    explicit SimRandom(std::uint64_t seed) : engine_(seed) {}

    // A whole number from lo to hi, both included.
    int range(int lo, int hi) {
        const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
        return lo + static_cast<int>(engine_() % span);
    }
    // True with probability p (0 never, 1 always).
    bool chance(double p) { return unit() < p; }
    std::uint8_t byte() { return static_cast<std::uint8_t>(engine_() & 0xFF); }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};

}  // namespace sim
