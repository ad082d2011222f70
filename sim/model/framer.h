#pragma once
// Cuts frames out of a byte stream by the rules the analyser's receive ring follows: the first
// unread byte is a CMD1, a frame is judged once all the bytes it announces are there, a good
// checksum takes the whole frame, a bad one drops exactly one byte and the search goes on from
// the next. The simulator reads the analyser's commands with it; tests use it to know what the
// analyser must make of the bytes the simulator wrote.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <deque>
#include <span>
#include <vector>

namespace sim {

struct LineItem {
    QByteArray bytes;  // a whole frame, or one dropped byte
    bool isFrame;
};

class LineFramer {
  public:
    // Takes bytes off the line; returns the frames and dropped bytes they complete, in order.
    std::vector<LineItem> push(std::span<const std::uint8_t> bytes);
    std::vector<LineItem> push(const QByteArray& bytes);
    // Bytes held back for a frame that is not complete yet.
    int pending() const { return static_cast<int>(pending_.size()); }

  private:
    std::deque<std::uint8_t> pending_;
};

// The trace-all line of an item: "20 01 21 " for a frame, "3F" for a dropped byte.
QString traceLine(const LineItem& item);

}  // namespace sim
