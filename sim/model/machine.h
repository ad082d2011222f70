#pragma once
// One machine on the synchroniser: its transport, position, offset, lock and sync error, and the
// status bytes it reports. The synchroniser drives it with the primitives below once per 40 ms
// period; key commands are mapped onto them by the synchroniser, which knows the system.
#include "sim/model/machinesetup.h"
#include "sim/model/rng.h"
#include "sim/model/transport.h"

#include <array>
#include <cstdint>

namespace sim {

// What goes wrong with a machine in a troubled system: one whose servo hunts (its sync error
// swings through lock and out again while it runs), one that now and then drops out (the
// synchroniser loses it for a few seconds, reports "No Comms", and it locks again on its return).
enum class Trouble { None, Hunts, DropsOut };

class Machine {
  public:
    Machine(int number, const MachineSetup& setup, int position);

    int number() const { return number_; }
    const MachineSetup& setup() const { return setup_; }

    // ---- Transport ------------------------------------------------------------------------
    void play();
    void pause();
    void stop();
    void reversePlay();
    void wind(bool forward);
    void shuttle(bool forward);
    void jog(bool forward);
    void vari(bool forward);
    void record(bool on);
    void locate(int target, bool thenPlay);
    void eject();
    // In chase the machine follows the master at its offset; a transport key takes it out.
    void setChase(bool on);
    void setChaseGroup(bool on) { chaseGroup_ = on; }
    void setOffset(int frames) { offset_ = frames; }
    void setSubFrames(int value) { subFrames_ = value & 0xFF; }
    void toggleRehearse() { rehearse_ = !rehearse_; }
    void toggleRecordEnabled() { recordEnabled_ = !recordEnabled_; }
    void setArmed(bool armed) { armed_ = armed; }
    void setTrouble(Trouble t) { trouble_ = t; }

    // One 40 ms period of its own motion (a chasing machine is moved by follow instead).
    void tick(SimRandom& rng);
    // One period of chasing: the machine runs after `master` at its offset.
    void follow(const Machine& master, SimRandom& rng);

    // ---- What it reports ------------------------------------------------------------------
    Transport transport() const { return transport_; }
    int position() const { return position_; }
    int offset() const { return offset_; }
    int subFrames() const { return subFrames_; }
    int syncError() const { return syncError_; }
    bool chasing() const { return chase_; }
    bool chaseGroup() const { return chaseGroup_; }
    bool recordEnabled() const { return recordEnabled_; }
    bool recordInhibit() const { return setup_.recordInhibit; }
    bool armed() const { return armed_; }
    bool hasTape() const { return tapeState_ != NoTape; }
    bool locked() const;
    bool cued() const { return cued_; }
    bool droppedOut() const;

    std::uint8_t status1() const;
    std::uint8_t status2() const;
    std::uint8_t status3() const;
    // The sync error as the tally carries it: bit 7 the sign, bits 0-6 the size.
    std::uint8_t syncErrorByte() const;
    // Details byte: bits 0-1 edit mode, 2-3 frame rate, bit 7 record enable.
    std::uint8_t detailsByte() const;
    // The Sony status bytes 0 to 15 that a 61 20 status sense reads.
    std::array<std::uint8_t, 16> sonyStatus() const;

    static constexpr std::uint8_t TapeStart = 3;
    static constexpr std::uint8_t NoTape = 6;
    static constexpr std::uint8_t NoComms = 7;

  private:
    void startMoving(Transport t);
    void wanderSyncError(SimRandom& rng);
    void stepToward(int target, int maxStep);
    bool atSpeed() const;
    void advanceTrouble();

    int number_;
    MachineSetup setup_;
    Transport transport_ = Transport::Stop;
    int position_;
    int offset_;
    int subFrames_;
    int locateTarget_ = 0;
    bool playAfterLocate_ = false;
    int lockTicks_ = 0;  // periods until the servo locks after a start
    int syncError_ = 0;
    int jogPhase_ = 0;
    int tapeState_ = 0;  // status byte 2 bits 0-2
    int tapeTicks_ = 0;  // periods until an ejected cassette is back
    bool cued_ = false;
    bool chase_ = false;
    bool chaseGroup_ = false;
    bool rehearse_ = false;
    bool recordEnabled_;
    bool armed_ = false;
    Trouble trouble_ = Trouble::None;
    int troublePhase_ = 0;  // periods since the trouble began
};

}  // namespace sim
