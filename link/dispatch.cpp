// Message dispatch: every good frame once, to the trace-all, the displays fed straight from Sony
// replies, and one of the raw-traffic grids, where its row counts it and names it.
#include "app/Zr8a.h"
#include "link/StringGrid.h"
#include "link/rowkey.h"
#include "link/tallycodes.h"

#include <QLabel>

#include <span>

namespace {

constexpr int EditPresetReadyRow = 2;
constexpr int ShortCommandMaxLength = 9;
constexpr int FirstDataColumn = 4;
constexpr int MasterPositionRow = 1;

// Sony time-data replies: timer 1, timer 2, LTC, VITC, corrected LTC, corrected VITC.
bool isTimeData(std::uint8_t cmd2) {
    namespace reply = proto::sensereply;
    switch (cmd2) {
        case reply::Timer1:
        case reply::Timer2:
        case reply::Ltc:
        case reply::Vitc:
        case reply::CorrectedLtc:
        case reply::CorrectedVitc:
            return true;
        default:
            return false;
    }
}

// The status sense with its one request byte: 61 20 sn.
bool isStatusSense(std::uint8_t cmd1, std::uint8_t cmd2) {
    return cmd1 == frame::cmd1(proto::group::Sense, 1) && cmd2 == proto::sense::Status;
}

// The Sony locate, 24 31 ff ss mm hh (any data count): its name gets the target time.
bool isSonyLocate(std::uint8_t cmd1, std::uint8_t cmd2) {
    return frame::group(cmd1) == proto::group::Transport && cmd2 == proto::transport::Locate;
}

std::span<const std::uint8_t> dataOf(const Tzr8f& w) {
    return std::span<const std::uint8_t>(w.Rx.frame)
        .subspan(2, static_cast<std::size_t>(w.Rx.length - 3));
}

// The first free row or the first row of this kind; the last row when the grid is full.
int chooseRow(const StringGrid& grid, const rowkey::Key& key) {
    const int last = grid.RowCount() - 1;
    for (int r = 1; r <= last; ++r) {
        const QString group = grid.cell(1, r);
        if (group.isEmpty()) return r;
        if (group == key.group && grid.cell(key.column, r) == key.value) return r;
    }
    return last;
}

// Counts the frame in its row and shows its CMD1 and CMD2; returns the row. A row whose count
// was never reset means the tables never were: they are reset before the first count, and the
// row is chosen again among the presets, so that the frame cannot overwrite one of them.
int countRow(Tzr8f& w, StringGrid& grid) {
    const rowkey::Key key = rowkey::of(w.Rx.frame);
    int row = chooseRow(grid, key);
    if (grid.cell(0, row).isEmpty()) {
        w.clear();
        row = chooseRow(grid, key);
    }
    grid.setCell(0, row, rowkey::nextCount(grid.cell(0, row)));
    grid.setCell(1, row, w.Parsed.groupHex);
    grid.setCell(2, row, frame::hex1(static_cast<std::uint8_t>(frame::dataCount(w.Rx.frame[0]))));
    grid.setCell(3, row, w.Parsed.cmd2Hex);
    return row;
}

// Shows the data bytes from `firstColumn` on, short of the name column; cells past the frame's
// last byte keep what they held. Returns true when a shown byte changed.
bool showData(StringGrid& grid, int row, std::span<const std::uint8_t> data, int firstColumn) {
    const int nameColumn = grid.ColCount() - 1;
    bool changed = false;
    for (std::size_t k = 0; k < data.size(); ++k) {
        const int col = firstColumn + static_cast<int>(k);
        if (col >= nameColumn) break;
        changed = grid.setCell(col, row, frame::hex2(data[k])) || changed;
    }
    return changed;
}

// The edit-preset tally fills the Ready row with the bit pictures of the bytes it carries.
void showEditPreset(Tzr8f& w) {
    for (int k = 0; k < 4; ++k) {
        const bool carried = w.Rx.length > k + 3;
        w.edpreset->setCell(
            k + 1, EditPresetReadyRow,
            carried ? w.bin2str(w.Rx.frame[static_cast<std::size_t>(k + 2)]) : QString());
    }
}

// A locate names its target time, hours first: "Locate 01:00:00:00".
QString withLocateTime(const frame::Bytes& rx) {
    return QStringLiteral("Locate %1:%2:%3:%4")
        .arg(frame::hex2(rx[5]), frame::hex2(rx[4]), frame::hex2(rx[3]), frame::hex2(rx[2]));
}

}  // namespace

void Tzr8f::parseinput() {
    Parsed.previousHex = Parsed.quoted;
    Parsed.name.clear();
    Parsed.hex = frame::hexText(
        std::span<const std::uint8_t>(Rx.frame).first(static_cast<std::size_t>(Rx.length)));
    Parsed.quoted = Parsed.hex;
    if (traceAllOn()) Traces.file.writeLine(Parsed.hex);

    const std::uint8_t cmd1 = Rx.frame[0];
    const std::uint8_t cmd2 = Rx.frame[1];
    Parsed.groupHex = frame::hex1(static_cast<std::uint8_t>(frame::group(cmd1)));
    Parsed.cmd2Hex = frame::hex2(cmd2);
    Parsed.data0Hex = frame::hex2(Rx.frame[2]);
    Parsed.data1Hex = frame::hex2(Rx.frame[3]);
    Parsed.data2Hex = frame::hex2(Rx.frame[4]);

    if (isStatusSense(cmd1, cmd2)) Parsed.senseStart = Rx.frame[2] >> 4;
    if (frame::group(cmd1) == proto::group::SenseReply) {
        if (isTimeData(cmd2))
            updposition();
        else if (cmd2 == proto::sensereply::EditPresetData)
            showEditPreset(*this);
    }

    if (!frame::isReply(cmd1)) {
        if (Rx.length <= ShortCommandMaxLength)
            buildgrid1();
        else
            buildgrid2();
    } else if (frame::group(cmd1) == proto::group::Reply && cmd2 == proto::Extended) {
        const std::uint8_t kind = Rx.frame[2];
        if (kind >= proto::tallykind::MachineStatus && kind <= proto::tallykind::LastMachineTally)
            buildmcngrid();
        else
            buildgrid2();
    }
}

namespace {
// Names the frame by its group; groups 8 to F get no name. (Short commands never belong to the
// reply group 1.)
void nameByGroup(Tzr8f& w, int group) {
    switch (group) {
        case proto::group::System:
            w.lastcmd0();
            break;
        case proto::group::Reply:
            w.lastcmd1();
            break;
        case proto::group::Transport:
            w.lastcmd2();
            break;
        case proto::group::Preset:
            w.lastcmd4();
            break;
        case proto::group::Sense:
            w.lastcmd6();
            break;
        default:
            break;
    }
}
}  // namespace

void Tzr8f::buildgrid1() {
    if (AwaitReply) incnoreply();
    AwaitReply = true;

    const int row = countRow(*this, *grid1);
    showData(*grid1, row, dataOf(*this), FirstDataColumn);

    const int group = frame::group(Rx.frame[0]);
    nameByGroup(*this, group);
    grid1->setCell(grid1->ColCount() - 1, row, Parsed.name);

    if (group == proto::group::Transport || group == proto::group::Preset || Parsed.traceDue) {
        if (isSonyLocate(Rx.frame[0], Rx.frame[1])) Parsed.name = withLocateTime(Rx.frame);
        if (traceCmdOn()) tracecmd();
    }
}

void Tzr8f::buildgrid2() {
    AwaitReply = false;

    const int row = countRow(*this, *grid2);
    const int shift = row == MasterPositionRow ? Parsed.senseStart : 0;
    if (showData(*grid2, row, dataOf(*this), FirstDataColumn + shift)) Parsed.traceDue = true;

    nameByGroup(*this, frame::group(Rx.frame[0]));
    grid2->setCell(grid2->ColCount() - 1, row, Parsed.name);
    if (!frame::isReply(Rx.frame[0])) command->setText(Parsed.name);
    if (traceCmdOn() && Parsed.traceDue) tracecmd();
}

void Tzr8f::buildmcngrid() {
    const std::uint8_t kind = Rx.frame[2];
    const std::uint8_t machine = Rx.frame[3];
    if (machine >= 1 && machine <= 9) {
        const int col = kind - proto::tallykind::MachineStatus + 1;  // S, O, D for 0x81..0x83
        Grid4->setCell(col, machine, rowkey::nextCount(Grid4->cell(col, machine)));
    }

    if (machine == MonMcn) {
        AwaitReply = false;
        const int row = countRow(*this, *mcngrid);
        if (showData(*mcngrid, row, dataOf(*this), FirstDataColumn)) Parsed.traceDue = true;
        lastcmd1();
        mcngrid->setCell(mcngrid->ColCount() - 1, row, Parsed.name);
        if (traceCmdOn() && Parsed.traceDue) tracecmd();
    } else if (kind == proto::tallykind::MachineDetails) {
        SystemAscii();
    }
}
