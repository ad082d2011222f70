#include "app/Zr8a.h"

#include "app/Application.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "link/StringGrid.h"
#include "serial/TComPort.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
// Gives a component its name for Qt, screen readers and UI automation alike.
template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QWidget, W>) w->setAccessibleDescription(QLatin1String(name));
    return w;
}
}  // namespace

Tzr8f::Tzr8f(const QStringList& args, const QString& programPath,
             TComPort::DeviceFactory devices, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("zr8f"));
    setWindowTitle(QStringLiteral("Quenlar : Extended Protocol Analyser : Version 2.20"));
    serial = named(new TComPort(this), "serial");
    if (devices) serial->setDeviceFactory(std::move(devices));
    serial->setComNumber(1);
    serial->setBaud(38400);
    serial->setParity(TParity::pOdd);
    serial->setDTR(false);
    serial->setAutoOpen(false);
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(40);

    buildButtonBar();
    buildMachineStatus();
    buildSystemStatus();
    buildRecordTracks();
    buildMisc();
    buildRawComms();

    serial->OnTriggerAvail = [this](TComPort* cp, std::uint16_t count) { serialTriggerAvail(cp, count); };
    serial->OnTriggerModemStatus = [this](TComPort* cp) { serialTriggerModemStatus(cp); };
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    runReportingFailure([&] { FormCreate(args, programPath); });
}

Tzr8f::~Tzr8f() = default;
