#include "bench/traffic.h"

#include "link/encode.h"
#include "link/frame.h"

#include <random>
#include <vector>

namespace {
using namespace proto;

QByteArray bytes(const encode::Frame& f) {
    return frame::toByteArray(f.view());
}

std::uint8_t byte(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
}  // namespace

namespace traffic {

QList<QByteArray> tallyMix(int periods) {
    QList<QByteArray> out;
    int position = 90000;
    for (int p = 0; p < periods; ++p, ++position) {
        const std::uint8_t machine = byte(1 + p % 6);
        out << bytes(encode::masterPosition({1, position, 0x44, 2, byte(p % 97 == 0 ? 3 : 0)}));
        switch (p % 4) {
            case 0:
                out << bytes(encode::machineStatus({machine, byte(p % 40 < 20 ? 3 : 1), 0x40, 0x48,
                                                    position, byte((p / 8) % 5), 0x01}));
                break;
            case 1:
                out << bytes(encode::machineOffset({machine, 0x05DC, byte(p % 80)}));
                break;
            case 2: {
                const char name[] = {'V', 'T', 'R', ' ', '0', static_cast<char>('0' + machine)};
                out << bytes(encode::machineDetails(
                    {machine, 0x20, 0x24, 0x03, 0x80, std::string_view(name, sizeof name)}));
                break;
            }
            default: {
                const std::array<std::uint8_t, 2> map{0x0F, 0x00};
                out << bytes(encode::trackBitMap(tallykind::ReadyBitMap, map));
                break;
            }
        }
        if (p % 26 == 0) out << bytes(encode::cyclicData(true));
        if (p % 10 == 0) {
            out << bytes(encode::timeSense(timerequest::Ltc))
                << bytes(encode::timeData(sensereply::Ltc, {byte(p), 0x10, 0x20, 0x01}));
        }
        if (p % 50 == 0) {
            out << bytes(encode::message(group::Transport, transport::Play))
                << bytes(encode::ack());
        }
    }
    return out;
}

QList<QByteArray> worstCase(int frames) {
    QList<QByteArray> out;
    for (int f = 0; f < frames; ++f) {
        const int v = f & 0xFF;
        // Fifteen data bytes, each after the kind (and the machine) moving with the frame.
        std::array<std::uint8_t, frame::MaxDataCount - 1> data{};
        for (std::size_t k = 0; k < data.size(); ++k) data[k] = byte(v + 3 + static_cast<int>(k));
        if (f % 2 == 0) {
            // The monitored machine's status tally with every byte moving: mcngrid and the panel.
            data[0] = 1;
            out << bytes(encode::extendedTally(tallykind::MachineStatus, data));
        } else {
            // A long command of changing kind and data: grid2, named and shown in `command`.
            const auto kind = static_cast<std::uint8_t>(ext::UnitConfigData + f % 12);
            out << bytes(encode::extendedCommand(kind, data));
        }
    }
    return out;
}

QList<QByteArray> events(const QList<QByteArray>& frames, int maxEvent, unsigned seed) {
    QByteArray stream;
    for (const QByteArray& f : frames) stream += f;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> size(1, maxEvent);
    QList<QByteArray> out;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype n = std::min<qsizetype>(size(random), stream.size() - at);
        out << stream.mid(at, n);
        at += n;
    }
    return out;
}

}  // namespace traffic
