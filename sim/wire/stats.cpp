#include "sim/wire/stats.h"

#include <array>
#include <utility>

namespace sim {

namespace {
using Field = std::pair<const char*, std::int64_t>;

std::array<Field, 12> fields(const Stats& s) {
    return {{{"frames", s.frames},
             {"bytes", s.bytes},
             {"intact", s.intact},
             {"damaged", s.damaged},
             {"garbage_bytes", s.garbageBytes},
             {"stalls", s.stalls},
             {"stalled_frames", s.stalledFrames},
             {"unheard", s.unheard},
             {"late", s.late},
             {"received", s.received},
             {"received_dropped", s.receivedDropped},
             {"periods", s.periods}}};
}
}  // namespace

QString Stats::line() const {
    QString out;
    for (const auto& [key, value] : fields(*this)) {
        if (!out.isEmpty()) out += QLatin1Char(' ');
        out += QStringLiteral("%1=%2").arg(QLatin1String(key)).arg(value);
    }
    return out;
}

QString Stats::text() const {
    QString out;
    for (const auto& [key, value] : fields(*this))
        out += QStringLiteral("%1=%2\n").arg(QLatin1String(key)).arg(value);
    return out;
}

}  // namespace sim
