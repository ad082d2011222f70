// Start-up, views, resize rule, keyboard shortcuts and shut-down of the main window.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "link/StringGrid.h"
#include "serial/TComPort.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

void Tzr8f::FormCreate(const QStringList& args, const QString& programPath) {
    resize(796, 387);
    TraceChange = false;
    if (!args.isEmpty()) {
        bool ok = false;
        const int n = args.first().toInt(&ok, 10);
        if (!ok) {
            throw AppError(0, QStringLiteral("'%1' is not a valid integer value").arg(args.first()));
        }
        serial->setComNumber(static_cast<std::uint16_t>(n));
    }
    Button1->setText(QStringLiteral("Com%1").arg(serial->ComNumber()));
    serial->setOpen(true);
    MonMcn = 1;
    const QString folder = QFileInfo(programPath).path();
    if (programPath.contains(QLatin1Char('/'))) {
        AppDir = QFileInfo(programPath).absolutePath() + QLatin1Char('/');
    } else {
        AppDir = QDir::currentPath();
    }
    Q_UNUSED(folder);
    if (Application* app = Application::instance()) app->HelpFile = AppDir + QStringLiteral("zr-8.hlp");
    clear();
    ModemWatch = serial->AddModemWatch();
    serial->ArmModemWatch(ModemWatch, 0x20, true);
    if (Application* app = Application::instance()) app->HintDelay = 50;
}

void Tzr8f::FormActivate() { move(x(), 0); }

void Tzr8f::FormResize() {
    const int h = height();
    if (h > 600) {
        mcngrid->resize(mcngrid->width(), h - 532);
        grid1->resize(grid1->width(), h - 426);
    } else {
        mcngrid->resize(mcngrid->width(), 68);
        grid1->resize(grid1->width(), 174);
    }
    RawComms->resize(RawComms->width(), std::max(0, h - RawComms->y() - 7));
}

void Tzr8f::FormClose() {
    serial->setOpen(false);
    QCoreApplication::quit();
}

void Tzr8f::mykeydown(int key) {
    if (LastKey == Qt::Key_Control || LastKey == Qt::Key_Alt) {
        switch (key) {
            case Qt::Key_A: tall(); break;
            case Qt::Key_C: cmdenab(); break;
            case Qt::Key_E: editfname(); break;
            case Qt::Key_L: clear(); break;
            case Qt::Key_P: editprotocol(); break;
            case Qt::Key_T: tcmd(); break;
            case Qt::Key_X: close(); break;
            default: break;
        }
    }
    LastKey = key;
}

void Tzr8f::DetailsClick() {
    if (ledComms->isVisible()) {
        ledComms->hide();
        resize(width(), 387);
    } else {
        ledComms->show();
        resize(width(), 600);
    }
}

void Tzr8f::Button1Click() { portchange(0); }

void Tzr8f::keyPressEvent(QKeyEvent* event) {
    mykeydown(event->key());
    QWidget::keyPressEvent(event);
}

void Tzr8f::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void Tzr8f::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

bool Tzr8f::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(event);
}
