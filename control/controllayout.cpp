// The machine control window's components as the form lays them out. Creation order is Tab
// order: Loc1, the Command items and the rec buttons take the focus by Tab; the transport,
// locate, cyclic and key buttons only by a click.
#include "control/Mcnctl.h"
#include "control/maskedfield.h"
#include "control/placement.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
using placement::named;

QPushButton* clickOnlyButton(QWidget* parent, const QString& name, const QString& caption,
                             QRect geometry) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::ClickFocus);
    return b;
}

QFrame* shape(QWidget* parent, const QString& name, const char* style, QRect geometry) {
    auto* f = named(new QFrame(parent), name);
    f->setGeometry(geometry);
    f->setStyleSheet(QLatin1String(style));
    f->hide();
    return f;
}

constexpr int TrackColumns = 12;
}  // namespace

void TControl::buildTransport() {
    Loc1 = named(new QLineEdit(this), QStringLiteral("Loc1"));
    Loc1->setGeometry(8, 12, 84, 22);
    Loc1->setInputMask(QStringLiteral("99:99:99:99;_"));
    Loc1->setText(QStringLiteral("00:00:00:00"));
    maskedfield::guard(*Loc1);

    Locate1 = clickOnlyButton(this, QStringLiteral("Locate1"), QStringLiteral("Locate"),
                              QRect(96, 12, 56, 22));
    Lcyclic = shape(this, QStringLiteral("Lcyclic"), "background: yellow;", QRect(160, 4, 56, 6));
    Cyclic = clickOnlyButton(this, QStringLiteral("Cyclic"), QStringLiteral("Cyclic"),
                             QRect(160, 12, 56, 22));
    Cyclic->setStyleSheet(QStringLiteral("color: palette(highlight);"));

    std::array<QPushButton**, 5> buttons{&Rwd, &RvsPlay, &Stop, &Play, &Fwd};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const commandframes::TransportButton& t = commandframes::TransportButtons[i];
        *buttons[i] = clickOnlyButton(this, QLatin1String(t.name), QLatin1String(t.caption),
                                      QRect(8 + 42 * static_cast<int>(i), 42, 40, 24));
    }

    connect(Locate1, &QPushButton::clicked, this, [this] { Locate1Click(); });
    connect(Cyclic, &QPushButton::clicked, this, [this] { CyclicClick(); });
    connect(Rwd, &QPushButton::clicked, this, [this] { RwdClick(); });
    connect(RvsPlay, &QPushButton::clicked, this, [this] { RvsPlayClick(); });
    connect(Stop, &QPushButton::clicked, this, [this] { StopClick(); });
    connect(Play, &QPushButton::clicked, this, [this] { PlayClick(); });
    connect(Fwd, &QPushButton::clicked, this, [this] { FwdClick(); });
}

void TControl::buildCommandGroup() {
    Command = named(new QGroupBox(QStringLiteral("Command"), this), QStringLiteral("Command"));
    Command->setGeometry(228, 4, 168, 96);
    commandButtons_ = new QButtonGroup(this);
    const std::array<QString, 4> items{QStringLiteral("Sony P2"), QStringLiteral("Current Mcn"),
                                       QStringLiteral("Master Mcn"),
                                       QStringLiteral("Selected Mcn")};
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* item = named(new QRadioButton(items[i], Command), QStringLiteral("Command%1").arg(i));
        item->setGeometry(10, 18 + 18 * static_cast<int>(i), 150, 18);
        commandButtons_->addButton(item, static_cast<int>(i));
        CommandItems[i] = item;
    }
    CommandItems[commandframes::MasterMcn]->setChecked(true);
}

void TControl::buildKeys() {
    for (int k = 0; k < keyrecord::KeyCount; ++k) {
        const QChar letter(static_cast<char16_t>('A' + k));
        QPushButton* key = clickOnlyButton(this, QStringLiteral("Select") + letter, QString(letter),
                                           QRect(8 + 54 * k, 74, 50, 24));
        key->setToolTip(QStringLiteral("Right Click to Modify Command"));
        connect(key, &QPushButton::clicked, this, [this, k] { SelectClick(k); });
        Select[static_cast<std::size_t>(k)] = key;
    }
}

void TControl::buildTracks() {
    for (int i = 0; i < static_cast<int>(rec.size()); ++i) {
        const int track = i + 1;
        const int x = 8 + 32 * (i % TrackColumns);
        const int y = 108 + 36 * (i / TrackColumns);
        tal[static_cast<std::size_t>(i)] =
            shape(this, QStringLiteral("tal%1").arg(track),
                  "background: lime; border: 3px solid red;", QRect(x, y, 28, 7));
        auto* button = named(new QPushButton(QString::number(track), this),
                             QStringLiteral("rec%1").arg(track));
        button->setGeometry(x, y + 9, 28, 20);
        connect(button, &QPushButton::clicked, this, [this, track] { recClick(track); });
        rec[static_cast<std::size_t>(i)] = button;
    }
}
