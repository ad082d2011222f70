// The system panel and the monitored machine's set-up, from the master-position, offset and
// details tallies.
#include "app/Zr8a.h"
#include "decode/gridcolumn.h"
#include "decode/systempanel.h"
#include "decode/tallynames.h"
#include "link/StringGrid.h"

#include <QLabel>
#include <QPalette>

namespace {

const QString NoPosition = QStringLiteral("---:---:---:---");

void showSystemError(QLabel& label, const decode::SystemErrorSeen& error) {
    label.setText(error.text);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window,
                     error.alarm ? QColor(Qt::red) : palette.color(QPalette::Button));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

}  // namespace

// The master-position tally (decode/systempanel.cpp) into the system panel; it also closes the
// transmit gate, as the synchroniser is about to speak.
void Tzr8f::Masterpoz() {
    Parsed.name = *decode::tallyName(decode::tallykind::MasterPosition);
    Tx.close();
    const decode::MasterPositionSeen seen =
        decode::masterPosition(Rx.frame, Rx.length, MasterMcnNo, SelectMcnNo, LastMasterPoz);
    if (seen.position) Position->setText(*seen.position);
    if (seen.master) {
        MasterMcnNo = seen.master->number;
        MastMcn->setText(seen.master->text);
    }
    Parsed.traceDue = seen.changed;
    if (!seen.changed) return;
    LastMasterPoz.take(Rx.frame, Rx.length);
    if (seen.status) decode::writeColumn(*SysStatSGrid, 1, *seen.status);
    if (seen.selected) {
        SelectMcnNo = seen.selected->number;
        CurrMcn->setText(seen.selected->text);
    }
    if (seen.error) showSystemError(*ErrorMsg, *seen.error);
}

// The monitored machine's offset tally (decode/machinepanel.cpp).
void Tzr8f::mcnoffset() {
    Parsed.name = *decode::tallyName(decode::tallykind::MachineOffset);
    const decode::MachineOffsetSeen seen = decode::machineOffset(Rx.frame, Rx.length);
    if (seen.offset) mcnoff->setText(*seen.offset);
    if (seen.subFrames) mcnsuboff->setText(*seen.subFrames);
}

// The monitored machine's details tally (decode/machinepanel.cpp).
void Tzr8f::mcndetails() {
    Parsed.name = *decode::tallyName(decode::tallykind::MachineDetails);
    const decode::MachineDetailsSeen seen = decode::machineDetails(Rx.frame, Rx.length);
    if (seen.sonyId) SonyID->setText(*seen.sonyId);
    if (seen.recordTracks) RecTrks->setText(*seen.recordTracks);
    if (seen.details) decode::writeColumn(*statgrid, 4, *seen.details);
    if (seen.name) mcnid->setText(seen.name->text);
    SystemAscii();
}

// Any machine's details tally: its name goes to the master and selection labels.
void Tzr8f::SystemAscii() {
    const auto name = decode::machineName(Rx.frame, Rx.length);
    if (!name) return;
    if (name->number == SelectMcnNo) CurrMcn->setText(name->text);
    if (name->number == MasterMcnNo) MastMcn->setText(name->text);
}

void Tzr8f::SysStatSGridInit() {
    SysStatSGrid->setFixedRows(0);
    SysStatSGrid->setFixedCols(0);
    SysStatSGrid->clearCells();
    SysStatSGrid->setCell(0, 0, QStringLiteral("Bit"));
    SysStatSGrid->setCell(1, 0, QStringLiteral("Status S"));
    SysStatSGrid->setCell(0, 1, QStringLiteral("0,1"));
    for (int row = 2; row <= 7; ++row) SysStatSGrid->setCell(0, row, QString::number(row));
    SysStatSGrid->selectCell(0, 0);
    SysStatSGrid->setFixedRows(1);
    SysStatSGrid->setFixedCols(1);
}

// Also forgets the master, the selection and the reference copy, so that the next master-position
// tally redraws the panel instead of leaving it blank while the system is in a known state.
void Tzr8f::sysstatinit() {
    Position->setText(NoPosition);
    MastMcn->setText(QString());
    CurrMcn->setText(QString());
    SysStatSGridInit();
    MasterMcnNo = NoMachine;
    SelectMcnNo = NoMachine;
    LastMasterPoz.forget();
}
