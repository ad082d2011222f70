#pragma once
// The main window `Tzr8f` and all shared state of the analyser. Its methods are implemented in the
// folder of the subsystem they belong to:
//   app/      start-up, layout, views, shortcuts
//   serial/   (the component itself) ; app/port.cpp the window's port handlers
//   link/     receive ring, dispatch and the raw-traffic grids
//   decode/   time code, status decoders, command naming
//   trace/    trace files and outside viewers
//   control/  sending, polling and reply supervision
#include "control/TxGate.h"
#include "decode/tallyreference.h"
#include "link/frame.h"
#include "link/parsedframe.h"
#include "link/ring.h"
#include "serial/TComPort.h"
#include "trace/TraceSession.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

namespace chart {
class SyncHistory;
class SyncChartWindow;
}  // namespace chart
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class StringGrid;
class TControl;
class Tdefinekey;

class Tzr8f : public QWidget {
    Q_OBJECT
  public:
    // `args` are the command-line parameters after the program name; `programPath` is the full
    // path of the program file. The constructor builds the window and runs FormCreate. Tests
    // pass a device factory (a scripted line); the program uses the platform's serial devices.
    Tzr8f(const QStringList& args, const QString& programPath, TComPort::DeviceFactory devices = {},
          QWidget* parent = nullptr);
    ~Tzr8f() override;

    // The other two windows, created after this one (start-up order).
    TControl* Control = nullptr;
    Tdefinekey* definekey = nullptr;

    // ---- Components (objectName = member name) -------------------------------------------
    TComPort* serial = nullptr;
    QTimer* Timer1 = nullptr;

    QFrame* Buttons = nullptr;
    QFrame* MachineStatusInfo = nullptr;
    QFrame* SystemStatusInfo = nullptr;
    QFrame* LogiRecTrks = nullptr;
    QFrame* Misc = nullptr;
    QFrame* RawComms = nullptr;

    QPushButton* Traceall = nullptr;
    QPushButton* Editall = nullptr;
    QPushButton* Trace = nullptr;
    QPushButton* editcmd = nullptr;
    QPushButton* Parity = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Details = nullptr;
    QPushButton* clearkey = nullptr;
    QPushButton* cmds = nullptr;
    QPushButton* Protocol = nullptr;
    QLabel* Image1 = nullptr;

    QFrame* ledta = nullptr;
    QFrame* ledt = nullptr;
    QFrame* ledComms = nullptr;
    QFrame* ledCmds = nullptr;
    QLabel* tracecount = nullptr;

    // The label named "MonMcn" on screen; the member `MonMcn` below is the monitored machine.
    QLabel* MonMcnLabel = nullptr;
    QLabel* mcnid = nullptr;
    QLabel* SonyID = nullptr;
    QLabel* Mcnpos = nullptr;
    QLabel* tally = nullptr;
    QLabel* mcnoff = nullptr;
    QLabel* mcnsuboff = nullptr;
    QLabel* RecTrks = nullptr;
    QLabel* SyncError = nullptr;
    QLabel* Position = nullptr;
    QLabel* MastMcn = nullptr;
    QLabel* CurrMcn = nullptr;
    QLabel* command = nullptr;
    QLabel* ErrorMsg = nullptr;
    QLabel* acia = nullptr;
    QLabel* aciaerr = nullptr;
    QLabel* LLastCmd = nullptr;
    QLabel* Label16 = nullptr;

    StringGrid* grid1 = nullptr;
    StringGrid* grid2 = nullptr;
    StringGrid* mcngrid = nullptr;
    StringGrid* Grid4 = nullptr;
    StringGrid* statgrid = nullptr;
    StringGrid* statbitsno = nullptr;
    StringGrid* SysStatSGrid = nullptr;
    StringGrid* edpreset = nullptr;

    // ---- Shared state ----------------------------------------------------------------------
    QString AppDir;
    QString DocumentsDir;  // extend.txt and Extended.pdf: AppDir, or the installed share folder
    int MonMcn = 0;
    int LastKey = 0;
    std::uint16_t ModemWatch = 0;

    ring::Receiver Rx;   // the receive ring and the last frame cut (link/receive.cpp)
    ParsedFrame Parsed;  // what dispatch and the decoders make of that frame (link/dispatch.cpp)

    // Status decoders (decode/).
    // The reference copies remember which bytes they hold, so that a reset (which forgets them)
    // and a short tally both lead to a redraw; a forgotten machine number is NoMachine.
    static constexpr std::int32_t NoMachine = -1;
    decode::TallyReference LastMcnStatus;
    std::int32_t MasterMcnNo = 0;
    std::int32_t SelectMcnNo = 0;
    decode::TallyReference LastMasterPoz;

    // Sending (control/sending.cpp).
    frame::Bytes TxFrame{};
    TxGate Tx;
    std::int32_t CyclicCountdown = 0;
    bool AwaitReply = false;

    TraceSession Traces;  // trace/

    // Sync chart (app/syncchart.cpp): every machine's sync error and offset, taken from every
    // good frame whether or not the window is shown; the window is made when first opened.
    std::unique_ptr<chart::SyncHistory> SyncHistory;
    QElapsedTimer SyncClock;
    chart::SyncChartWindow* SyncChart = nullptr;

    // ---- Start-up and main window (app/) -----------------------------------------------------
    void FormCreate(const QStringList& args, const QString& programPath);
    void FormActivate();
    void FormResize();
    void FormClose();
    void mykeydown(int key);
    void DetailsClick();
    void Button1Click();

    // ---- Port handlers (app/port.cpp) --------------------------------------------------------
    void ParityClick();
    std::uint16_t portchange(std::uint16_t n);
    void serialTriggerModemStatus(TComPort* CP);

    // ---- Receive ring (link/receive.cpp) -----------------------------------------------------
    void serialTriggerAvail(TComPort* CP, std::uint16_t Count);
    void clearrx();

    // ---- Dispatch and raw-traffic grids (link/dispatch.cpp, link/grids.cpp) ------------------
    void parseinput();
    void buildgrid1();
    void buildgrid2();
    void buildmcngrid();
    void grid1init();
    void grid2init();
    void mcngridinit();
    void grid4init();
    void clear();
    void clearkeyClick();

    // ---- Time code and bit pictures (decode/helpers.cpp) -------------------------------------
    QString frmstotxt(std::int32_t& n, std::uint8_t rate);
    QString bin2str(int value);
    QString gettime();
    void updposition();

    // ---- Status decoders (decode/) ------------------------------------------------------------
    void mcnstatus();
    void statgridinit();
    void mcnstatinit();
    void Masterpoz();
    void mcnoffset();
    void mcndetails();
    void SystemAscii();
    void SysStatSGridInit();
    void sysstatinit();
    void exttally();
    void Lrecenab(int kind);
    void edpresetinit();

    // ---- Command naming (decode/) -------------------------------------------------------------
    void lastcmd0();
    void lastcmd1();
    void lastcmd2();
    void lastcmd4();
    void lastcmd6();
    void extcmd();
    QString extcmd2str(std::uint8_t k);

    // ---- Traces and viewers (trace/) ----------------------------------------------------------
    void tall();
    void tcmd();
    void tracecmd();
    void TraceallClick();
    void TraceClick();
    void EditallClick();
    void editcmdClick();
    void editfname();
    void editprotocol();
    void ProtocolClick();
    bool traceAllOn() const;  // ledta visible
    bool traceCmdOn() const;  // ledt visible

    // ---- Sync chart (app/syncchart.cpp) ------------------------------------------------------
    void chartfeed();    // the current received frame into the chart's history
    void chartshow();    // opens the chart window
    void charttoggle();  // opens it, or closes it when it is shown

    // ---- Sending, polling, reply supervision (control/sending.cpp) ---------------------------
    void sendcmd();
    void cmdenab();
    void cmdsClick();
    void Timer1Timer();
    void Grid4MouseUp(Qt::MouseButton button, int col, int row);
    void incnoreply();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void buildButtonBar();
    void buildMachineStatus();
    void buildSystemStatus();
    void buildRecordTracks();
    void buildMisc();
    void buildRawComms();
    void buildLabels();
    void buildSyncChart();

    // The screen is brought up to date at most once per RepaintIntervalMs, however fast frames
    // arrive, so a saturated line costs the user-interface thread its decoding and little else.
    static constexpr int RepaintIntervalMs = 20;
    QElapsedTimer lastRepaint_;
    QTimer* repaintTimer_ = nullptr;
};
