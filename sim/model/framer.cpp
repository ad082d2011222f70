#include "sim/model/framer.h"

#include "link/frame.h"

#include <algorithm>

namespace sim {

std::vector<LineItem> LineFramer::push(std::span<const std::uint8_t> bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    std::vector<LineItem> out;
    while (!pending_.empty()) {
        const auto length = static_cast<std::size_t>(frame::length(pending_.front()));
        if (pending_.size() < length) break;
        std::uint8_t sum = 0;
        for (std::size_t i = 0; i + 1 < length; ++i)
            sum = static_cast<std::uint8_t>(sum + pending_[i]);
        if (sum == pending_[length - 1]) {
            QByteArray f(static_cast<qsizetype>(length), '\0');
            std::copy_n(pending_.begin(), length, f.begin());
            pending_.erase(pending_.begin(),
                           pending_.begin() + static_cast<std::ptrdiff_t>(length));
            out.push_back({std::move(f), true});
        } else {
            out.push_back({QByteArray(1, static_cast<char>(pending_.front())), false});
            pending_.pop_front();
        }
    }
    return out;
}

std::vector<LineItem> LineFramer::push(const QByteArray& bytes) {
    return push(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}

QString traceLine(const LineItem& item) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(item.bytes.constData());
    const std::span<const std::uint8_t> bytes(p, static_cast<std::size_t>(item.bytes.size()));
    if (item.isFrame) return frame::hexText(bytes);
    return frame::hex2(bytes[0]);
}

}  // namespace sim
