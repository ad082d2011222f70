// Extended commands (0N A0 kk ..): their names, the `command` label and the trace flag.
#include "app/Zr8a.h"
#include "decode/extnames.h"
#include "decode/rxview.h"
#include "decode/tallynames.h"

#include <QLabel>

//   0N A0 kk a1 a2 .. cs
//         |  |  \_ 8B: key command or group/all sub-command
//         |  \____ 89/8C: key command; 8B: target (A0 group, A1 all, else a machine)
//         \_______ kind
void Tzr8f::extcmd() {
    const decode::RxView f(Rx.frame, Rx.length);
    // The arguments are read where a full frame carries them; in a shorter frame those places
    // hold its checksum or bytes of an earlier frame, and the name says what they hold, exactly as
    // the controllers' own monitors show such frames.
    const std::uint8_t kind = f.data(0);
    if (kind == decode::extkind::LogicalRecordEnable) {
        Lrecenab(decode::trackrow::Command);
    } else {
        const decode::ExtendedArgs args{f.data(1), f.data(2)};
        if (const auto name = decode::extendedCommandName(kind, args)) Parsed.name = *name;
    }
    // The controller repeats the cyclic-data request about once a second: it would flood the
    // trace and hide the last real command, and it drops a trace line still pending.
    if (kind == decode::extkind::CyclicDataEnable) {
        Parsed.traceDue = false;
        return;
    }
    Parsed.traceDue = true;
    command->setText(Parsed.name);
}

QString Tzr8f::extcmd2str(std::uint8_t k) {
    return decode::keyCommandName(k);
}
