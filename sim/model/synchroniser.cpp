#include "sim/model/synchroniser.h"

#include "link/codes.h"
#include "link/tallycodes.h"

#include "sim/model/keys.h"
#include "sim/model/syserrors.h"
#include "sim/model/timecode.h"

#include <algorithm>

namespace sim {

namespace {
constexpr int CyclicHoldPeriods = 125;  // five seconds
constexpr int ErrorPeriods = 50;        // an error shows for two seconds
// About one spontaneous error a minute, of the kinds a running system throws up by itself.
constexpr double SpontaneousErrorChance = 1.0 / (60 * 25);
constexpr std::array<std::uint8_t, 4> SpontaneousErrors{
    syserr::SystemNotLocked, syserr::TimecodeJump, syserr::VideoNotStopped, syserr::BackupMachine};

int clampMachines(int n) {
    return std::clamp(n, 1, MaxMachines);
}

// Time bytes ff ss mm hh of a key command's arguments, or -1 without four of them.
int timeArgument(std::span<const std::uint8_t> args) {
    if (args.size() < 4) return -1;
    return framesOf(args[0], args[1], args[2], args[3]);
}
}  // namespace

Synchroniser::Synchroniser(int machineCount, std::uint64_t seed, bool troubled) : rng_(seed) {
    const int n = clampMachines(machineCount);
    for (int i = 0; i < n; ++i) {
        const MachineSetup& setup = MachineSetups[static_cast<std::size_t>(i)];
        machines_.emplace_back(i + 1, setup, StartPosition + setup.offset);
    }
    inPoints_.assign(static_cast<std::size_t>(n), StartPosition);
    outPoints_.assign(static_cast<std::size_t>(n), StartPosition + 60 * FramesPerSecond);
    lastLocates_.assign(static_cast<std::size_t>(n), StartPosition);
    if (troubled) startTroubled();
}

void Synchroniser::startTroubled() {
    for (Machine& m : machines_) {
        if (m.number() == master_) {
            m.play();
        } else {
            m.setChase(true);
        }
    }
    if (Machine* b = machine(2)) b->setTrouble(Trouble::Hunts);
    if (Machine* c = machine(3)) c->setTrouble(Trouble::DropsOut);
}

Machine* Synchroniser::machine(int number) {
    if (number < 1 || number > machineCount()) return nullptr;
    return &machines_[static_cast<std::size_t>(number - 1)];
}

const Machine* Synchroniser::machine(int number) const {
    if (number < 1 || number > machineCount()) return nullptr;
    return &machines_[static_cast<std::size_t>(number - 1)];
}

void Synchroniser::select(int number) {
    if (machine(number) != nullptr) selected_ = number;
}

void Synchroniser::makeMaster(int number) {
    Machine* m = machine(number);
    if (m == nullptr || number == master_) return;
    m->setChase(false);
    master_ = number;
}

void Synchroniser::setCyclic(bool on) {
    cyclicPeriods_ = on ? CyclicHoldPeriods : 0;
}

void Synchroniser::raiseError(std::uint8_t code) {
    error_ = code;
    errorPeriods_ = ErrorPeriods;
}

void Synchroniser::key(int number, std::uint8_t keyCommand, std::span<const std::uint8_t> args) {
    Machine* m = machine(number);
    if (m == nullptr) return;
    const std::uint8_t k = key::fold(keyCommand);
    const std::size_t i = static_cast<std::size_t>(number - 1);
    switch (k) {
        case key::SelMachine:
            select(number);
            break;
        case key::MakeMaster:
            makeMaster(number);
            break;
        case key::Rehearse:
            m->toggleRehearse();
            break;
        case key::RecEnable:
            m->toggleRecordEnabled();
            break;
        case key::AllChaseOn:
            keyToAll(proto::ext::AllChaseOn);
            break;
        case key::ClearChase:
            m->setChase(false);
            break;
        case key::Chase:
        case key::ChaseHere:
            if (number == master_) break;
            if (k == key::ChaseHere) {
                m->setOffset(wrapDay(static_cast<long long>(m->position()) -
                                     machines_[static_cast<std::size_t>(master_ - 1)].position()));
            }
            m->setChase(true);
            break;
        case key::SubFrameOffset:
            if (!args.empty()) m->setSubFrames(args[0]);
            break;
        case key::SetIn:
            inPoints_[i] = m->position();
            break;
        case key::SetOut:
            outPoints_[i] = m->position();
            break;
        case key::SetOffset: {
            const int t = timeArgument(args);
            const Machine& master = machines_[static_cast<std::size_t>(master_ - 1)];
            m->setOffset(
                t >= 0 ? t : wrapDay(static_cast<long long>(m->position()) - master.position()));
            break;
        }
        default:
            transportKey(*m, k, args);
            break;
    }
}

void Synchroniser::transportKey(Machine& m, std::uint8_t k, std::span<const std::uint8_t> args) {
    const std::size_t i = static_cast<std::size_t>(m.number() - 1);
    const bool stopping = k == key::Stop || k == key::Park || k == key::Pause;
    if (!m.hasTape() && !stopping) {
        raiseError(syserr::NoTape);
        return;
    }
    const auto locateTo = [&](int target, bool thenPlay) {
        lastLocates_[i] = target;
        m.locate(target, thenPlay);
    };
    // A transport key takes a chasing machine out of chase: the operator has grabbed it.
    const bool isTransport = k <= key::Stop || k == key::LocateOut || k == key::Jog ||
                             k == key::Shuttle || k == key::VariPlay || k == key::Locate ||
                             k == key::LocateAndPlay;
    if (!isTransport) return;
    if (k != key::RecordOn && k != key::RecordOff) m.setChase(false);
    switch (k) {
        case key::Pause:
            m.pause();
            break;
        case key::Play:
            m.play();
            break;
        case key::InstantReplay:
            locateTo(m.position() - 5 * FramesPerSecond, true);
            break;
        case key::ReversePlay:
            m.reversePlay();
            break;
        case key::Again:
            locateTo(lastLocates_[i], true);
            break;
        case key::RvsWind:
            m.wind(false);
            break;
        case key::FwdWind:
            m.wind(true);
            break;
        case key::RecordOn:
            recordKey(m);
            break;
        case key::RecordOff:
            m.record(false);
            break;
        case key::CrawlFwd:
            m.jog(true);
            break;
        case key::CrawlRvs:
            m.jog(false);
            break;
        case key::Park:
        case key::Stop:
            m.stop();
            break;
        case key::LocateOut:
            locateTo(outPoints_[i], false);
            break;
        case key::Jog:
            m.jog(true);
            break;
        case key::Shuttle:
            m.shuttle(true);
            break;
        case key::VariPlay:
            m.vari(true);
            break;
        case key::Locate:
        case key::LocateAndPlay: {
            const int t = timeArgument(args);
            locateTo(t >= 0 ? t : inPoints_[i], k == key::LocateAndPlay);
            break;
        }
        default:
            break;
    }
}

void Synchroniser::recordKey(Machine& m) {
    const int armByte = armByteOf(m.number());
    if (m.recordInhibit()) {
        raiseError(syserr::RecordInhibit);
    } else if (!m.recordEnabled()) {
        raiseError(syserr::NotRecordEnabled);
    } else if (armByte < 0 || armMask_[static_cast<std::size_t>(armByte)] == 0) {
        raiseError(syserr::NoTracksArmed);
    } else {
        m.record(true);
    }
}

void Synchroniser::keyToAll(std::uint8_t code) {
    for (Machine& m : machines_) {
        if (m.number() == master_) continue;
        switch (code) {
            case proto::ext::AllChaseOn:
                m.setChase(true);
                m.setChaseGroup(true);
                break;
            case proto::ext::AllChaseOff:
                m.setChase(false);
                break;
            case proto::ext::AllChaseClear:
                m.setChase(false);
                m.setChaseGroup(false);
                break;
            default:
                break;
        }
    }
}

void Synchroniser::keyToGroup(std::uint8_t code) {
    for (Machine& m : machines_) {
        if (!m.chaseGroup()) continue;
        if (code == proto::ext::GroupRecordOn) recordKey(m);
        if (code == proto::ext::GroupRecordOff) m.record(false);
    }
}

void Synchroniser::armTracks(std::span<const std::uint8_t, 3> mask) {
    std::copy(mask.begin(), mask.end(), armMask_.begin());
    for (Machine& m : machines_) {
        const int b = armByteOf(m.number());
        m.setArmed(b >= 0 && armMask_[static_cast<std::size_t>(b)] != 0);
    }
    touchSystemData();
}

std::array<std::uint8_t, 14> Synchroniser::readyMap() const {
    std::array<std::uint8_t, 14> map{};
    std::copy(armMask_.begin(), armMask_.end(), map.begin());
    return map;
}

std::array<std::uint8_t, 14> Synchroniser::recordMap() const {
    std::array<std::uint8_t, 14> map{};
    for (const Machine& m : machines_) {
        const int b = armByteOf(m.number());
        if (b >= 0 && m.transport() == Transport::RecordOn)
            map[static_cast<std::size_t>(b)] = armMask_[static_cast<std::size_t>(b)];
    }
    return map;
}

std::array<std::uint8_t, 3> Synchroniser::machineReady(int number) const {
    std::array<std::uint8_t, 3> tracks{};
    const int b = armByteOf(number);
    if (b >= 0) tracks[static_cast<std::size_t>(b)] = armMask_[static_cast<std::size_t>(b)];
    return tracks;
}

std::array<std::uint8_t, 3> Synchroniser::machineRecord(int number) const {
    const Machine* m = machine(number);
    if (m == nullptr || m->transport() != Transport::RecordOn) return {};
    return machineReady(number);
}

// System status byte:
//   bits 0-1 the master's frame rate, bit 2 fresh system data, bit 3 local (never: the
//   simulated system is always remote), bit 4 the master is locating, bit 5 a machine records,
//   bit 6 a machine is not locked, bit 7 the master runs locked
std::uint8_t Synchroniser::systemStatus() const {
    const Machine& m = machines_[static_cast<std::size_t>(master_ - 1)];
    namespace bit = proto::masterposition::systemstatus;
    std::uint8_t s =
        static_cast<std::uint8_t>(m.setup().frameRate & proto::masterposition::StatusFrameRate);
    if (sysDataPeriods_ > 0) s |= bit::SysData;
    if (m.transport() == Transport::Locate) s |= bit::Goto;
    bool recording = false;
    bool allLocked = m.locked();
    for (const Machine& x : machines_) {
        recording = recording || x.transport() == Transport::RecordOn;
        if (x.chasing()) allLocked = allLocked && x.locked();
    }
    if (recording) s |= bit::Record;
    if (!allLocked) s |= bit::NotLocked;
    const bool running = m.transport() == Transport::Play || m.transport() == Transport::RecordOn;
    if (running && m.locked()) s |= bit::MasterLocked;
    return s;
}

tally::SystemView Synchroniser::view() const {
    return {static_cast<std::uint8_t>(master_),
            machines_[static_cast<std::size_t>(master_ - 1)].position(), systemStatus(),
            static_cast<std::uint8_t>(selected_), error_};
}

void Synchroniser::tick() {
    if (cyclicPeriods_ > 0) --cyclicPeriods_;
    if (sysDataPeriods_ > 0) --sysDataPeriods_;
    if (errorPeriods_ > 0 && --errorPeriods_ == 0) error_ = 0;
    if (errorPeriods_ == 0 && rng_.chance(SpontaneousErrorChance))
        raiseError(SpontaneousErrors[static_cast<std::size_t>(rng_.range(0, 3))]);

    Machine& master = machines_[static_cast<std::size_t>(master_ - 1)];
    master.tick(rng_);
    for (Machine& m : machines_) {
        if (m.number() == master_) continue;
        if (m.chasing()) {
            m.follow(master, rng_);
        } else {
            m.tick(rng_);
        }
    }
}

}  // namespace sim
