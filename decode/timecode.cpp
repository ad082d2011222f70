#include "decode/timecode.h"

#include "link/frame.h"

#include <array>

namespace timecode {

namespace {

struct Divisors {
    std::int32_t perHour;
    std::int32_t perMinute;
    std::int32_t perSecond;
};

constexpr std::array<Divisors, 3> RateDivisors{{
    {90000, 1500, 25},   // Ebu25
    {108000, 1800, 30},  // Smpte30
    {86400, 1440, 24},   // Film24
}};

// Two digits at least; each step cuts the text so that three-digit hours cannot overflow it.
void appendField(QString& text, std::int32_t value, bool colon) {
    if (value < 10) text.append(QLatin1Char('0'));
    text.append(QString::number(value));
    if (colon) text.append(QLatin1Char(':'));
    text.truncate(MaxTextLength);
}

}  // namespace

QString frmstotxt(std::int32_t frames, std::uint8_t rate) {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t rest = 0;
    if (rate < RateDivisors.size()) {
        const Divisors& d = RateDivisors[rate];
        hours = frames / d.perHour;
        const std::int32_t inHour = frames % d.perHour;
        minutes = inHour / d.perMinute;
        const std::int32_t inMinute = inHour % d.perMinute;
        seconds = inMinute / d.perSecond;
        rest = inMinute % d.perSecond;
    }
    QString text;
    appendField(text, hours, true);
    appendField(text, minutes, true);
    appendField(text, seconds, true);
    appendField(text, rest, false);
    return text;
}

QString bin2str(int value) {
    QString text;
    text.reserve(9);
    for (int bit = 0; bit < 8; ++bit) {
        if (bit == 4) text.append(QLatin1Char(' '));
        text.append(QLatin1Char((value >> bit) & 1 ? '1' : '0'));
    }
    return text;
}

QString timeOfDay(const QTime& time) {
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return two(time.hour()) + QLatin1Char(':') + two(time.minute()) + QLatin1Char(':') +
           two(time.second()) + QLatin1Char('.') +
           QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'));
}

QString sonyTime(std::uint8_t frames, std::uint8_t seconds, std::uint8_t minutes,
                 std::uint8_t hours) {
    const QChar colon = QLatin1Char(':');
    return frame::hex2(hours) + colon + frame::hex2(minutes) + colon + frame::hex2(seconds) +
           colon + frame::hex2(frames);
}

}  // namespace timecode
