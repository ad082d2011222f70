// The main window's panels and components, as the form lays them out. Positions are pixels in
// the client area of the window or of the panel that holds the component.
#include "app/FitLabel.h"
#include "app/ValueLabel.h"
#include "app/Zr8a.h"
#include "app/logo.h"
#include "link/StringGrid.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <array>
#include <span>

namespace {

// Colours of the form, by their usual names.
constexpr QColor Grey(0x80, 0x80, 0x80);
constexpr QColor Black(0x00, 0x00, 0x00);
constexpr QColor White(0xff, 0xff, 0xff);
constexpr QColor Red(0xff, 0x00, 0x00);
constexpr QColor Lime(0x00, 0xff, 0x00);
constexpr QColor Aqua(0x00, 0xff, 0xff);
constexpr QColor Fuchsia(0xff, 0x00, 0xff);
constexpr QColor Yellow(0xff, 0xff, 0x00);

constexpr int ValuePixels = 19;    // value labels
constexpr int CaptionPixels = 9;   // small captions
constexpr int HeadingPixels = 11;  // panel headings
constexpr int ButtonPixels = 12;
constexpr int GridRowHeight = 16;

// ---- Button bar ------------------------------------------------------------------------------

struct ButtonForm {
    QPushButton* Tzr8f::*member;
    const char* name;
    const char* caption;
    const char* hint;  // empty: none
    void (Tzr8f::*click)();
};

constexpr std::array<ButtonForm, 10> ButtonBar{{
    {&Tzr8f::Traceall, "Traceall", "TraceAll", "Trace All to \\ZR-8\\Traceall.txt",
     &Tzr8f::TraceallClick},
    {&Tzr8f::Editall, "Editall", "Edit", "Edit TraceAll File", &Tzr8f::EditallClick},
    {&Tzr8f::Trace, "Trace", "TraceC", "Trace Commands and Status Change to  \\ZR-8\\Trace.txt",
     &Tzr8f::TraceClick},
    {&Tzr8f::editcmd, "editcmd", "Edit", "Edit TraceCmd File", &Tzr8f::editcmdClick},
    {&Tzr8f::Parity, "Parity", "Odd", "", &Tzr8f::ParityClick},
    {&Tzr8f::Button1, "Button1", "Button1", "", &Tzr8f::Button1Click},
    {&Tzr8f::Details, "Details", "Details", "", &Tzr8f::DetailsClick},
    {&Tzr8f::clearkey, "clearkey", "Clear", "Reset All  Tables", &Tzr8f::clearkeyClick},
    {&Tzr8f::cmds, "cmds", "Cmds", "Enable Commands and Status Requests", &Tzr8f::cmdsClick},
    {&Tzr8f::Protocol, "Protocol", "Protocol", "", &Tzr8f::ProtocolClick},
}};

// Buttons stand side by side; the row above them holds the LEDs and the small captions.
constexpr int ButtonLeft = 4;
constexpr int ButtonPitch = 60;
constexpr int ButtonWidth = 56;
constexpr int ButtonTop = 16;
constexpr int ButtonHeight = 21;
constexpr int buttonX(int index) {
    return ButtonLeft + index * ButtonPitch;
}

struct LedForm {
    QFrame* Tzr8f::*member;
    const char* name;
    int aboveButton;
};
constexpr std::array<LedForm, 4> Leds{{
    {&Tzr8f::ledta, "ledta", 0},
    {&Tzr8f::ledt, "ledt", 2},
    {&Tzr8f::ledComms, "ledComms", 6},
    {&Tzr8f::ledCmds, "ledCmds", 8},
}};
constexpr int LedWidth = 48;
constexpr int LedHeight = 8;

// ---- Labels ----------------------------------------------------------------------------------

constexpr char NoTime[] = "---:---:---:---";

// The panels that hold labels.
constexpr QFrame* Tzr8f::*Bar = &Tzr8f::Buttons;
constexpr QFrame* Tzr8f::*Machine = &Tzr8f::MachineStatusInfo;
constexpr QFrame* Tzr8f::*System = &Tzr8f::SystemStatusInfo;
constexpr QFrame* Tzr8f::*Last = &Tzr8f::Misc;
constexpr QFrame* Tzr8f::*Raw = &Tzr8f::RawComms;

enum class Look {
    Letter,          // bold, centred, on the panel
    BlackOnLime,     // bold
    YellowOnBlack,   // bold
    BlackOnAqua,     // regular
    LimeOnBlack,     // bold
    WhiteOnBlack,    // bold
    FuchsiaOnBlack,  // bold
    BlackOnYellow,   // regular, large
    Sunken,          // bold, large, sunken, in the button colour
    BoldOnGrey,      // bold, large
    GreyCaption,     // bold, small
};

struct LabelForm {
    QLabel* Tzr8f::*member;
    QFrame* Tzr8f::*panel;
    const char* name;
    const char* caption;
    QRect rect;
    Look look;
    bool shrinksToFit = false;  // for texts of any length
};

constexpr std::array<LabelForm, 16> ValueLabels{{
    {&Tzr8f::MonMcnLabel, Machine, "MonMcn", "A", {8, 40, 24, 24}, Look::Letter},
    {&Tzr8f::mcnid, Machine, "mcnid", "ASCII", {36, 40, 118, 24}, Look::BlackOnLime},
    {&Tzr8f::SonyID, Machine, "SonyID", "SonyID", {206, 40, 90, 24}, Look::BlackOnLime},
    {&Tzr8f::tally, Machine, "tally", "tally", {304, 40, 150, 24}, Look::BlackOnAqua},
    {&Tzr8f::Mcnpos, Machine, "Mcnpos", NoTime, {8, 82, 126, 24}, Look::YellowOnBlack},
    {&Tzr8f::mcnoff, Machine, "mcnoff", NoTime, {140, 82, 126, 24}, Look::YellowOnBlack},
    {&Tzr8f::mcnsuboff, Machine, "mcnsuboff", "---", {272, 82, 46, 24}, Look::LimeOnBlack},
    {&Tzr8f::RecTrks, Machine, "RecTrks", "---", {324, 82, 62, 24}, Look::WhiteOnBlack},
    {&Tzr8f::SyncError, Machine, "SyncError", "---", {392, 82, 62, 24}, Look::FuchsiaOnBlack},
    {&Tzr8f::Position, System, "Position", NoTime, {8, 40, 136, 24}, Look::YellowOnBlack},
    {&Tzr8f::MastMcn, System, "MastMcn", "", {8, 82, 136, 24}, Look::BlackOnLime},
    {&Tzr8f::CurrMcn, System, "CurrMcn", "", {8, 124, 136, 24}, Look::BlackOnLime},
    {&Tzr8f::command, Last, "command", "", {32, 3, 200, 27}, Look::BlackOnYellow, true},
    {&Tzr8f::ErrorMsg, Last, "ErrorMsg", "", {236, 3, 262, 27}, Look::Sunken, true},
    {&Tzr8f::acia, Raw, "acia", " ACIA", {658, 3, 44, 24}, Look::GreyCaption},
    {&Tzr8f::aciaerr, Raw, "aciaerr", "0", {702, 3, 84, 24}, Look::BoldOnGrey},
}};

struct CaptionForm {
    QFrame* Tzr8f::*panel;
    const char* name;
    const char* text;
    QRect rect;
    bool bold;
    QLabel* Tzr8f::*member = nullptr;  // for the captions the window refers to
};

constexpr std::array<CaptionForm, 18> Captions{{
    {Bar, "ParityCaption", "Parity", {buttonX(4), 2, ButtonWidth, 12}, true},
    {Bar, "PortCaption", "Port", {buttonX(5), 2, ButtonWidth, 12}, false},
    {Machine, "MachineIDCaption", "Machine ID", {8, 28, 146, 12}, false},
    {Machine, "SonyIDCaption", " Sony ID ", {160, 40, 46, 24}, false},
    {Machine, "tallyCaption", "Last Tally Received", {304, 28, 150, 12}, false},
    {Machine, "McnposCaption", "Position", {8, 70, 126, 12}, false},
    {Machine, "mcnoffCaption", "Offset", {140, 70, 126, 12}, false},
    {Machine, "mcnsuboffCaption", "Sub Frm", {272, 70, 50, 12}, false},
    {Machine, "RecTrksCaption", "Record Tracks", {324, 70, 66, 12}, false},
    {Machine, "SyncErrorCaption", "Sync Error", {392, 70, 62, 12}, false},
    {Machine, "Grid4Caption", "Cyclic Tallies", {8, 112, 104, 12}, false},
    {Machine, "statgridCaption", "Decoded Machine Status", {126, 112, 200, 12}, false},
    {System, "PositionCaption", "Master Position", {8, 28, 136, 12}, false},
    {System, "MastMcnCaption", "Master Machine", {8, 70, 136, 12}, false},
    {System, "CurrMcnCaption", "Current Selected Machine", {8, 112, 136, 12}, false},
    {System, "SysStatSGridCaption", "Decoded System Status", {150, 28, 125, 12}, false},
    {Last, "LLastCmd", "Last", {4, 3, 26, 13}, false, &Tzr8f::LLastCmd},
    {Last, "Label16", "Cmd", {4, 16, 26, 13}, false, &Tzr8f::Label16},
}};

// ---- Helpers ---------------------------------------------------------------------------------

// Gives a component its name for Qt, screen readers and UI automation alike.
template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    w->setAccessibleDescription(QLatin1String(name));
    return w;
}

QFont pixelFont(const QWidget* w, int pixels, bool bold) {
    QFont f = w->font();
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void paint(QWidget* w, const QColor& text, const QColor& back) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, back);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFrame* panel(QWidget* parent, const char* name, QRect rect) {
    auto* p = named(new QFrame(parent), name);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setGeometry(rect);
    paint(p, Black, parent->palette().color(QPalette::Button));
    return p;
}

// The panel's title on a sunken strip along its top.
void heading(QFrame* panel, const char* text, QRect rect) {
    auto* h = new QLabel(QLatin1String(text), panel);
    h->setObjectName(panel->objectName() + QStringLiteral("Heading"));
    h->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    h->setFont(pixelFont(h, HeadingPixels, true));
    h->setIndent(4);
    h->setGeometry(rect);
}

QLabel* caption(QWidget* parent, const CaptionForm& form) {
    auto* c = named(new QLabel(QLatin1String(form.text), parent), form.name);
    c->setFont(pixelFont(c, CaptionPixels, form.bold));
    c->setGeometry(form.rect);
    return c;
}

void applyLook(QLabel* label, Look look) {
    const bool bold = look != Look::BlackOnAqua && look != Look::BlackOnYellow;
    label->setFont(pixelFont(label, look == Look::GreyCaption ? HeadingPixels : ValuePixels, bold));
    label->setAlignment(Qt::AlignCenter);
    switch (look) {
        case Look::Letter:
            break;
        case Look::BlackOnLime:
            paint(label, Black, Lime);
            break;
        case Look::YellowOnBlack:
            paint(label, Yellow, Black);
            break;
        case Look::BlackOnAqua:
            paint(label, Black, Aqua);
            break;
        case Look::LimeOnBlack:
            paint(label, Lime, Black);
            break;
        case Look::WhiteOnBlack:
            paint(label, White, Black);
            break;
        case Look::FuchsiaOnBlack:
            paint(label, Fuchsia, Black);
            break;
        case Look::BlackOnYellow:
            paint(label, Black, Yellow);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setIndent(4);
            break;
        case Look::Sunken:
            paint(label, Black, label->palette().color(QPalette::Button));
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setIndent(4);
            break;
        case Look::BoldOnGrey:
            paint(label, Black, Grey);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setIndent(4);
            break;
        case Look::GreyCaption:
            paint(label, Black, Grey);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
    }
}

StringGrid* grid(QWidget* parent, const char* name, int cols, int rows, QRect rect) {
    auto* g = named(new StringGrid(cols, rows, parent), name);
    g->setGeometry(rect);
    return g;
}

void setWidths(StringGrid* g, std::span<const int> widths) {
    for (std::size_t c = 0; c < widths.size(); ++c) g->setColWidth(static_cast<int>(c), widths[c]);
}

// Grids that only show: no focus, no selection, no clicks.
void displayOnly(StringGrid* g) {
    g->setFocusPolicy(Qt::NoFocus);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Outer size of a grid whose rows and columns all show.
QSize gridSize(const StringGrid* g, int rowHeight, std::span<const int> widths) {
    int w = 2 * g->frameWidth();
    for (int width : widths) w += width;
    return {w, g->RowCount() * rowHeight + 2 * g->frameWidth()};
}

constexpr std::array<int, 4> Grid4Widths{31, 23, 24, 24};
constexpr std::array<int, 5> StatGridWidths{20, 80, 80, 80, 82};
constexpr std::array<int, 2> StatBitsWidths{20, 20};
constexpr std::array<int, 2> SysStatWidths{22, 97};
constexpr int EdPresetFirstWidth = 51;
constexpr int EdPresetWidth = 68;
constexpr int EdPresetRowHeight = 17;

}  // namespace

void Tzr8f::buildButtonBar() {
    Buttons = panel(this, "Buttons", {3, 12, 786, 39});
    for (std::size_t i = 0; i < ButtonBar.size(); ++i) {
        const ButtonForm& form = ButtonBar[i];
        auto* b = named(new QPushButton(QLatin1String(form.caption), Buttons), form.name);
        b->setGeometry(buttonX(static_cast<int>(i)), ButtonTop, ButtonWidth, ButtonHeight);
        b->setFont(pixelFont(b, ButtonPixels, false));
        b->setAutoDefault(false);
        b->setToolTip(QString::fromLatin1(form.hint));
        connect(b, &QPushButton::clicked, this, [this, click = form.click] { (this->*click)(); });
        this->*form.member = b;
    }
    for (const LedForm& form : Leds) {
        auto* led = named(new QFrame(Buttons), form.name);
        led->setFrameStyle(QFrame::Box | QFrame::Plain);
        paint(led, Black, Red);
        led->setGeometry(buttonX(form.aboveButton) + (ButtonWidth - LedWidth) / 2, 5, LedWidth,
                         LedHeight);
        led->hide();
        this->*form.member = led;
    }
    tracecount = named(new QLabel(Buttons), "tracecount");
    tracecount->setGeometry(buttonX(3) + (ButtonWidth - LedWidth) / 2, 0, LedWidth, 16);
    tracecount->setFont(pixelFont(tracecount, 11, true));
    tracecount->setAlignment(Qt::AlignCenter);
    paint(tracecount, Black, Lime);
    tracecount->hide();

    // The word mark; a click on it does nothing.
    Image1 = named(new QLabel(Buttons), "Image1");
    Image1->setGeometry(786 - LogoWidth - 4, (39 - LogoHeight) / 2, LogoWidth, LogoHeight);
    Image1->setPixmap(quenlarLogo());
}

void Tzr8f::buildMachineStatus() {
    MachineStatusInfo = panel(this, "MachineStatusInfo", {3, 46, 503, 274});
    QFrame* p = MachineStatusInfo;
    // The strip starts below the part of the panel that the button bar covers.
    heading(p, "Machine Status", {3, 7, 497, 17});
    Grid4 = grid(p, "Grid4", 4, 8, {});
    Grid4->setFixedCols(0);
    Grid4->setRowSelect(true);
    setWidths(Grid4, Grid4Widths);
    Grid4->setRowHeights(GridRowHeight);
    Grid4->setGeometry({{8, 124}, gridSize(Grid4, GridRowHeight, Grid4Widths)});
    Grid4->setHint(QStringLiteral("Right Click to select machine to display"), true);
    Grid4->OnMouseUp = [this](Qt::MouseButton b, int col, int row) { Grid4MouseUp(b, col, row); };

    statgrid = grid(p, "statgrid", 5, 9, {});
    setWidths(statgrid, StatGridWidths);
    statgrid->setRowHeights(GridRowHeight);
    statgrid->setGeometry({{126, 124}, gridSize(statgrid, GridRowHeight, StatGridWidths)});
    statgrid->setHint(QString(), false);
    displayOnly(statgrid);

    // Repeats the bit numbers at statgrid's right edge; only its first column shows.
    statbitsno = grid(p, "statbitsno", 2, 9, {});
    setWidths(statbitsno, StatBitsWidths);
    statbitsno->setRowHeights(GridRowHeight);
    statbitsno->setGeometry(statgrid->geometry().right() + 1, 124, 22,
                            statgrid->geometry().height());
    displayOnly(statbitsno);
}

void Tzr8f::buildSystemStatus() {
    SystemStatusInfo = panel(this, "SystemStatusInfo", {510, 46, 279, 183});
    heading(SystemStatusInfo, "System Status", {3, 7, 273, 17});
    SysStatSGrid = grid(SystemStatusInfo, "SysStatSGrid", 2, 8, {});
    setWidths(SysStatSGrid, SysStatWidths);
    SysStatSGrid->setRowHeights(GridRowHeight);
    SysStatSGrid->setGeometry({{150, 40}, gridSize(SysStatSGrid, GridRowHeight, SysStatWidths)});
    displayOnly(SysStatSGrid);
}

void Tzr8f::buildRecordTracks() {
    LogiRecTrks = panel(this, "LogiRecTrks", {510, 232, 279, 125});
    heading(LogiRecTrks, "Logical Record Tracks", {3, 3, 273, 17});
    edpreset = grid(LogiRecTrks, "edpreset", 15, 4, {});
    edpreset->setColWidth(0, EdPresetFirstWidth);
    for (int c = 1; c < edpreset->ColCount(); ++c) edpreset->setColWidth(c, EdPresetWidth);
    edpreset->setRowHeights(EdPresetRowHeight);
    edpreset->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int scrollBar = edpreset->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                         edpreset->horizontalScrollBar());
    edpreset->setGeometry(4, 24, 271,
                          4 * EdPresetRowHeight + 2 * edpreset->frameWidth() + scrollBar);
    edpreset->setHint(QStringLiteral("Track Arming commands and status"), false);
}

void Tzr8f::buildMisc() {
    Misc = panel(this, "Misc", {3, 324, 502, 33});
}

void Tzr8f::buildRawComms() {
    RawComms = panel(this, "RawComms", {0, 362, 791, 218});
    heading(RawComms, "Raw RS422 Comms", {3, 3, 650, 17});
    grid2 = grid(RawComms, "grid2", 20, 10, {2, 33, 490, 102});
    grid2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid2->setHint(QStringLiteral("Long Commands or Long Status Replies"), false);
    mcngrid = grid(RawComms, "mcngrid", 20, 8, {2, 140, 490, 80});
    mcngrid->setHint(QStringLiteral("Long Commands or Long Status Replies"), false);
    grid1 = grid(RawComms, "grid1", 11, 24, {492, 33, 298, 174});
    grid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid1->setHint(QStringLiteral("Short Comands"), false);
}

// The labels and captions of every panel, once the panels stand.
void Tzr8f::buildLabels() {
    for (const LabelForm& form : ValueLabels) {
        QWidget* panel = this->*form.panel;
        const QString text = QLatin1String(form.caption);
        auto* label = named(
            form.shrinksToFit ? new FitLabel(text, panel) : new ValueLabel(text, panel), form.name);
        label->setGeometry(form.rect);
        // A fixed size tells Qt that a new text cannot move anything: without it each change
        // asks the panel for a layout pass, several times a frame.
        label->setFixedSize(form.rect.size());
        applyLook(label, form.look);
        this->*form.member = label;
    }
    for (const CaptionForm& form : Captions) {
        QLabel* c = caption(this->*form.panel, form);
        // Centred over the buttons, flush left over the values.
        c->setAlignment(form.panel == Bar ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        if (form.member) this->*form.member = c;
    }
    // The LEDs and the trace count stand in the strip above the buttons, which the status
    // panels would otherwise cover.
    Buttons->raise();
}
