// Extended commands (0N A0 kk ..): their names, the `command` label and the trace flag.
#include "app/Zr8a.h"
#include "decode/extnames.h"
#include "decode/tallynames.h"

#include <QLabel>

// An extended command (decode/extnames.h) into the command label and the trace flag.
void Tzr8f::extcmd() {
    const decode::ExtendedCommandSeen seen = decode::extendedCommand(Rx.frame);
    if (seen.trackMap)
        Lrecenab(decode::trackrow::Command);
    else if (seen.name)
        Parsed.name = *seen.name;
    Parsed.traceDue = seen.shown;
    if (seen.shown) command->setText(Parsed.name);
}

QString Tzr8f::extcmd2str(std::uint8_t k) {
    return decode::keyCommandName(k);
}
