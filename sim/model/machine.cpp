#include "sim/model/machine.h"

#include "sim/model/timecode.h"

#include "link/codes.h"
#include "link/tallycodes.h"

#include <algorithm>
#include <cstdlib>

namespace sim {

namespace {
// The bits of the status and details tallies and of the Sony status data.
namespace st1 = proto::machinestatus::status1;
namespace st2 = proto::machinestatus::status2;
namespace st3 = proto::machinestatus::status3;
namespace details = proto::machinedetails;
namespace sony = proto::sonystatus;

constexpr int LockPeriods = 12;     // about half a second from a start to servo lock
constexpr int LocateStep = 250;     // frames per period while locating (10 s of material)
constexpr int EjectPeriods = 75;    // three seconds until the operator loads a cassette again
constexpr int LockedErrorSpan = 4;  // a locked machine's sync error stays within this
// A hunting servo swings its sync error from -HuntReach to +HuntReach and back in HuntPeriods.
constexpr int HuntPeriods = 50;
constexpr int HuntReach = 12;
// A machine that drops out is lost for DropPeriods of every DropCycle, DropStart into it.
constexpr int DropCycle = 500;
constexpr int DropStart = 200;
constexpr int DropPeriods = 100;
}  // namespace

Machine::Machine(int number, const MachineSetup& setup, int position)
    : number_(number),
      setup_(setup),
      position_(wrapDay(position)),
      offset_(setup.offset),
      subFrames_(setup.subFrames),
      recordEnabled_(setup.recordEnabled) {}

void Machine::startMoving(Transport t) {
    if (t == transport_) return;
    const bool wasAtSpeed = transport_ == Transport::Play || transport_ == Transport::RecordOn;
    transport_ = t;
    cued_ = false;
    jogPhase_ = 0;
    if (tapeState_ == TapeStart && !isReverse(t)) tapeState_ = 0;
    const bool atSpeed =
        t == Transport::Play || t == Transport::RecordOn || t == Transport::ReversePlay;
    // Play to record and back keeps the lock; every other start has to lock again.
    if (atSpeed && !(wasAtSpeed && (t == Transport::Play || t == Transport::RecordOn))) {
        lockTicks_ = LockPeriods;
        syncError_ = 3 * LockPeriods;
    }
}

void Machine::play() {
    startMoving(Transport::Play);
}
void Machine::pause() {
    startMoving(Transport::Pause);
}
void Machine::stop() {
    startMoving(Transport::Stop);
}
void Machine::reversePlay() {
    startMoving(Transport::ReversePlay);
}
void Machine::wind(bool forward) {
    startMoving(forward ? Transport::FastFwd : Transport::FastRvs);
}
void Machine::shuttle(bool forward) {
    startMoving(forward ? Transport::ShuttleFwd : Transport::ShuttleRvs);
}
void Machine::jog(bool forward) {
    startMoving(forward ? Transport::JogFwd : Transport::JogRvs);
}
void Machine::vari(bool forward) {
    startMoving(forward ? Transport::VariFwd : Transport::VariRvs);
}

void Machine::record(bool on) {
    if (on) {
        startMoving(Transport::RecordOn);
    } else if (transport_ == Transport::RecordOn) {
        startMoving(Transport::Play);
    }
}

void Machine::locate(int target, bool thenPlay) {
    locateTarget_ = wrapDay(target);
    playAfterLocate_ = thenPlay;
    startMoving(Transport::Locate);
}

void Machine::eject() {
    stop();
    tapeState_ = NoTape;
    tapeTicks_ = EjectPeriods;
}

void Machine::setChase(bool on) {
    chase_ = on;
    if (!on) chaseGroup_ = false;
}

void Machine::stepToward(int target, int maxStep) {
    // The short way round the 24-hour clock.
    int distance = wrapDay(target - position_);
    if (distance > FramesPerDay / 2) distance -= FramesPerDay;
    // Far away the transport closes an eighth of the distance a period, near it winds at full
    // speed: a locate across hours takes a couple of seconds, like a disk or a fast deck.
    const int step = std::max(maxStep, std::abs(distance) / 8);
    position_ = wrapDay(position_ + std::clamp(distance, -step, step));
}

bool Machine::atSpeed() const {
    return transport_ == Transport::Play || transport_ == Transport::RecordOn ||
           transport_ == Transport::ReversePlay;
}

bool Machine::droppedOut() const {
    const int at = troublePhase_ % DropCycle;
    return trouble_ == Trouble::DropsOut && at >= DropStart && at < DropStart + DropPeriods;
}

// Draws nothing from the random stream, so that a troubled run leaves the others' chances alone.
void Machine::advanceTrouble() {
    if (trouble_ == Trouble::None) return;
    const bool wasOut = droppedOut();
    ++troublePhase_;
    if (wasOut && !droppedOut() && atSpeed()) {
        // Back: the servo has to lock again.
        lockTicks_ = LockPeriods;
        syncError_ = 3 * LockPeriods;
    }
}

void Machine::tick(SimRandom& rng) {
    advanceTrouble();
    if (tapeState_ == NoTape && --tapeTicks_ <= 0) tapeState_ = 0;
    if (lockTicks_ > 0) --lockTicks_;
    switch (transport_) {
        case Transport::Locate:
            stepToward(locateTarget_, LocateStep);
            if (position_ == locateTarget_) {
                transport_ = playAfterLocate_ ? Transport::Play : Transport::Pause;
                lockTicks_ = playAfterLocate_ ? LockPeriods : 0;
                cued_ = !playAfterLocate_;
            }
            break;
        case Transport::JogFwd:
        case Transport::JogRvs:
            // A frame every fourth period: a crawl the eye can follow.
            if (++jogPhase_ % 4 == 0) position_ += transport_ == Transport::JogFwd ? 1 : -1;
            break;
        default:
            position_ += framesPerPeriod(transport_);
            break;
    }
    if (position_ < 0) {
        // Wound off the head of the tape.
        position_ = 0;
        transport_ = Transport::Stop;
        tapeState_ = TapeStart;
    }
    position_ = wrapDay(position_);
    wanderSyncError(rng);
}

void Machine::follow(const Machine& master, SimRandom& rng) {
    advanceTrouble();
    if (lockTicks_ > 0) --lockTicks_;
    const int target = wrapDay(static_cast<long long>(master.position()) + offset_);
    int distance = wrapDay(target - position_);
    if (distance > FramesPerDay / 2) distance -= FramesPerDay;
    if (std::abs(distance) > 2) {
        // Catching up: a chase locate, at wind speed.
        if (transport_ != Transport::Locate) {
            transport_ = Transport::Locate;
            cued_ = false;
        }
        stepToward(target, LocateStep);
        locateTarget_ = target;
        syncError_ = 0;
        return;
    }
    Transport mirrored = master.transport();
    if (mirrored == Transport::RecordOn) mirrored = Transport::Play;
    if (transport_ == Transport::RecordOn && mirrored == Transport::Play) mirrored = transport_;
    if (mirrored != transport_) {
        const bool fromLocate = transport_ == Transport::Locate;
        startMoving(mirrored);
        if (fromLocate && mirrored == Transport::Pause) cued_ = true;
    }
    position_ = target;
    wanderSyncError(rng);
}

void Machine::wanderSyncError(SimRandom& rng) {
    if (!atSpeed() || droppedOut()) {
        syncError_ = 0;
        return;
    }
    if (lockTicks_ > 0) {
        // Pulling in: the error shrinks as the servo locks.
        syncError_ = 3 * lockTicks_ * (syncError_ < 0 ? -1 : 1);
        return;
    }
    if (trouble_ == Trouble::Hunts) {
        const int at = troublePhase_ % HuntPeriods;
        const int half = HuntPeriods / 2;
        syncError_ = (at < half ? at : HuntPeriods - at) * 2 * HuntReach / half - HuntReach;
        return;
    }
    if (std::abs(syncError_) > LockedErrorSpan) syncError_ = 0;
    if (rng.chance(0.08)) {
        syncError_ =
            std::clamp(syncError_ + (rng.chance(0.5) ? 1 : -1), -LockedErrorSpan, LockedErrorSpan);
    }
}

bool Machine::locked() const {
    if (droppedOut()) return false;
    if (trouble_ == Trouble::Hunts && atSpeed() && std::abs(syncError_) > LockedErrorSpan)
        return false;
    switch (transport_) {
        case Transport::Stop:
        case Transport::Pause:
            return true;
        case Transport::Play:
        case Transport::RecordOn:
        case Transport::ReversePlay:
            return lockTicks_ == 0;
        default:
            return false;
    }
}

// Status byte 1:
//   bit 0 input monitor, 1 rehearse, 2 record inhibit, 3 armed, 4 goto (locating),
//   5 record, 6 not locked, 7 reverse
std::uint8_t Machine::status1() const {
    std::uint8_t s = 0;
    if (setup_.inputMonitor) s |= st1::InputMonitor;
    if (rehearse_) s |= st1::Rehearse;
    if (setup_.recordInhibit) s |= st1::RecordInhibit;
    if (armed_) s |= st1::Armed;
    if (transport_ == Transport::Locate) s |= st1::Goto;
    if (transport_ == Transport::RecordOn) s |= st1::Record;
    if (!locked()) s |= st1::NotLocked;
    const bool backwards =
        isReverse(transport_) ||
        (transport_ == Transport::Locate && wrapDay(locateTarget_ - position_) > FramesPerDay / 2);
    if (backwards) s |= st1::Reverse;
    return s;
}

// Status byte 2:
//   bits 0-2 tape condition (0 normal, 3 tape start, 6 no tape), bit 3 still, bit 4 cued,
//   bits 6-7 speed (0 play, 1 fast, 2 slow)
std::uint8_t Machine::status2() const {
    std::uint8_t s =
        static_cast<std::uint8_t>((droppedOut() ? NoComms : tapeState_) & st2::Condition);
    if (transport_ == Transport::Pause) s |= st2::Still;
    if (cued_) s |= st2::Cued;
    s |= static_cast<std::uint8_t>(speedClass(transport_) << st2::SpeedShift);
    return s;
}

// Status byte 3:
//   bit 0 record enabled, bit 3 chase active, bit 4 chase group, bit 5 programmed play (vari),
//   bit 6 RAM scrub (jog)
std::uint8_t Machine::status3() const {
    std::uint8_t s = 0;
    if (recordEnabled_) s |= st3::RecordEnabled;
    if (chase_) s |= st3::Chase;
    if (chaseGroup_) s |= st3::ChaseGroup;
    if (transport_ == Transport::VariFwd || transport_ == Transport::VariRvs) s |= st3::Vari;
    if (transport_ == Transport::JogFwd || transport_ == Transport::JogRvs) s |= st3::Jog;
    return s;
}

std::uint8_t Machine::syncErrorByte() const {
    return proto::machinestatus::syncErrorByte(syncError_);
}

std::uint8_t Machine::detailsByte() const {
    std::uint8_t d = static_cast<std::uint8_t>((setup_.editMode & details::EditMode) |
                                               (setup_.frameRate & details::FrameRate)
                                                   << details::FrameRateShift);
    if (recordEnabled_) d |= details::RecordEnable;
    return d;
}

// Sony status bytes (61 20 reads a run of them):
//   byte 0: bit 0 local, bit 5 cassette out
//   byte 1: bit 0 play, 1 record, 2 fast forward, 3 rewind, 5 stop
//   byte 2: bit 0 cue-up complete, 1 still, 2 reverse direction, 3 var, 4 jog, 5 shuttle,
//           7 servo lock
std::array<std::uint8_t, 16> Machine::sonyStatus() const {
    std::array<std::uint8_t, 16> s{};
    if (tapeState_ == NoTape) s[0] |= sony::CassetteOut;
    switch (transport_) {
        case Transport::Play:
        case Transport::ReversePlay:
            s[1] |= sony::Play;
            break;
        case Transport::RecordOn:
            s[1] |= sony::Play | sony::Record;
            break;
        case Transport::FastFwd:
            s[1] |= sony::FastForward;
            break;
        case Transport::FastRvs:
            s[1] |= sony::Rewind;
            break;
        case Transport::Stop:
            s[1] |= sony::Stop;
            break;
        case Transport::VariFwd:
        case Transport::VariRvs:
            s[2] |= sony::Var;
            break;
        case Transport::JogFwd:
        case Transport::JogRvs:
            s[2] |= sony::Jog;
            break;
        case Transport::ShuttleFwd:
        case Transport::ShuttleRvs:
            s[2] |= sony::Shuttle;
            break;
        default:
            break;
    }
    if (cued_) s[2] |= sony::CueUpComplete;
    if (transport_ == Transport::Pause) s[2] |= sony::Still;
    if (isReverse(transport_)) s[2] |= sony::Reverse;
    if (locked()) s[2] |= sony::ServoLock;
    return s;
}

}  // namespace sim
