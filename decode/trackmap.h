#pragma once
// The cells of a row of the logical record track grid, from a bit-map tally or the record-enable
// command:
//   1N A0 kk b1 .. b14 cs   kk 84 record-enable command (row Cmd), 91 ready (Ready),
//                           92 record (Record); N - 1 bit-map bytes
#include "decode/tallynames.h"
#include "link/frame.h"

#include <QString>

#include <array>
#include <optional>

namespace decode {

using TrackRow = std::array<QString, TrackColumns>;

// Each column's bit picture, or the placeholder for a byte the frame does not carry; nothing for
// a frame that carries no kind at all.
std::optional<TrackRow> trackMapRow(const frame::Bytes& rx, int length);

}  // namespace decode
