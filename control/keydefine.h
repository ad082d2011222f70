#pragma once
// The key definition window "Define Key": edits one record of `keydef`. Not modal, on top of
// the other windows. Each activation reads the record; closing always saves it.
#include "control/activation.h"
#include "control/keyrecord.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;
class Tzr8f;
class TControl;

class Tdefinekey : public QWidget {
    Q_OBJECT
  public:
    Tdefinekey(Tzr8f& main, TControl& control, QWidget* parent = nullptr);
    ~Tdefinekey() override;

    // ---- Components (objectName = member name) -------------------------------------------
    QLineEdit* Caption = nullptr;
    QLineEdit* description = nullptr;
    QLineEdit* cmd1 = nullptr;
    QLineEdit* cmd2 = nullptr;
    std::array<QLineEdit*, 15> data{};  // data0 .. data14
    QPushButton* Exit = nullptr;

    // ---- State ----------------------------------------------------------------------------
    int EditKeyIndex = 0;         // 0..3: the record being edited (A..D)
    keyrecord::Record KeyData{};  // the record as read, and as the fields leave it

    // ---- Handlers and operations ----------------------------------------------------------
    void FormActivate();
    void loaddef();
    void showdata();
    void cmd1Exit();
    // Takes the fields into KeyData (the file is not written) and reloads the keys.
    void updatekeydata();
    void FormClose();
    void ExitClick();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The 17 byte fields in record order: cmd1, cmd2, data0 .. data14.
    QLineEdit* byteField(int i) const;
    void requireCompleteFields() const;

    Tzr8f& zr8f;
    TControl& control_;
    bool placed_ = false;
    ActivationWatch activation_;
};
