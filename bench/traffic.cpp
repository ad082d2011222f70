#include "bench/traffic.h"

#include "link/frame.h"

#include <random>
#include <vector>

namespace {
QByteArray make(std::initializer_list<int> body) {
    std::vector<std::uint8_t> bytes;
    for (const int b : body) bytes.push_back(static_cast<std::uint8_t>(b));
    return frame::complete(bytes);
}

int hi(int v) {
    return (v >> 16) & 0xFF;
}
int mid(int v) {
    return (v >> 8) & 0xFF;
}
int lo(int v) {
    return v & 0xFF;
}
}  // namespace

namespace traffic {

QList<QByteArray> tallyMix(int periods) {
    QList<QByteArray> out;
    int position = 90000;
    for (int p = 0; p < periods; ++p, ++position) {
        const int machine = 1 + p % 6;
        out << make({0x19, 0xA0, 0x80, 1, hi(position), mid(position), lo(position), 0x44, 2,
                     p % 97 == 0 ? 3 : 0, 0});
        switch (p % 4) {
            case 0:
                out << make({0x1A, 0xA0, 0x81, machine, p % 40 < 20 ? 3 : 1, 0x40, 0x48,
                             hi(position), mid(position), lo(position), (p / 8) % 5, 0x01});
                break;
            case 1:
                out << make({0x16, 0xA0, 0x82, machine, 0, 5, 0xDC, p % 80});
                break;
            case 2:
                out << make({0x1C, 0xA0, 0x83, machine, 0x20, 0x24, 0x03, 0x80, 'V', 'T', 'R', ' ',
                             '0', '0' + machine});
                break;
            default:
                out << make({0x13, 0xA0, 0x91, 0x0F, 0x00});
                break;
        }
        if (p % 26 == 0) out << make({0x02, 0xA0, 0x85, 0x01});
        if (p % 10 == 0) {
            out << make({0x61, 0x0C, 0x01}) << make({0x74, 0x04, lo(p), 0x10, 0x20, 0x01});
        }
        if (p % 50 == 0) out << make({0x20, 0x01}) << make({0x10, 0x01});
    }
    return out;
}

QList<QByteArray> worstCase(int frames) {
    QList<QByteArray> out;
    for (int f = 0; f < frames; ++f) {
        const int v = f & 0xFF;
        std::vector<std::uint8_t> body;
        if (f % 2 == 0) {
            // The monitored machine's status tally with every byte moving: mcngrid and the panel.
            body = {0x1F, 0xA0, 0x81, 0x01};
        } else {
            // A long command of changing kind and data: grid2, named and shown in `command`.
            body = {0x0F, 0xA0, static_cast<std::uint8_t>(0x80 + f % 12)};
        }
        while (body.size() < 17) body.push_back(static_cast<std::uint8_t>(v + body.size()));
        out << frame::complete(body);
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
