#include "sim/model/commands.h"

#include "sim/model/sonyreplies.h"
#include "sim/model/tallies.h"
#include "sim/model/timecode.h"

#include "link/codes.h"
#include "link/frame.h"

namespace sim {

namespace {

using Answers = std::vector<QByteArray>;
using namespace proto;

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
        case ext::CyclicDataEnable:
            sync.setCyclic(at(args, 0) != 0);
            break;
        case ext::ToCurrent:
            if (!args.empty()) sync.key(sync.selected(), args[0], args.subspan(1));
            break;
        case ext::ToMaster:
            if (!args.empty()) sync.key(sync.master(), args[0], args.subspan(1));
            break;
        case ext::ToSpecified:
            if (args.size() < 2) break;
            if (args[0] == ext::TargetAll) {
                sync.keyToAll(args[1]);
            } else if (args[0] == ext::TargetGroup) {
                sync.keyToGroup(args[1]);
            } else {
                sync.key(args[0], args[1], args.subspan(2));
            }
            break;
        case ext::ArmTracks:
            if (args.size() >= 3) {
                sync.armTracks(args.first<3>());
                const auto map = sync.readyMap();
                out.push_back(tally::trackBitMap(tally::ReadyBitMap, map));
            }
            break;
        case ext::LogicalRecordEnable:
            sync.touchSystemData();
            break;
        case ext::ResetErrorMessage:
            sync.clearError();
            break;
        case ext::AllMachineDataRequest:
            allMachineData(sync, out);
            break;
        case ext::SystemTrackMapRequest:
            out.push_back(tally::trackMap(sync.machines()));
            break;
        case ext::SystemSpecRequest: {
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
        case transport::Stop:
        case transport::Play:
        case transport::Record:
        case transport::Eject:
        case transport::FastForward:
        case transport::FastReverse:
        case transport::JogForward:
        case transport::JogReverse:
        case transport::VariForward:
        case transport::VariReverse:
        case transport::ShuttleForward:
        case transport::ShuttleReverse:
        case transport::Locate:
            return true;
        default:
            return false;
    }
}

void sonyTransport(Machine& m, std::uint8_t cmd2, std::span<const std::uint8_t> data) {
    if (!isSonyTransport(cmd2)) return;  // standby, EE, edit and the rest change nothing we report
    m.setChase(false);
    // Without a cassette the deck accepts the command and goes nowhere.
    if (!m.hasTape() && cmd2 != transport::Stop) return;
    switch (cmd2) {
        case transport::Stop:
            m.stop();
            break;
        case transport::Play:
            m.play();
            break;
        case transport::Record:
            m.record(true);
            break;
        case transport::Eject:
            m.eject();
            break;
        case transport::FastForward:
            m.wind(true);
            break;
        case transport::FastReverse:
            m.wind(false);
            break;
        case transport::JogForward:
            m.jog(true);
            break;
        case transport::JogReverse:
            m.jog(false);
            break;
        case transport::VariForward:
            m.vari(true);
            break;
        case transport::VariReverse:
            m.vari(false);
            break;
        case transport::ShuttleForward:
            m.shuttle(true);
            break;
        case transport::ShuttleReverse:
            m.shuttle(false);
            break;
        case transport::Locate:
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
        case sense::CurrentTime: {
            // LTC unless only VITC, or only timer 1, is asked for.
            namespace ask = proto::timerequest;
            std::uint8_t kind = sensereply::Ltc;
            if ((request & ask::Ltc) == 0 && (request & ask::Vitc) != 0) kind = sensereply::Vitc;
            if ((request & (ask::Ltc | ask::Vitc)) == 0 && (request & ask::Timer1) != 0)
                kind = sensereply::Timer1;
            return {sony::timeData(kind, masterPosition)};
        }
        case sense::GenTime:
            return {sony::timeData(sensereply::GenTime, masterPosition + FramesPerSecond * 3600)};
        case sense::Status: {
            const auto status = current.sonyStatus();
            return {sony::statusData(request >> 4, request & 0x0F, status)};
        }
        case sense::EditPreset: {
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
        case group::System:
            if (cmd2 == proto::Extended) return extended(sync, data);
            if (cmd2 == systemcmd::DeviceTypeRequest) {
                const MachineSetup& s = sync.machine(sync.selected())->setup();
                return {sony::deviceType(s.sonyId1, s.sonyId2)};
            }
            if (cmd2 == systemcmd::LocalDisable || cmd2 == systemcmd::LocalEnable)
                return {sony::ack()};
            return {sony::nak(sony::UnknownCommand)};
        case group::Transport:
            sonyTransport(*sync.machine(sync.selected()), cmd2, data);
            return {sony::ack()};
        case group::Preset:
            return {sony::ack()};
        case group::Sense:
            return sense(sync, cmd2, data);
        default:
            return {sony::nak(sony::UnknownCommand)};
    }
}

}  // namespace sim
