#include "sim/commands.h"

#include "sim/keys.h"
#include "sim/sonyreplies.h"
#include "sim/tallies.h"
#include "sim/timecode.h"

#include "link/frame.h"

namespace sim {

namespace {

using Answers = std::vector<QByteArray>;

// The data bytes of a frame (without CMD1, CMD2 and the checksum).
std::span<const std::uint8_t> dataOf(std::span<const std::uint8_t> f) {
    const auto n = static_cast<std::size_t>(frame::dataCount(f[0]));
    return f.size() >= n + 3 ? f.subspan(2, n) : std::span<const std::uint8_t>{};
}

std::uint8_t at(std::span<const std::uint8_t> data, std::size_t i) {
    return i < data.size() ? data[i] : 0;
}

void allMachineData(const Synchroniser& sync, Answers& out) {
    for (const Machine& m : sync.machines()) {
        out.push_back(tally::machineStatus(m));
        out.push_back(tally::machineOffset(m));
        out.push_back(tally::machineDetails(m));
    }
}

Answers extended(Synchroniser& sync, std::span<const std::uint8_t> data) {
    Answers out;
    if (data.empty()) return out;
    const auto args = data.subspan(1);
    switch (data[0]) {
        case 0x85:
            sync.setCyclic(at(args, 0) != 0);
            break;
        case 0x89:
            if (!args.empty()) sync.key(sync.selected(), args[0], args.subspan(1));
            break;
        case 0x8C:
            if (!args.empty()) sync.key(sync.master(), args[0], args.subspan(1));
            break;
        case 0x8B:
            if (args.size() < 2) break;
            if (args[0] == 0xA1) {
                sync.keyToAll(args[1]);
            } else if (args[0] == 0xA0) {
                sync.keyToGroup(args[1]);
            } else {
                sync.key(args[0], args[1], args.subspan(2));
            }
            break;
        case 0x8D:
            if (args.size() >= 3) {
                sync.armTracks(args.first<3>());
                const auto map = sync.readyMap();
                out.push_back(tally::trackBitMap(tally::ReadyBitMap, map));
            }
            break;
        case 0x84:
            sync.touchSystemData();
            break;
        case 0x03:
            sync.clearError();
            break;
        case 0x07:
            allMachineData(sync, out);
            break;
        case 0x02:
            out.push_back(tally::trackMap(sync.machines()));
            break;
        case 0x06: {
            const std::uint8_t rate = sync.machine(sync.master())->setup().frameRate;
            out.push_back(tally::systemSpecification(sync.machineCount(), rate));
            break;
        }
        default:
            break;
    }
    return out;
}

bool isSonyTransport(std::uint8_t cmd2) {
    switch (cmd2) {
        case 0x00:
        case 0x01:
        case 0x02:
        case 0x0F:
        case 0x10:
        case 0x20:
        case 0x11:
        case 0x21:
        case 0x12:
        case 0x22:
        case 0x13:
        case 0x23:
        case 0x31:
            return true;
        default:
            return false;
    }
}

void sonyTransport(Machine& m, std::uint8_t cmd2, std::span<const std::uint8_t> data) {
    if (!isSonyTransport(cmd2)) return;  // standby, EE, edit and the rest change nothing we report
    m.setChase(false);
    // Without a cassette the deck accepts the command and goes nowhere.
    if (!m.hasTape() && cmd2 != 0x00) return;
    switch (cmd2) {
        case 0x00:
            m.stop();
            break;
        case 0x01:
            m.play();
            break;
        case 0x02:
            m.record(true);
            break;
        case 0x0F:
            m.eject();
            break;
        case 0x10:
            m.wind(true);
            break;
        case 0x20:
            m.wind(false);
            break;
        case 0x11:
            m.jog(true);
            break;
        case 0x21:
            m.jog(false);
            break;
        case 0x12:
            m.vari(true);
            break;
        case 0x22:
            m.vari(false);
            break;
        case 0x13:
            m.shuttle(true);
            break;
        case 0x23:
            m.shuttle(false);
            break;
        case 0x31:
            if (data.size() >= 4) m.locate(framesOf(data[0], data[1], data[2], data[3]), false);
            break;
        default:
            break;
    }
}

Answers sense(Synchroniser& sync, std::uint8_t cmd2, std::span<const std::uint8_t> data) {
    const Machine& current = *sync.machine(sync.selected());
    const int masterPosition = sync.view().position;
    const std::uint8_t request = at(data, 0);
    switch (cmd2) {
        case 0x0C: {
            std::uint8_t kind = 0x04;                                         // LTC
            if ((request & 0x01) == 0 && (request & 0x02) != 0) kind = 0x06;  // VITC
            if ((request & 0x03) == 0 && (request & 0x04) != 0) kind = 0x00;  // timer 1
            return {sony::timeData(kind, masterPosition)};
        }
        case 0x0A:
            return {sony::timeData(0x08, masterPosition + FramesPerSecond * 3600)};
        case 0x20: {
            const auto status = current.sonyStatus();
            return {sony::statusData(request >> 4, request & 0x0F, status)};
        }
        case 0x30: {
            const auto& arm = sync.armMask();
            const std::array<std::uint8_t, 4> preset{arm[0], arm[1], arm[2], 0x00};
            const int n = std::min(request & 0x0F, 4);
            return {sony::editPreset(
                std::span<const std::uint8_t>(preset).first(static_cast<std::size_t>(n)))};
        }
        default:
            return {sony::nak(sony::UnknownCommand)};
    }
}

}  // namespace

std::vector<QByteArray> answer(Synchroniser& sync, std::span<const std::uint8_t> f) {
    if (f.size() < 3) return {};
    const std::uint8_t cmd1 = f[0];
    const std::uint8_t cmd2 = f[1];
    const auto data = dataOf(f);
    if (frame::isReply(cmd1)) return {};  // another device's reply: not for us
    switch (frame::group(cmd1)) {
        case 0:
            if (cmd2 == frame::Extended) return extended(sync, data);
            if (cmd2 == 0x11) {
                const MachineSetup& s = sync.machine(sync.selected())->setup();
                return {sony::deviceType(s.sonyId1, s.sonyId2)};
            }
            if (cmd2 == 0x0C || cmd2 == 0x1D) return {sony::ack()};
            return {sony::nak(sony::UnknownCommand)};
        case 2:
            sonyTransport(*sync.machine(sync.selected()), cmd2, data);
            return {sony::ack()};
        case 4:
            return {sony::ack()};
        case 6:
            return sense(sync, cmd2, data);
        default:
            return {sony::nak(sony::UnknownCommand)};
    }
}

}  // namespace sim
