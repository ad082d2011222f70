#include "control/commandframes.h"

namespace commandframes {
namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
}  // namespace

encode::Frame transportFrame(const TransportButton& button, int form, std::uint8_t machine) {
    switch (form) {
        case SonyP2: {
            const std::array<std::uint8_t, 1> speed{button.sonySpeed.value_or(0)};
            return encode::message(proto::group::Transport, button.sonyCommand,
                                   std::span(speed).first(button.sonySpeed ? 1U : 0U));
        }
        case CurrentMcn:
            return encode::toCurrent(button.keyCommand);
        case MasterMcn:
            return encode::toMaster(button.keyCommand);
        default:
            return encode::toMachine(machine, button.keyCommand);
    }
}

encode::Frame locateFrame(const encode::TimeBytes& time, int form, std::uint8_t machine) {
    switch (form) {
        case SonyP2:
            return encode::sonyLocate(time);
        case CurrentMcn:
            return encode::toCurrentAt(proto::key::Locate, time);
        case MasterMcn:
            return encode::toMasterAt(proto::key::Locate, time);
        default:
            return encode::toMachineAt(machine, proto::key::Locate, time);
    }
}

std::optional<encode::TimeBytes> string2sony(const QString& text) {
    if (text.size() != 11) return std::nullopt;
    // 0-based places of the tens digit of frames, seconds, minutes and hours.
    constexpr std::array<int, 4> tens{9, 6, 3, 0};
    encode::TimeBytes out{};
    for (std::size_t i = 0; i < tens.size(); ++i) {
        const QChar high = text[tens[i]];
        const QChar low = text[tens[i] + 1];
        if (!isDigit(high) || !isDigit(low)) return std::nullopt;
        out[i] = static_cast<std::uint8_t>(16 * (high.unicode() - '0') + (low.unicode() - '0'));
    }
    return out;
}

void toggleTrack(ArmBits& mask, int track) {
    mask[static_cast<std::size_t>((track - 1) / 8)] ^=
        static_cast<std::uint8_t>(1U << ((track - 1) % 8));
}

bool trackArmed(const ArmBits& mask, int track) {
    return (mask[static_cast<std::size_t>((track - 1) / 8)] & (1U << ((track - 1) % 8))) != 0;
}

}  // namespace commandframes
