#pragma once
// One run of the simulator on its pseudo-terminal: the clock of 40 ms periods, the paced writer,
// the reading of what the far side says, and the replay of a capture.
#include "sim/program/options.h"
#include "sim/wire/stats.h"

#include <csignal>
#include <cstdint>

class QTextStream;

namespace sim {

class PseudoTerminal;

// Flags set from signal handlers.
struct SessionSignals {
    volatile std::sig_atomic_t* stop;     // end the run
    volatile std::sig_atomic_t* release;  // end --hold
};

class Session {
  public:
    Session(const SimOptions& options, std::uint64_t seed, PseudoTerminal& pty, QTextStream& out,
            QTextStream& err);
    // Runs until the duration is over or a stop is signalled; returns the counts.
    Stats run(const SessionSignals& flags);

  private:
    const SimOptions& options_;
    std::uint64_t seed_;
    PseudoTerminal& pty_;
    QTextStream& out_;
    QTextStream& err_;
};

}  // namespace sim
