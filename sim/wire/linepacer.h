#pragma once
// Paces writes at the line's rate. A pseudo-terminal takes any amount at once, but a real line
// carries 3490.9 bytes a second, and a receiver meets the bytes at that pace: a chunk may only go
// once the bytes before it would have left the wire. At a load below 100%
// each chunk also keeps the line quiet for a while after it, so the share of the line used is
// the load.
#include <chrono>

namespace sim {

class LinePacer {
  public:
    using Time = std::chrono::nanoseconds;  // since the start of the run

    explicit LinePacer(double loadPercent);

    // Time n bytes take on the wire at 38400 baud, 11 bits a byte.
    static Time wireTime(int bytes);
    // How long n bytes keep the line taken at the configured share.
    Time occupancy(int bytes) const;

    // The earliest time the next chunk may start.
    Time nextFree() const { return nextFree_; }
    bool ready(Time now) const { return now >= nextFree_; }
    // Notes n bytes put on the line at `now`.
    void sent(int bytes, Time now);

  private:
    double stretch_;
    Time nextFree_{0};
};

}  // namespace sim
