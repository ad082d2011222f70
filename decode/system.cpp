// The system panel and the monitored machine's set-up, from the master-position, offset and
// details tallies.
#include "app/Zr8a.h"
#include "decode/gridcolumn.h"
#include "decode/rxview.h"
#include "decode/systemnames.h"
#include "decode/tallynames.h"
#include "link/StringGrid.h"

#include <QLabel>
#include <QPalette>

namespace {

const QString NoPosition = QStringLiteral("---:---:---:---");

// Red while an error is shown, the button colour otherwise.
void showSystemError(QLabel& label, std::uint8_t code) {
    label.setText(decode::systemErrorText(code));
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window,
                     code != 0 ? QColor(Qt::red) : palette.color(QPalette::Button));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

// The machine's letter and its six-character name from a details tally.
QString machineName(const decode::RxView& f) {
    namespace at = decode::machinedetails;
    return decode::machineTag(f.data(at::Machine), f.chars(at::Name, at::NameLength));
}

bool carriesName(const decode::RxView& f) {
    namespace at = decode::machinedetails;
    return f.has(at::Machine) && f.has(at::Name + at::NameLength - 1);
}

}  // namespace

//   1N A0 80 mm pp pp pp ss cc ee xx cs
//            |  |        |  |  |  \_ not shown; a change redraws
//            |  |        |  |  \____ system error: ErrorMsg
//            |  |        |  \_______ current selected machine: CurrMcn
//            |  |        \__________ system status: SysStatSGrid
//            |  \___________________ master position, frames: Position (every tally)
//            \______________________ master machine: MastMcn
void Tzr8f::Masterpoz() {
    namespace at = decode::masterposition;
    using decode::dataPosition;
    const decode::RxView f(RxFrame, RxLen);
    CmdText = *decode::tallyName(decode::tallykind::MasterPosition);
    SendNow = false;
    if (f.has(at::Position + 2)) {
        std::int32_t frames = f.count24(at::Position);
        Position->setText(frmstotxt(frames, 0));
    }
    TraceChange = false;
    if (f.has(at::Master) && f.data(at::Master) != MasterMcnNo) {
        MasterMcnNo = f.data(at::Master);
        MastMcn->setText(decode::machineTag(MasterMcnNo, QStringLiteral("Master")));
        TraceChange = true;
    }
    if (LastMasterPoz.differs(RxFrame, RxLen,
                              {dataPosition(at::Status), dataPosition(at::Selected),
                               dataPosition(at::Error), dataPosition(at::Spare)})) {
        TraceChange = true;
    }
    if (!TraceChange) return;
    LastMasterPoz.take(RxFrame, RxLen);
    if (f.has(at::Status)) {
        decode::writeColumn(*SysStatSGrid, 1, decode::systemStatusColumn(f.data(at::Status)));
    }
    if (f.has(at::Selected) && f.data(at::Selected) != SelectMcnNo) {
        SelectMcnNo = f.data(at::Selected);
        CurrMcn->setText(decode::machineTag(SelectMcnNo, QStringLiteral("Select")));
    }
    if (f.has(at::Error)) showSystemError(*ErrorMsg, f.data(at::Error));
}

//   1N A0 82 mm oo oo oo sf cs
//               |        \_ sub-frames: mcnsuboff
//               \__________ offset, frames without sign: mcnoff
void Tzr8f::mcnoffset() {
    namespace at = decode::machineoffset;
    const decode::RxView f(RxFrame, RxLen);
    CmdText = *decode::tallyName(decode::tallykind::MachineOffset);
    if (f.has(at::Offset + 2)) {
        std::int32_t frames = f.count24(at::Offset);
        mcnoff->setText(frmstotxt(frames, 0));
    }
    if (f.has(at::SubFrames)) mcnsuboff->setText(QString::number(f.data(at::SubFrames)));
}

//   1N A0 83 mm i1 i2 tr dd n1 n2 n3 n4 n5 n6 cs
//            |  |     |  |  \_ name: mcnid (letter, ":", six characters)
//            |  |     |  \____ edit mode, frame rate, record enable: column Status4
//            |  |     \_______ record tracks: RecTrks
//            |  \_____________ Sony identity: SonyID
//            \________________ machine (the monitored one)
void Tzr8f::mcndetails() {
    namespace at = decode::machinedetails;
    const decode::RxView f(RxFrame, RxLen);
    CmdText = *decode::tallyName(decode::tallykind::MachineDetails);
    if (f.has(at::SonyId + 1))
        SonyID->setText(decode::sonyIdText(f.data(at::SonyId), f.data(at::SonyId + 1)));
    if (f.has(at::Tracks)) RecTrks->setText(decode::recordTracksText(f.data(at::Tracks)));
    if (f.has(at::Details))
        decode::writeColumn(*statgrid, 4, decode::detailsColumn(f.data(at::Details)));
    if (carriesName(f)) mcnid->setText(machineName(f));
    SystemAscii();
}

// Any machine's details tally (picture above): its name goes to the master and selection labels.
void Tzr8f::SystemAscii() {
    const decode::RxView f(RxFrame, RxLen);
    if (!carriesName(f)) return;
    const int machine = f.data(decode::machinedetails::Machine);
    if (machine == SelectMcnNo) CurrMcn->setText(machineName(f));
    if (machine == MasterMcnNo) MastMcn->setText(machineName(f));
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
