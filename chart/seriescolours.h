#pragma once
// A colour of its own for every machine, the same in both panes: the chart theme's five colours
// would come round again for the sixth machine and the generator.
#include "chart/SyncHistory.h"

#include <QRgb>

#include <array>

namespace chart {

inline constexpr std::array<QRgb, SeriesCount> SeriesColours{{
    0x99ca53,  // A green
    0xf6a625,  // B orange
    0x6d5fd5,  // C violet
    0xbf593e,  // D brick red
    0x209fdf,  // E blue
    0xd147a3,  // F magenta
    0x1f8f84,  // Gen teal
}};

}  // namespace chart
