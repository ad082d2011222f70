#include "control/keydefine.h"

#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/inputmask.h"
#include "control/keyfile.h"
#include "control/maskedfield.h"
#include "control/placement.h"
#include "link/frame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
using placement::named;

QLineEdit* byteEdit(QWidget* parent, const QString& name, int x, int y) {
    auto* edit = named(new QLineEdit(parent), name);
    edit->setGeometry(x, y, 26, 22);
    edit->setInputMask(QStringLiteral("NN;_"));  // two letters or digits required
    edit->setText(QStringLiteral("00"));
    return edit;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = named(new QLabel(text, parent), QLatin1String(name));
    label->move(x, y);
    return label;
}

constexpr int FirstRowData = 8;  // data0 .. data7 share the first row with cmd1 and cmd2
}  // namespace

Tdefinekey::Tdefinekey(Tzr8f& main, TControl& control, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), zr8f(main), control_(control) {
    setObjectName(QStringLiteral("definekey"));
    setAccessibleDescription(QStringLiteral("definekey"));
    setWindowTitle(QStringLiteral("Define Key"));
    setFixedSize(316, 162);

    caption(this, "Label1", QStringLiteral("Key Label"), 8, 8);
    Caption = named(new QLineEdit(this), QStringLiteral("Caption"));
    Caption->setGeometry(8, 26, 80, 22);
    caption(this, "Label2", QStringLiteral("Key Description"), 100, 8);
    description = named(new QLineEdit(this), QStringLiteral("description"));
    description->setGeometry(100, 26, 200, 22);

    caption(this, "Label3", QStringLiteral("Hexadecial Command without checksum"), 8, 56);
    cmd1 = byteEdit(this, QStringLiteral("cmd1"), 8, 74);
    cmd2 = byteEdit(this, QStringLiteral("cmd2"), 38, 74);
    for (int i = 0; i < static_cast<int>(data.size()); ++i) {
        const bool firstRow = i < FirstRowData;
        const int column = firstRow ? i + 2 : i - FirstRowData;
        QLineEdit* edit =
            byteEdit(this, QStringLiteral("data%1").arg(i), 8 + 30 * column, firstRow ? 74 : 100);
        edit->hide();
        data[static_cast<std::size_t>(i)] = edit;
    }
    cmd1->installEventFilter(this);
    // Guarded after cmd1's own filter, so that a refused leave does not count as leaving cmd1.
    for (int i = 0; i < keyrecord::ByteFieldCount; ++i) maskedfield::guard(*byteField(i));

    Exit = named(new QPushButton(QStringLiteral("Exit"), this), QStringLiteral("Exit"));
    Exit->setGeometry(248, 130, 60, 24);
    connect(Exit, &QPushButton::clicked, this, [this] { ExitClick(); });
}

Tdefinekey::~Tdefinekey() = default;

QLineEdit* Tdefinekey::byteField(int i) const {
    if (i == 0) return cmd1;
    if (i == 1) return cmd2;
    return data[static_cast<std::size_t>(i - 2)];
}

void Tdefinekey::FormActivate() {
    keyfile::File file(keyfile::path(zr8f.AppDir));
    file.read(EditKeyIndex, KeyData);
    file.close();
    loaddef();
    Caption->setFocus();
}

void Tdefinekey::loaddef() {
    for (int i = 0; i < keyrecord::ByteFieldCount; ++i) {
        byteField(i)->setText(frame::hex2(keyrecord::byteField(KeyData, i)));
    }
    Caption->setText(keyrecord::label(KeyData));
    description->setText(keyrecord::description(KeyData));
    showdata();
}

void Tdefinekey::showdata() {
    const int n = frame::dataCount(keyrecord::hex(cmd1->text()));
    for (int i = 0; i < static_cast<int>(data.size()); ++i) {
        data[static_cast<std::size_t>(i)]->setVisible(i < n);
    }
}

void Tdefinekey::cmd1Exit() {
    showdata();
}

void Tdefinekey::updatekeydata() {
    keyrecord::setLabel(KeyData, Caption->text());
    keyrecord::setDescription(KeyData, description->text());
    // Hidden fields too: a lowered CMD1 must not lose the bytes it no longer sends.
    for (int i = 0; i < keyrecord::ByteFieldCount; ++i) {
        keyrecord::setByteField(KeyData, i, keyrecord::hex(byteField(i)->text()));
    }
    control_.setkey();
}

void Tdefinekey::requireCompleteFields() const {
    for (int i = 0; i < keyrecord::ByteFieldCount; ++i) {
        if (!byteField(i)->hasAcceptableInput()) inputmask::refuse();
    }
}

void Tdefinekey::FormClose() {
    // Checked while the window still shows, so that a partial byte is put right, not lost.
    requireCompleteFields();
    hide();
    updatekeydata();
    keyfile::File file(keyfile::path(zr8f.AppDir));
    file.write(EditKeyIndex, KeyData);
    file.close();
    control_.setkey();
}

void Tdefinekey::ExitClick() {
    FormClose();
}

bool Tdefinekey::event(QEvent* event) {
    if (activation_.loads(*event)) FormActivate();
    return QWidget::event(event);
}

bool Tdefinekey::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmd1 && event->type() == QEvent::FocusOut) cmd1Exit();
    return QWidget::eventFilter(watched, event);
}

void Tdefinekey::closeEvent(QCloseEvent* event) {
    // The user's close box saves like Exit; the application ending closes without saving.
    if (event->spontaneous()) {
        event->ignore();
        FormClose();
    } else {
        event->accept();
    }
}

void Tdefinekey::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_) {
        placed_ = true;
        placement::centreOnScreen(*this);
    }
}
