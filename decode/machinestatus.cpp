// The machine panel, from the monitored machine's status tally.
#include "app/Zr8a.h"
#include "decode/gridcolumn.h"
#include "decode/rxview.h"
#include "decode/statusnames.h"
#include "decode/tallynames.h"
#include "link/StringGrid.h"

#include <QLabel>

namespace {
const QString NoPosition = QStringLiteral("---:---:---:---");
const QString NoValue = QStringLiteral("---");
}  // namespace

//   1A A0 81 mm tt s1 s2 pp pp pp ee s3 cs
//            |  |  |  |  |        |  \_ status byte 3, column Status3
//            |  |  |  |  |        \____ sync error, sign and size: SyncError
//            |  |  |  |  \_____________ position, frames: Mcnpos (every tally)
//            |  |  |  \________________ status byte 2, column Status2
//            |  |  \___________________ status byte 1, column Status1
//            |  \______________________ transport state: tally
//            \_________________________ machine (the monitored one)
void Tzr8f::mcnstatus() {
    namespace at = decode::machinestatus;
    using decode::dataPosition;
    const decode::RxView f(RxFrame, RxLen);
    CmdText = *decode::tallyName(decode::tallykind::MachineStatus);
    if (f.has(at::Position + 2)) {
        std::int32_t frames = f.count24(at::Position);
        Mcnpos->setText(frmstotxt(frames, 0));
    }
    // The position moves on every tally; only the status bytes decide a redraw and a trace line.
    TraceChange = LastMcnStatus.differs(
        RxFrame, RxLen,
        {dataPosition(at::State), dataPosition(at::Status1), dataPosition(at::Status2),
         dataPosition(at::SyncError), dataPosition(at::Status3)});
    if (!TraceChange) return;
    LastMcnStatus.take(RxFrame, RxLen);
    if (f.has(at::State)) tally->setText(decode::transportStateName(f.data(at::State)));
    if (f.has(at::Status1))
        decode::writeColumn(*statgrid, 1, decode::status1Column(f.data(at::Status1)));
    if (f.has(at::Status2))
        decode::writeColumn(*statgrid, 2, decode::status2Column(f.data(at::Status2)));
    if (f.has(at::SyncError)) SyncError->setText(decode::syncErrorText(f.data(at::SyncError)));
    if (f.has(at::Status3))
        decode::writeColumn(*statgrid, 3, decode::status3Column(f.data(at::Status3)));
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
