// The main window's panels and components, as the form lays them out.
#include "app/Zr8a.h"
#include "link/StringGrid.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    w->setAccessibleDescription(QLatin1String(name));
    return w;
}

QFrame* panel(QWidget* parent, const char* name, int l, int t, int w, int h) {
    auto* p = named(new QFrame(parent), name);
    p->setFrameShape(QFrame::Panel);
    p->setGeometry(l, t, w, h);
    return p;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h) {
    auto* lab = named(new QLabel(caption, parent), name);
    lab->setGeometry(l, t, w, h);
    return lab;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int l, int t) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setGeometry(l, t, 60, 25);
    return b;
}

QFrame* led(QWidget* parent, const char* name, int l, int t) {
    auto* f = named(new QFrame(parent), name);
    f->setGeometry(l, t, 48, 8);
    f->setStyleSheet(QStringLiteral("background: red; border: 1px solid black;"));
    f->hide();
    return f;
}

StringGrid* grid(QWidget* parent, const char* name, int cols, int rows, int l, int t, int w, int h) {
    auto* g = named(new StringGrid(cols, rows, parent), name);
    g->setGeometry(l, t, w, h);
    return g;
}
}  // namespace

void Tzr8f::buildButtonBar() {
    Buttons = panel(this, "Buttons", 3, 12, 786, 39);
    Traceall = button(Buttons, "Traceall", QStringLiteral("TraceAll"), 4, 10);
    Editall = button(Buttons, "Editall", QStringLiteral("Edit"), 66, 10);
    Trace = button(Buttons, "Trace", QStringLiteral("TraceC"), 128, 10);
    editcmd = button(Buttons, "editcmd", QStringLiteral("Edit"), 190, 10);
    Parity = button(Buttons, "Parity", QStringLiteral("Odd"), 252, 10);
    Button1 = button(Buttons, "Button1", QStringLiteral("Button1"), 314, 10);
    Details = button(Buttons, "Details", QStringLiteral("Details"), 376, 10);
    clearkey = button(Buttons, "clearkey", QStringLiteral("Clear"), 438, 10);
    cmds = button(Buttons, "cmds", QStringLiteral("Cmds"), 500, 10);
    Protocol = button(Buttons, "Protocol", QStringLiteral("Protocol"), 562, 10);
    Image1 = label(Buttons, "Image1", QString(), 606, 3, 176, 32);
    ledta = led(Buttons, "ledta", 10, 1);
    ledt = led(Buttons, "ledt", 134, 1);
    ledComms = led(Buttons, "ledComms", 382, 1);
    ledCmds = led(Buttons, "ledCmds", 506, 1);
    tracecount = label(Buttons, "tracecount", QString(), 196, 0, 48, 16);
    tracecount->hide();

    connect(Traceall, &QPushButton::clicked, this, [this] { TraceallClick(); });
    connect(Editall, &QPushButton::clicked, this, [this] { EditallClick(); });
    connect(Trace, &QPushButton::clicked, this, [this] { TraceClick(); });
    connect(editcmd, &QPushButton::clicked, this, [this] { editcmdClick(); });
    connect(Parity, &QPushButton::clicked, this, [this] { ParityClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Details, &QPushButton::clicked, this, [this] { DetailsClick(); });
    connect(clearkey, &QPushButton::clicked, this, [this] { clearkeyClick(); });
    connect(cmds, &QPushButton::clicked, this, [this] { cmdsClick(); });
    connect(Protocol, &QPushButton::clicked, this, [this] { ProtocolClick(); });
}

void Tzr8f::buildMachineStatus() {
    MachineStatusInfo = panel(this, "MachineStatusInfo", 3, 46, 503, 274);
    QWidget* p = MachineStatusInfo;
    MonMcnLabel = label(p, "MonMcn", QStringLiteral("A"), 8, 24, 24, 24);
    mcnid = label(p, "mcnid", QStringLiteral("ASCII"), 40, 40, 120, 22);
    SonyID = label(p, "SonyID", QStringLiteral("SonyID"), 170, 40, 80, 22);
    Mcnpos = label(p, "Mcnpos", QStringLiteral("---:---:---:---"), 8, 80, 150, 22);
    tally = label(p, "tally", QStringLiteral("tally"), 170, 80, 150, 22);
    mcnoff = label(p, "mcnoff", QStringLiteral("---:---:---:---"), 8, 120, 150, 22);
    mcnsuboff = label(p, "mcnsuboff", QStringLiteral("---"), 170, 120, 50, 22);
    RecTrks = label(p, "RecTrks", QStringLiteral("---"), 230, 120, 50, 22);
    SyncError = label(p, "SyncError", QStringLiteral("---"), 290, 120, 60, 22);
    Grid4 = grid(p, "Grid4", 4, 8, 8, 150, 106, 120);
    statgrid = grid(p, "statgrid", 5, 9, 130, 120, 346, 148);
    statbitsno = grid(p, "statbitsno", 2, 9, 476, 120, 22, 148);
    Grid4->OnMouseUp = [this](Qt::MouseButton b, int col, int row) { Grid4MouseUp(b, col, row); };
}

void Tzr8f::buildSystemStatus() {
    SystemStatusInfo = panel(this, "SystemStatusInfo", 510, 46, 279, 183);
    QWidget* p = SystemStatusInfo;
    Position = label(p, "Position", QStringLiteral("---:---:---:---"), 8, 30, 150, 22);
    MastMcn = label(p, "MastMcn", QString(), 8, 70, 120, 22);
    CurrMcn = label(p, "CurrMcn", QString(), 8, 110, 120, 22);
    SysStatSGrid = grid(p, "SysStatSGrid", 2, 8, 150, 40, 123, 132);
}

void Tzr8f::buildRecordTracks() {
    LogiRecTrks = panel(this, "LogiRecTrks", 510, 232, 279, 125);
    edpreset = grid(LogiRecTrks, "edpreset", 15, 4, 4, 24, 270, 90);
}

void Tzr8f::buildMisc() {
    Misc = panel(this, "Misc", 3, 324, 502, 33);
    LLastCmd = label(Misc, "LLastCmd", QStringLiteral("Last"), 4, 2, 30, 14);
    Label16 = label(Misc, "Label16", QStringLiteral("Cmd"), 4, 16, 30, 14);
    command = label(Misc, "command", QString(), 36, 4, 220, 26);
    ErrorMsg = label(Misc, "ErrorMsg", QString(), 260, 4, 238, 26);
}

void Tzr8f::buildRawComms() {
    RawComms = panel(this, "RawComms", 0, 362, 791, 218);
    acia = label(RawComms, "acia", QStringLiteral(" ACIA"), 690, 8, 40, 16);
    aciaerr = label(RawComms, "aciaerr", QStringLiteral("0"), 735, 8, 50, 16);
    grid2 = grid(RawComms, "grid2", 20, 10, 2, 33, 490, 102);
    mcngrid = grid(RawComms, "mcngrid", 20, 8, 2, 140, 490, 80);
    grid1 = grid(RawComms, "grid1", 11, 24, 492, 33, 298, 174);
}
