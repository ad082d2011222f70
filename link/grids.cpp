// The raw-traffic grids and the per-machine tally counts: their layout, their resets, and the
// reset of all tables.
#include "app/Zr8a.h"
#include "link/StringGrid.h"
#include "link/tallycodes.h"

#include <QLabel>

#include <array>
#include <span>
#include <string_view>

namespace {

struct Format {
    std::span<const int> widths;
    std::span<const std::string_view> headers;
    const char* hint;
    bool showHint;
    bool scrolls;
};

constexpr std::array<int, 11> Grid1Widths{16, 13, 12, 20, 20, 20, 17, 20, 20, 20, 93};
constexpr std::array<std::string_view, 11> Grid1Headers{"Ct", "C",  "1",  "C2", "00",     "01",
                                                        "02", "03", "04", "05", "Command"};

constexpr std::array<int, 20> LongWidths{16, 13, 12, 20, 20, 20, 20, 20, 20, 20,
                                         20, 20, 20, 20, 20, 20, 20, 20, 20, 93};
constexpr std::array<std::string_view, 20> Grid2Headers{
    "Ct", "C",  "1",  "C2", "00", "01", "02", "03", "04", "05",
    "06", "07", "08", "09", "0A", "0B", "0C", "0D", "0E", "Long Cmd/Tally"};
constexpr std::array<std::string_view, 20> McnGridHeaders{
    "Ct", "C",  "1",  "C2", "00", "01", "02", "03", "04", "05",
    "06", "07", "08", "09", "0A", "0B", "0C", "0D", "0E", "Machine Tally"};

constexpr std::array<int, 4> Grid4Widths{31, 23, 24, 24};
constexpr std::array<std::string_view, 4> Grid4Headers{"Port", "S", "O", "D"};
constexpr std::array<std::string_view, 7> Ports{"A", "B", "C", "D", "E", "F", "Gen"};

constexpr const char* LongHint = "Long Commands or Long Status Replies";

// The extended replies whose rows are there before they first arrive: the kind in column 4,
// the name in the last column.
struct Preset {
    int row;
    std::uint8_t kind;
    std::string_view name;
};
namespace kind = proto::tallykind;
constexpr std::array<Preset, 1> Grid2Presets{{{1, kind::MasterPosition, "Master Position"}}};
constexpr std::array<Preset, 5> McnGridPresets{{{1, kind::MachineStatus, "Mcn Status"},
                                                {2, kind::MachineOffset, "Mcn Offset"},
                                                {3, kind::MachineDetails, "Mcn Details"},
                                                {4, kind::MachineReady, "Ready Data"},
                                                {5, kind::MachineRecord, "Record Data"}}};

QString text(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

void applyFormat(StringGrid& grid, const Format& f) {
    for (std::size_t c = 0; c < f.widths.size(); ++c)
        grid.setColWidth(static_cast<int>(c), f.widths[c]);
    grid.setHint(QLatin1String(f.hint), f.showHint);
    grid.setVerticalScrollBarPolicy(f.scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void writeHeaders(StringGrid& grid, std::span<const std::string_view> headers) {
    for (std::size_t c = 0; c < headers.size(); ++c)
        grid.setCell(static_cast<int>(c), 0, text(headers[c]));
}

// Empties the grid, writes its header row and presets, zeroes every count and selects the
// top-left data cell.
void resetRawGrid(StringGrid& grid, const Format& f, std::span<const Preset> presets) {
    grid.clearCells();
    applyFormat(grid, f);
    writeHeaders(grid, f.headers);
    const int nameColumn = grid.ColCount() - 1;
    for (const Preset& p : presets) {
        grid.setCell(1, p.row, frame::hex1(static_cast<std::uint8_t>(proto::group::Reply)));
        grid.setCell(2, p.row, QStringLiteral("X"));
        grid.setCell(3, p.row, frame::hex2(proto::Extended));
        grid.setCell(4, p.row, frame::hex2(p.kind));
        grid.setCell(nameColumn, p.row, text(p.name));
    }
    for (int r = 1; r < grid.RowCount(); ++r) grid.setCell(0, r, QStringLiteral("0"));
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    grid.selectCell(1, 1);
}

}  // namespace

void Tzr8f::grid1init() {
    resetRawGrid(*grid1, {Grid1Widths, Grid1Headers, "Short Comands", false, true}, {});
}

void Tzr8f::grid2init() {
    resetRawGrid(*grid2, {LongWidths, Grid2Headers, LongHint, false, true}, Grid2Presets);
}

void Tzr8f::mcngridinit() {
    resetRawGrid(*mcngrid, {LongWidths, McnGridHeaders, LongHint, false, false}, McnGridPresets);
}

void Tzr8f::grid4init() {
    applyFormat(*Grid4, {Grid4Widths, Grid4Headers, "Right Click to select machine to display",
                         true, false});
    Grid4->setFixedCols(0);
    Grid4->setRowSelect(true);
    writeHeaders(*Grid4, Grid4Headers);
    for (std::size_t i = 0; i < Ports.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        Grid4->setCell(0, row, text(Ports[i]));
        for (int col = 1; col <= 3; ++col) Grid4->setCell(col, row, QStringLiteral("0"));
    }
    Grid4->selectCell(0, 1);
}

void Tzr8f::clear() {
    grid1init();
    grid2init();
    grid4init();
    mcngridinit();
    edpresetinit();
    mcnstatinit();
    // The label and Grid4's selection say machine A; the monitored machine agrees with them.
    MonMcnLabel->setText(QStringLiteral("A"));
    MonMcn = 1;
    sysstatinit();
    command->clear();
}

void Tzr8f::clearkeyClick() {
    clear();
    clearrx();
}
