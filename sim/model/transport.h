#pragma once
// The transport states a machine reports in its status tally, by their codes on the line.
#include <cstdint>

namespace sim {

enum class Transport : std::uint8_t {
    Stop = 1,
    Pause = 2,
    Play = 3,
    ReversePlay = 4,
    ShuttleFwd = 5,
    ShuttleRvs = 6,
    JogFwd = 7,
    JogRvs = 8,
    FastFwd = 9,
    FastRvs = 10,
    VariFwd = 13,
    VariRvs = 14,
    Locate = 16,
    RecordOn = 19,
};

constexpr std::uint8_t code(Transport t) {
    return static_cast<std::uint8_t>(t);
}

// Frames a machine moves in one 40 ms period in each state; Locate and the slow states are
// handled by the machine itself.
constexpr int framesPerPeriod(Transport t) {
    switch (t) {
        case Transport::Play:
        case Transport::RecordOn:
            return 1;
        case Transport::ReversePlay:
            return -1;
        case Transport::ShuttleFwd:
            return 5;
        case Transport::ShuttleRvs:
            return -5;
        case Transport::VariFwd:
            return 2;
        case Transport::VariRvs:
            return -2;
        case Transport::FastFwd:
            return 50;
        case Transport::FastRvs:
            return -50;
        default:
            return 0;
    }
}

constexpr bool isReverse(Transport t) {
    return t == Transport::ReversePlay || t == Transport::ShuttleRvs || t == Transport::JogRvs ||
           t == Transport::FastRvs || t == Transport::VariRvs;
}

// Speed field of status byte 2 (bits 6-7): 0 play speed, 1 fast, 2 slow.
constexpr std::uint8_t speedClass(Transport t) {
    switch (t) {
        case Transport::FastFwd:
        case Transport::FastRvs:
        case Transport::Locate:
            return 1;
        case Transport::ShuttleFwd:
        case Transport::ShuttleRvs:
        case Transport::JogFwd:
        case Transport::JogRvs:
        case Transport::VariFwd:
        case Transport::VariRvs:
            return 2;
        default:
            return 0;
    }
}

}  // namespace sim
