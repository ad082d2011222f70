// Extended tallies (1N A0 kk ..): their names, the decoders they feed, the logical record track
// grid, and the release of a frame held back for the line.
#include "app/Zr8a.h"
#include "decode/rxview.h"
#include "decode/tallynames.h"
#include "decode/trackmap.h"
#include "link/StringGrid.h"

//   1N A0 kk .. cs   kk: what the tally carries; 80-83 are decoded further, 91/92 are track maps
void Tzr8f::exttally() {
    namespace kind = decode::tallykind;
    const decode::RxView f(Rx.frame, Rx.length);
    if (const auto k = f.dataIfCarried(0)) {
        switch (*k) {
            case kind::MasterPosition:
                Masterpoz();
                break;
            case kind::MachineStatus:
                mcnstatus();
                break;
            case kind::MachineOffset:
                mcnoffset();
                break;
            case kind::MachineDetails:
                mcndetails();
                break;
            case kind::ReadyBitMap:
                Lrecenab(decode::trackrow::Ready);
                break;
            case kind::RecordBitMap:
                Lrecenab(decode::trackrow::Record);
                break;
            default:
                if (const auto name = decode::tallyName(*k)) Parsed.name = *name;
                break;
        }
    }
    // A frame held while sending was paused goes out right behind the synchroniser's tally.
    Tx.release(*serial);
}

// The record-enable command (row Cmd) and the bit-map tallies (Ready, Record), decode/trackmap.h.
void Tzr8f::Lrecenab(int kind) {
    Parsed.name = decode::text(decode::TrackMapNames.at(static_cast<std::size_t>(kind)));
    const auto row = decode::trackMapRow(Rx.frame, Rx.length);
    if (!row) return;
    for (int c = 1; c <= decode::TrackColumns; ++c)
        edpreset->setCell(c, kind, (*row)[static_cast<std::size_t>(c - 1)]);
}

void Tzr8f::edpresetinit() {
    edpreset->setFixedRows(0);
    edpreset->setFixedCols(0);
    edpreset->clearCells();
    for (int c = 1; c <= decode::TrackColumns; ++c) edpreset->setCell(c, 0, decode::trackHeader(c));
    edpreset->setCell(0, decode::trackrow::Command, QStringLiteral("Cmd"));
    edpreset->setCell(0, decode::trackrow::Ready, QStringLiteral("Ready"));
    edpreset->setCell(0, decode::trackrow::Record, QStringLiteral("Record"));
    for (int row = decode::trackrow::Command; row <= decode::trackrow::Record; ++row) {
        for (int c = 1; c <= decode::TrackColumns; ++c) {
            edpreset->setCell(c, row, decode::text(decode::NotReceived));
        }
    }
    edpreset->selectCell(0, 0);
    edpreset->setFixedRows(1);
    edpreset->setFixedCols(1);
}
