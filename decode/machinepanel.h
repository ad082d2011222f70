#pragma once
// What the machine panel shows of the monitored machine's status, offset and details tallies:
// values only, written into the widgets by the main window. The byte pictures are beside the
// functions (decode/machinepanel.cpp).
#include "decode/codetable.h"
#include "decode/tallyreference.h"
#include "link/frame.h"

#include <QString>

#include <optional>

namespace decode {

// A machine's number with the text its label shows ("A:Master", "B:VTR 01").
struct MachineShown {
    int number = 0;
    QString text;
    friend bool operator==(const MachineShown&, const MachineShown&) = default;
};

// The 24-bit frame count at DATAk as time code, where the frame carries all three bytes.
std::optional<QString> positionAt(const frame::Bytes& rx, int length, int k);

struct MachineStatusSeen {
    std::optional<QString> position;  // moves on every tally
    // The status bytes differ from the reference: the panel is redrawn and a trace line is due.
    bool changed = false;
    // Set only when changed, each where the frame carries it.
    std::optional<QString> state;
    std::optional<ColumnTexts> status1;
    std::optional<ColumnTexts> status2;
    std::optional<QString> syncError;
    std::optional<ColumnTexts> status3;
};
MachineStatusSeen machineStatus(const frame::Bytes& rx, int length,
                                const TallyReference& reference);

struct MachineOffsetSeen {
    std::optional<QString> offset;
    std::optional<QString> subFrames;
};
MachineOffsetSeen machineOffset(const frame::Bytes& rx, int length);

struct MachineDetailsSeen {
    std::optional<QString> sonyId;
    std::optional<QString> recordTracks;
    std::optional<ColumnTexts> details;  // column Status4
    std::optional<MachineShown> name;    // the letter, ":" and the six-character name
};
MachineDetailsSeen machineDetails(const frame::Bytes& rx, int length);
// The name alone, which any machine's details tally gives to the master and selection labels.
std::optional<MachineShown> machineName(const frame::Bytes& rx, int length);

}  // namespace decode
