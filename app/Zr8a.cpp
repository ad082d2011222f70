#include "app/Zr8a.h"

#include "app/Application.h"
#include "app/startup.h"
#include "chart/SyncHistory.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "link/StringGrid.h"
#include "serial/TComPort.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace {
// Gives a component its name for Qt, screen readers and UI automation alike.
template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QWidget, W>) w->setAccessibleDescription(QLatin1String(name));
    return w;
}

// The form's own size; FormCreate then chooses the compact view.
constexpr QSize DesignSize(796, 600);
}  // namespace

Tzr8f::Tzr8f(const QStringList& args, const QString& programPath, TComPort::DeviceFactory devices,
             QWidget* parent)
    : QWidget(parent) {
    named(this, "zr8f");
    setWindowTitle(QLatin1String(startup::MainCaption));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(grey);
    setAutoFillBackground(true);
    // Metric twins of the face the layout was drawn for, so that the texts fit their labels.
    QFont face = font();
    face.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    setFont(face);
    resize(DesignSize);

    serial = named(new TComPort(this), "serial");
    if (devices) serial->setDeviceFactory(std::move(devices));
    serial->setComNumber(1);
    serial->setBaud(38400);
    serial->setParity(TParity::pOdd);
    serial->setDTR(false);
    serial->setAutoOpen(false);
    repaintTimer_ = new QTimer(this);
    repaintTimer_->setSingleShot(true);
    connect(repaintTimer_, &QTimer::timeout, this, [this] {
        QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(40);

    buildButtonBar();
    buildMachineStatus();
    buildSystemStatus();
    buildRecordTracks();
    buildMisc();
    buildRawComms();
    buildLabels();
    buildSyncChart();

    serial->OnTriggerAvail = [this](TComPort* cp, std::uint16_t count) {
        serialTriggerAvail(cp, count);
    };
    serial->OnTriggerModemStatus = [this](TComPort* cp) { serialTriggerModemStatus(cp); };
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    // Key preview: the shortcuts see every key-down before the focused control does.
    if (Application* app = Application::instance()) {
        app->addKeyPreview(this, [this](const QKeyEvent& key) { mykeydown(key.key()); });
    }

    runReportingFailure([&] { FormCreate(args, programPath); });

    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

Tzr8f::~Tzr8f() = default;
