#include "link/rowkey.h"

namespace rowkey {

Key of(const frame::Bytes& rx) {
    const QString group = frame::hex1(static_cast<std::uint8_t>(frame::group(rx[0])));
    if (rx[1] != frame::Extended) return {group, 3, frame::hex2(rx[1])};
    switch (rx[2]) {
        case proto::ext::ToCurrent:
        case proto::ext::ToMaster:
            return {group, 5, frame::hex2(rx[3])};
        case proto::ext::ToSpecified:
            return {group, 6, frame::hex2(rx[4])};
        default:
            return {group, 4, frame::hex2(rx[2])};
    }
}

QString nextCount(const QString& count) {
    const int next = count.toInt() + 1;
    return QString::number(next == 100 ? 0 : next);
}

}  // namespace rowkey
