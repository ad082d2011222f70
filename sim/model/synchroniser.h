#pragma once
// The simulated synchroniser: machines A to F, the master and the current selected machine, the
// system status, the system error code, record arming and the cyclic-data switch. It moves on
// one 40 ms period at a time; what it says on the line is built from it by the tally builders.
#include "sim/model/machine.h"
#include "sim/model/rng.h"
#include "sim/model/tallies.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace sim {

class Synchroniser {
  public:
    // A troubled system starts running, every machine chasing the master; B hunts and C drops
    // out now and then (quenlar-sim --hunt).
    Synchroniser(int machineCount, std::uint64_t seed, bool troubled = false);

    int machineCount() const { return static_cast<int>(machines_.size()); }
    // Machine 1..machineCount, or nullptr for a number the system does not have.
    Machine* machine(int number);
    const Machine* machine(int number) const;
    std::span<const Machine> machines() const { return machines_; }

    int master() const { return master_; }
    int selected() const { return selected_; }
    void select(int number);
    void makeMaster(int number);

    // Cyclic tallies flow while a controller keeps asking for them: an enable request holds
    // for five seconds, a disable request ends them at once.
    void setCyclic(bool on);
    bool cyclic() const { return cyclicPeriods_ > 0; }

    // A key command to one machine; `args` are the bytes that follow the key number.
    void key(int machine, std::uint8_t keyCommand, std::span<const std::uint8_t> args);
    // 0x8B A1 xx: to all machines.
    void keyToAll(std::uint8_t code);
    // 0x8B A0 xx: to the chase group.
    void keyToGroup(std::uint8_t code);

    // Tracks 1-24 armed for record (bit 0 of byte 0 is track 1).
    void armTracks(std::span<const std::uint8_t, 3> mask);
    const std::array<std::uint8_t, 3>& armMask() const { return armMask_; }
    std::array<std::uint8_t, 14> readyMap() const;
    std::array<std::uint8_t, 14> recordMap() const;
    // The 24 logical tracks of one machine that are ready / recording.
    std::array<std::uint8_t, 3> machineReady(int machine) const;
    std::array<std::uint8_t, 3> machineRecord(int machine) const;

    void raiseError(std::uint8_t code);
    void clearError() {
        error_ = 0;
        errorPeriods_ = 0;
    }
    std::uint8_t error() const { return error_; }
    std::uint8_t systemStatus() const;
    tally::SystemView view() const;
    // Marks the system data as fresh (the "Sys Data" bit) for a second.
    void touchSystemData() { sysDataPeriods_ = 25; }

    // One 40 ms period: machines move, chasers follow the master, errors time out.
    void tick();

  private:
    void startTroubled();
    void transportKey(Machine& m, std::uint8_t k, std::span<const std::uint8_t> args);
    void recordKey(Machine& m);

    SimRandom rng_;
    std::vector<Machine> machines_;
    std::vector<int> inPoints_;
    std::vector<int> outPoints_;
    std::vector<int> lastLocates_;
    int master_ = 1;
    int selected_ = 1;
    int cyclicPeriods_ = 0;
    std::uint8_t error_ = 0;
    int errorPeriods_ = 0;
    int sysDataPeriods_ = 0;
    std::array<std::uint8_t, 3> armMask_{};
};

}  // namespace sim
