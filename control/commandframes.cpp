#include "control/commandframes.h"

namespace commandframes {
namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
}  // namespace

void addressCurrent(frame::Bytes& f) {
    f[1] = frame::Extended;
    f[2] = 0x89;
}

void addressMaster(frame::Bytes& f) {
    f[1] = frame::Extended;
    f[2] = 0x8C;
}

void addressSelected(frame::Bytes& f, int machine) {
    f[0] = static_cast<std::uint8_t>(f[0] + 1);
    f[4] = f[3];
    f[1] = frame::Extended;
    f[2] = 0x8B;
    f[3] = static_cast<std::uint8_t>(machine & 0xFF);
}

std::optional<std::array<std::uint8_t, 4>> string2sony(const QString& text) {
    if (text.size() != 11) return std::nullopt;
    // 0-based places of the tens digit of frames, seconds, minutes and hours.
    constexpr std::array<int, 4> tens{9, 6, 3, 0};
    std::array<std::uint8_t, 4> out{};
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
