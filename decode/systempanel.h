#pragma once
// What the system panel shows of a master-position tally: values only, written into the widgets
// by the main window.
#include "decode/machinepanel.h"
#include "decode/systemnames.h"

namespace decode {

struct SystemErrorSeen {
    QString text;
    bool alarm = false;  // red while an error is shown, the button colour otherwise
};

struct MasterPositionSeen {
    std::optional<QString> position;     // moves on every tally
    std::optional<MachineShown> master;  // a master other than the one shown
    // The master or a status byte differs: the panel is redrawn and a trace line is due.
    bool changed = false;
    // Set only when changed, each where the frame carries it.
    std::optional<SystemStatusTexts> status;
    std::optional<MachineShown> selected;  // a selection other than the one shown
    std::optional<SystemErrorSeen> error;
};

// `shownMaster` and `shownSelected` are the machine numbers the panel shows now.
MasterPositionSeen masterPosition(const frame::Bytes& rx, int length, int shownMaster,
                                  int shownSelected, const TallyReference& reference);

}  // namespace decode
