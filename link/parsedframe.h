#pragma once
// What dispatch and the decoders make of the frame in hand, for the raw-traffic grids and the
// traces.
#include <QString>

struct ParsedFrame {
    QString hex;  // the frame's trace-all line
    // What the next frame's "no reply" note quotes: the frame's hex, or its command-trace line
    // once that was written (the trace header when a command trace has just started).
    QString quoted;
    QString previousHex;    // the last frame's `quoted`; the "no reply" note once written
    QString name;           // shown in the grids, the command label and the command trace
    bool traceDue = false;  // a decoder saw a change worth a command-trace line

    QString groupHex;  // CMD1's group, one digit
    QString cmd2Hex;
    // DATA0..DATA2 whatever the frame's length: past a short frame, bytes of earlier frames.
    QString data0Hex;
    QString data1Hex;
    QString data2Hex;

    int senseStart = 0;  // from the last status sense 61 20 sn; shifts row 1 of grid2
};
