#pragma once
// The shown samples as comma-separated text, one row per sample in time order:
//   time,machine,sync error,offset,state,lock
//   12.340,A,-3,250,3,1
// time in seconds since the history began, the machine's letter ("Gen" for the generator), the
// sync error and offset in frames, the transport state code, and 1 when locked.
#include "chart/SyncHistory.h"
#include "chart/chartspan.h"

#include <QByteArray>

namespace chart {

inline constexpr std::string_view CsvHeader = "time,machine,sync error,offset,state,lock";

QByteArray csvOf(const SyncHistory& history, TimeWindow shown);

}  // namespace chart
