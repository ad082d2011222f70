#pragma once
// The machine control window "Machine Control": transport, locate, cyclic data, record arming and
// the four user keys. Every button builds one frame, puts it in the main window's TxFrame and
// hands it to sendcmd. The window sees key presses before its controls do (Escape hides, M asks for
// the machine type).
#include "control/activation.h"
#include "control/commandframes.h"
#include "control/keyrecord.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Tzr8f;
class Tdefinekey;

class TControl : public QWidget {
    Q_OBJECT
  public:
    TControl(Tzr8f& main, QWidget* parent = nullptr);
    ~TControl() override;

    // Item of the radio group `Command`: 0 "Sony P2", 1 "Current Mcn", 2 "Master Mcn",
    // 3 "Selected Mcn".
    int CommandIndex() const;
    void setCommandIndex(int item);
    // Cyclic polling is on while `Lcyclic` is shown, whether or not this window is.
    bool cyclicOn() const;

    // ---- Components (objectName = member name) -------------------------------------------
    QLineEdit* Loc1 = nullptr;
    QPushButton* Locate1 = nullptr;
    QPushButton* Cyclic = nullptr;
    QFrame* Lcyclic = nullptr;
    QPushButton* Rwd = nullptr;
    QPushButton* RvsPlay = nullptr;
    QPushButton* Stop = nullptr;
    QPushButton* Play = nullptr;
    QPushButton* Fwd = nullptr;
    QGroupBox* Command = nullptr;
    std::array<QRadioButton*, 4> CommandItems{};
    std::array<QPushButton*, keyrecord::KeyCount> Select{};  // SelectA .. SelectD
    std::array<QPushButton*, 24> rec{};                      // rec1 .. rec24
    std::array<QFrame*, 24> tal{};                           // tal1 .. tal24

    Tdefinekey* definekey = nullptr;  // set after the key definition window is created

    // ---- State ----------------------------------------------------------------------------
    commandframes::ArmBits ArmMask{};
    std::array<keyrecord::Image, keyrecord::KeyCount> KeyImages{};

    // ---- Handlers -------------------------------------------------------------------------
    void RwdClick();
    void RvsPlayClick();
    void StopClick();
    void PlayClick();
    void FwdClick();
    void Locate1Click();
    void CyclicClick();
    void SelectClick(int key);                              // SelectAClick .. SelectDClick
    void SelectMouseDown(int key, Qt::MouseButton button);  // SelectAMouseDown .. SelectDMouseDown
    void recClick(int track);                               // rec1Click .. rec24Click
    void FormActivate();
    // Escape or M, whichever control has the focus (the key then goes on to that control).
    void Locate1Key(int key);
    void CloseCmdForm();

    // ---- Operations -----------------------------------------------------------------------
    void rqid();
    // The time of `Loc1` as four BCD bytes; an incomplete entry is refused.
    encode::TimeBytes locateTime() const;
    void recarm(int track);
    void setkey();
    QString keyFilePath() const;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildTransport();
    void buildCommandGroup();
    void buildKeys();
    void buildTracks();
    void transport(const commandframes::TransportButton& button);
    // Hands the frame to the main window's sendcmd through TxFrame.
    void send(const encode::Frame& frame);
    // The monitored machine as the selected form addresses it (its number's low byte).
    std::uint8_t monitoredMachine() const;

    Tzr8f& zr8f;
    QButtonGroup* commandButtons_ = nullptr;
    bool placed_ = false;
    ActivationWatch activation_;
};
