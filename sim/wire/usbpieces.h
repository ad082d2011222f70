#pragma once
// What a USB serial adapter hands on. Its chip gathers the bytes that come over the wire and
// sends them to the host when its latency timer runs out, 16 ms by default, in packets of at most
// 64 bytes: the reader meets the line in pieces 16 ms apart, each holding what had crossed the
// wire by then. A block meant to arrive whole is never cut: it goes in one piece, alone when it
// is larger than a packet.
#include "sim/wire/handover.h"

#include <deque>
#include <optional>

namespace sim {

class UsbPieces final : public Handover {
  public:
    static constexpr Time Latency = std::chrono::milliseconds(16);
    static constexpr int PacketBytes = 64;

    void add(const QByteArray& chunk, Time now, bool whole) override;
    void writeDue(Time now, const Write& write) override;
    Time nextDue() const override;
    bool empty() const override { return arrivals_.empty(); }
    void clear() override { arrivals_.clear(); }

  private:
    // Bytes that are over the wire at `at`: one byte of a frame, or a whole block.
    struct Arrival {
        QByteArray bytes;
        Time at;
    };
    std::deque<Arrival> arrivals_;
    std::optional<Time> lastPiece_;
};

}  // namespace sim
