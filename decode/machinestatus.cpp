// The machine panel, from the monitored machine's status tally.
#include "app/Zr8a.h"
#include "decode/gridcolumn.h"
#include "decode/machinepanel.h"
#include "decode/tallynames.h"
#include "link/StringGrid.h"

#include <QLabel>

namespace {
const QString NoPosition = QStringLiteral("---:---:---:---");
const QString NoValue = QStringLiteral("---");
}  // namespace

// The monitored machine's status tally (decode/machinepanel.cpp) into the panel.
void Tzr8f::mcnstatus() {
    Parsed.name = *decode::tallyName(decode::tallykind::MachineStatus);
    const decode::MachineStatusSeen seen =
        decode::machineStatus(Rx.frame, Rx.length, LastMcnStatus);
    if (seen.position) Mcnpos->setText(*seen.position);
    Parsed.traceDue = seen.changed;
    if (!seen.changed) return;
    LastMcnStatus.take(Rx.frame, Rx.length);
    if (seen.state) tally->setText(*seen.state);
    if (seen.status1) decode::writeColumn(*statgrid, 1, *seen.status1);
    if (seen.status2) decode::writeColumn(*statgrid, 2, *seen.status2);
    if (seen.syncError) SyncError->setText(*seen.syncError);
    if (seen.status3) decode::writeColumn(*statgrid, 3, *seen.status3);
}

void Tzr8f::statgridinit() {
    statgrid->setFixedRows(0);
    statgrid->setFixedCols(0);
    const std::array<QString, 5> headers{QStringLiteral("Bit"), QStringLiteral("Status1"),
                                         QStringLiteral("Status2"), QStringLiteral("Status3"),
                                         QStringLiteral("Status4")};
    for (int c = 0; c < static_cast<int>(headers.size()); ++c) statgrid->setCell(c, 0, headers[c]);
    statbitsno->setCell(0, 0, headers[0]);
    for (int row = 1; row <= 8; ++row) {
        const QString bit = QString::number(row - 1);
        statgrid->setCell(0, row, bit);
        statbitsno->setCell(0, row, bit);
        for (int c = 1; c <= 4; ++c) statgrid->setCell(c, row, QString());
    }
    statgrid->selectCell(0, 0);
    statgrid->setFixedRows(1);
    statgrid->setFixedCols(1);
}

// Also forgets the reference copy, so that the next tally redraws the panel even when it
// repeats the status seen before the reset.
void Tzr8f::mcnstatinit() {
    statgridinit();
    MonMcnLabel->setText(QString());
    Mcnpos->setText(NoPosition);
    mcnoff->setText(NoPosition);
    mcnsuboff->setText(NoValue);
    RecTrks->setText(NoValue);
    SyncError->setText(NoValue);
    tally->setText(QString());
    mcnid->setText(QString());
    SonyID->setText(QStringLiteral("$------"));
    LastMcnStatus.forget();
}
