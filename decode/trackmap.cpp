#include "decode/trackmap.h"

#include "decode/rxview.h"
#include "decode/timecode.h"

namespace decode {

std::optional<TrackRow> trackMapRow(const frame::Bytes& rx, int length) {
    const RxView f(rx, length);
    if (!f.has(0)) return std::nullopt;
    TrackRow row;
    for (int c = 1; c <= TrackColumns; ++c) {
        row[static_cast<std::size_t>(c - 1)] =
            f.has(c) ? timecode::bin2str(f.data(c)) : text(NotReceived);
    }
    return row;
}

}  // namespace decode
