#include "sim/model/controller.h"

#include "sim/model/commandframes.h"
#include "sim/model/keys.h"

#include "link/encode.h"

#include <algorithm>

namespace sim {

namespace {
constexpr std::int64_t KeepAlivePeriods = 25;  // the cyclic request once a second
constexpr std::int64_t TimePollPeriods = 5;
constexpr std::int64_t StatusPollPeriods = 10;
constexpr std::int64_t OpeningPeriods = 60;
// The record-enable map of the opening: tracks 1 and 2.
constexpr std::array<std::uint8_t, 3> FirstTwoTracks{0x03, 0x00, 0x00};
using namespace proto;
}  // namespace

Controller::Controller(int machineCount, std::uint64_t seed)
    : rng_(seed), machines_(std::clamp(machineCount, 1, MaxMachines)) {}

std::vector<QByteArray> Controller::period(std::int64_t n, const Synchroniser& sync) {
    std::vector<QByteArray> out;
    if (n % KeepAlivePeriods == 0) out.push_back(cmd::cyclic(true));
    if (n % TimePollPeriods == 2) out.push_back(cmd::bytes(encode::timeSense(timerequest::Ltc)));
    if (n % StatusPollPeriods == 6) out.push_back(cmd::bytes(encode::statusSense(0, 10)));
    if (n < OpeningPeriods) {
        const QByteArray f = opening(n);
        if (!f.isEmpty()) out.push_back(f);
        nextAction_ = OpeningPeriods + 25;
    } else if (n >= nextAction_) {
        out.push_back(action(sync));
        nextAction_ = n + rng_.range(50, 150);  // every two to six seconds
    }
    return out;
}

// The first seconds of a session: select the master, put the others in chase, roll, and ask
// for what the system knows.
QByteArray Controller::opening(std::int64_t n) {
    switch (n) {
        case 3:
            return cmd::toMachine(1, key::SelMachine);
        case 8:
            return cmd::bytes(encode::toAll(ext::AllChaseOn));
        case 12:
            return cmd::toMaster(key::Play);
        case 20:
            return cmd::bytes(encode::deviceTypeRequest());
        case 28:
            return cmd::bytes(encode::extendedCommand(ext::SystemSpecRequest));
        case 34:
            return cmd::bytes(encode::extendedCommand(ext::SystemTrackMapRequest));
        case 40:
            return cmd::armTracks(FirstTwoTracks[0], FirstTwoTracks[1], FirstTwoTracks[2]);
        case 46:
            return cmd::bytes(encode::recordEnable(FirstTwoTracks));
        case 52:
            return cmd::bytes(encode::editPresetSense(4));
        default:
            return {};
    }
}

QByteArray Controller::action(const Synchroniser& sync) {
    const int masterPos = sync.view().position;
    const int choice = rng_.range(0, 99);
    if (choice < 12) return cmd::toMachine(anyMachine(), key::SelMachine);
    if (choice < 30) {
        constexpr std::array<std::uint8_t, 9> moves{key::Play,    key::Pause,    key::Stop,
                                                    key::FwdWind, key::RvsWind,  key::Shuttle,
                                                    key::Jog,     key::VariPlay, key::ReversePlay};
        return cmd::toCurrent(moves[static_cast<std::size_t>(rng_.range(0, 8))]);
    }
    if (choice < 42) {
        // Keep the master rolling most of the time, so that positions run.
        const std::uint8_t k = rng_.chance(0.7) ? key::Play : key::Pause;
        return cmd::toMaster(k);
    }
    if (choice < 52) {
        const std::uint8_t k = rng_.chance(0.5) ? key::LocateAndPlay : key::Locate;
        return cmd::locateMaster(k, near(masterPos));
    }
    if (choice < 58) {
        const std::uint8_t m = anyMachine();
        const Machine* mc = sync.machine(m);
        return cmd::locateMachine(m, key::Locate, near(mc != nullptr ? mc->position() : masterPos));
    }
    if (choice < 68) {
        constexpr std::array<std::uint8_t, 5> sony{transport::Stop, transport::Play,
                                                   transport::FastForward, transport::FastReverse,
                                                   transport::TensionRelease};
        const std::uint8_t c = sony[static_cast<std::size_t>(rng_.range(0, 4))];
        if (rng_.chance(0.3)) return cmd::sonyLocate(near(masterPos));
        return cmd::bytes(encode::message(group::Transport, c));
    }
    if (choice < 74) {
        return cmd::armTracks(static_cast<std::uint8_t>(rng_.range(0, 255)),
                              static_cast<std::uint8_t>(rng_.range(0, 3)), 0x00);
    }
    if (choice < 82) {
        const std::uint8_t k = rng_.chance(0.5) ? key::RecordOn : key::RecordOff;
        return cmd::toMachine(static_cast<std::uint8_t>(rng_.range(1, std::min(3, machines_))), k);
    }
    if (choice < 86) return cmd::bytes(encode::extendedCommand(ext::AllMachineDataRequest));
    if (choice < 90) {
        const std::uint8_t sub = rng_.chance(0.7) ? ext::AllChaseOn : ext::AllChaseClear;
        return cmd::bytes(encode::toAll(sub));
    }
    if (choice < 94) return cmd::bytes(encode::deviceTypeRequest());
    if (choice < 97) return cmd::bytes(encode::genTimeSense(timerequest::Ltc));
    return cmd::bytes(encode::editPresetSense(4));
}

}  // namespace sim
