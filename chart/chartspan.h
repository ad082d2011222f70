#pragma once
// The spans of time the chart shows, and where the shown stretch lies.
#include <array>
#include <cstdint>
#include <string_view>

namespace chart {

struct SpanChoice {
    std::string_view text;
    int seconds;
};

inline constexpr std::array<SpanChoice, 3> SpanChoices{{
    {"30 s", 30},
    {"2 min", 120},
    {"10 min", 600},
}};

struct TimeWindow {
    std::int64_t fromMs;
    std::int64_t toMs;  // inclusive
};

// The stretch that ends at `endMs` and lasts `seconds`; never before the start of the history.
constexpr TimeWindow windowEndingAt(std::int64_t endMs, int seconds) {
    const std::int64_t from = endMs - std::int64_t{seconds} * 1000;
    return {from < 0 ? 0 : from, endMs};
}

}  // namespace chart
