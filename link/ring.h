#pragma once
// The 32-byte receive ring and the cutting of frames out of it.
//
//   ring  [ . . . . C1 C2 D0 .. CS . . . ]     indices run 0..31 and wrap
//                   ^tail          ^head       unread = (head - tail) & 0x1F
//
// The byte at the read index is always taken as a CMD1. A frame is judged only once all the
// bytes its CMD1 announces are unread; a bad checksum drops exactly that one byte and the next
// one is tried. Equal indices mean an empty ring, so at most 31 bytes are unread. An event may
// bring any number of bytes on top of 17 of a partial frame: when a byte arrives on a full ring,
// the frames already complete are cut first (31 unread bytes always hold a whole frame to judge),
// so unread bytes are never overwritten and a good frame is never thrown away to make room.
//
// The main window owns a `Receiver`; these functions work on references to its parts so that the
// window, the tests and the fuzzers share one frame cutter.
#include "link/frame.h"

#include <array>
#include <cstdint>

namespace ring {

inline constexpr int Size = 32;
inline constexpr int Mask = Size - 1;
inline constexpr int MaxUnread = Size - 1;

using Bytes = std::array<std::uint8_t, Size>;

constexpr int advance(int index, int by = 1) {
    return (index + by) & Mask;
}
constexpr int unread(int head, int tail) {
    return (head - tail) & Mask;
}

struct State {
    Bytes& ring;
    int& head;
    int& tail;
    frame::Bytes& frame;  // the last frame cut, checksum included
    int& length;          // its length
};

// The receive state of the main window: the ring, its indices, the last frame cut, and the count
// of non-zero bytes dropped since start (never reset while the program runs).
struct Receiver {
    Bytes ring{};
    int head = 0;
    int tail = 0;
    frame::Bytes frame{};
    int length = 0;
    int errorCount = 0;

    State state() { return {ring, head, tail, frame, length}; }
};

enum class Verdict { Empty, Incomplete, Good, BadChecksum };

// One turn of the frame loop at the read index. Sets `length` from the CMD1 when a byte is
// unread; once the whole frame is there, copies its bytes before the checksum to `frame` while
// summing them, and for a good frame the sum as its last byte. Moves no index.
Verdict judge(const State& s);

// Drops the byte at the read index and returns it.
std::uint8_t dropOldest(const State& s);

// Runs the frame loop until the unread bytes hold no complete frame: `good()` is called for each
// good frame (in `frame`/`length`, read index already past it), `dropped(byte)` for each byte
// dropped by a bad checksum.
template <typename Good, typename Dropped>
void cut(const State& s, Good&& good, Dropped&& dropped) {
    for (;;) {
        switch (judge(s)) {
            case Verdict::Empty:
            case Verdict::Incomplete:
                return;
            case Verdict::Good:
                s.tail = advance(s.tail, s.length);
                good();
                break;
            case Verdict::BadChecksum:
                dropped(dropOldest(s));
                break;
        }
    }
}

// Stores one received byte at the write index. On a full ring the frame loop runs first, one turn
// at a time, until there is room: a good frame goes to `good()`, a bad checksum's byte to
// `dropped`.
template <typename Good, typename Dropped>
void store(const State& s, std::uint8_t byte, Good&& good, Dropped&& dropped) {
    while (unread(s.head, s.tail) == MaxUnread) {
        if (judge(s) == Verdict::Good) {
            s.tail = advance(s.tail, s.length);
            good();
        } else {
            dropped(dropOldest(s));
        }
    }
    s.ring[static_cast<std::size_t>(s.head)] = byte;
    s.head = advance(s.head);
}

// Empties the ring, handing each unread byte to `discarded` in order.
template <typename Discarded>
void discardAll(const State& s, Discarded&& discarded) {
    while (s.tail != s.head) discarded(dropOldest(s));
}

}  // namespace ring
