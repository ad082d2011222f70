#pragma once
// The six machines the simulated synchroniser controls, as they are set up when it starts:
// name, Sony device type, record tracks, edit mode, frame rate and the offset to the master.
#include <array>
#include <cstdint>
#include <string_view>

namespace sim {

struct MachineSetup {
    std::string_view name;  // six characters, as the details tally carries them
    std::uint8_t sonyId1;
    std::uint8_t sonyId2;
    std::uint8_t tracksCode;  // 0 None, 1 A+V, 2 "8", 3 "16", 4 "24", 5 "32", 6 "40", 7 "48"
    std::uint8_t editMode;    // 0 A+V Off, 1 A1,A2, 2 A1,A2,V, 3 Assemble
    std::uint8_t frameRate;   // 0 EBU 25fps, 1 SMPTE 30fps, 2 Film 24fps, 3 SMPTE Drop
    bool recordEnabled;
    bool recordInhibit;
    bool inputMonitor;
    int offset;  // frames ahead of the master
    int subFrames;
};

inline constexpr int MaxMachines = 6;

inline constexpr std::array<MachineSetup, MaxMachines> MachineSetups{{
    {"VTR 01", 0x20, 0x24, 1, 3, 0, true, false, false, 0, 0},
    {"VTR 02", 0x20, 0x25, 1, 2, 0, true, false, false, 250, 12},
    {"DTR 03", 0x20, 0x2D, 2, 1, 0, true, false, false, 1500, 40},
    {"ATR 04", 0x10, 0x04, 4, 0, 1, false, false, true, 90000, 0},
    {"VTR 05", 0x20, 0x22, 1, 2, 0, false, true, false, 125, 7},
    {"DAW 06", 0xF0, 0x06, 7, 0, 2, true, false, false, 0, 40},
}};

// Where the master stands when the synchroniser starts: 10:00:00:00.
inline constexpr int StartPosition = 10 * 60 * 60 * 25;

// Logical record tracks: machine m (1 to 3) owns tracks 8m-7 to 8m, the 24 tracks the control
// window arms; the other machines own none of those.
constexpr int armByteOf(int machine) {
    return machine >= 1 && machine <= 3 ? machine - 1 : -1;
}

}  // namespace sim
