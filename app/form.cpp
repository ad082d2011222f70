// Start-up, views, resize rule, keyboard shortcuts and shut-down of the main window.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "app/appfolders.h"
#include "app/startup.h"
#include "app/views.h"
#include "link/StringGrid.h"
#include "serial/TComPort.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QTimer>

namespace {

// The raw-traffic panel is anchored to the left, top and bottom edges.
void followBottomEdge(Tzr8f& w) {
    w.RawComms->resize(w.RawComms->width(), views::rawCommsHeight(w.height()));
}

// A hidden window gets its resize event only when it is shown; the rule applies at once anyway.
void setFormHeight(Tzr8f& w, int height) {
    w.resize(w.width(), height);
    if (!w.isVisible()) {
        followBottomEdge(w);
        w.FormResize();
    }
}

appfolders::Folders foldersFor(const QString& programFolder) {
    return appfolders::choose({programFolder, appfolders::writable(programFolder),
                               qEnvironmentVariable("XDG_DATA_HOME"),
                               qEnvironmentVariable("HOME")});
}

}  // namespace

void Tzr8f::FormCreate(const QStringList& args, const QString& programPath) {
    Application* app = Application::instance();
    setFormHeight(*this, views::CompactHeight);
    Parsed.traceDue = false;
    if (!args.isEmpty()) serial->setComNumber(startup::portNumberArgument(args.first()));
    Button1->setText(startup::portCaption(serial->ComNumber()));
    serial->setOpen(true);
    MonMcn = 1;
    const QString programFolder = startup::programFolder(programPath, QDir::currentPath());
    const appfolders::Folders folders = foldersFor(programFolder);
    AppDir = folders.appDir;
    DocumentsDir = folders.documents;
    // The user's own folder is made on the first run. Should that fail, the first trace or key
    // file says why, as it would for any folder it cannot write to.
    if (AppDir != programFolder) QDir().mkpath(AppDir);
    if (app) app->HelpFile = AppDir + QLatin1String(startup::HelpFileName);
    clear();
    ModemWatch = serial->AddModemWatch();
    serial->ArmModemWatch(ModemWatch, 0x20, true);
    if (app) app->HintDelay = 50;
}

void Tzr8f::FormActivate() {
    move(x(), 0);
}

void Tzr8f::FormResize() {
    const views::RawGridHeights h = views::rawGridHeights(height());
    mcngrid->resize(mcngrid->width(), h.mcngrid);
    grid1->resize(grid1->width(), h.grid1);
}

void Tzr8f::FormClose() {
    serial->setOpen(false);
    if (Application* app = Application::instance()) {
        app->Terminate();
    } else {
        QCoreApplication::quit();
    }
}

// Acts only when the key-down just before was Ctrl or Alt; which modifiers are held is not
// looked at, so Ctrl, Shift, L does nothing.
void Tzr8f::mykeydown(int key) {
    if (LastKey == Qt::Key_Control || LastKey == Qt::Key_Alt) {
        switch (key) {
            case Qt::Key_A:
                tall();
                break;
            case Qt::Key_C:
                cmdenab();
                break;
            case Qt::Key_E:
                editfname();
                break;
            case Qt::Key_G:
                charttoggle();
                break;
            case Qt::Key_L:
                clear();
                break;
            case Qt::Key_P:
                editprotocol();
                break;
            case Qt::Key_T:
                tcmd();
                break;
            case Qt::Key_X:
                close();
                break;
            default:
                break;
        }
    }
    LastKey = key;
}

void Tzr8f::DetailsClick() {
    if (!ledComms->isHidden()) {
        ledComms->hide();
        setFormHeight(*this, views::CompactHeight);
    } else {
        ledComms->show();
        setFormHeight(*this, views::DetailsHeight);
    }
}

void Tzr8f::Button1Click() {
    portchange(0);
}

void Tzr8f::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    followBottomEdge(*this);
    FormResize();
}

// A failure while closing leaves the window open.
void Tzr8f::closeEvent(QCloseEvent* event) {
    event->ignore();
    FormClose();
    event->accept();
}

bool Tzr8f::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    if (event->type() == QEvent::UpdateRequest) {
        // Updates asked for since the last repaint wait for the timer, which asks again.
        if (lastRepaint_.isValid() && lastRepaint_.elapsed() < RepaintIntervalMs) {
            if (!repaintTimer_->isActive()) {
                repaintTimer_->start(RepaintIntervalMs - static_cast<int>(lastRepaint_.elapsed()));
            }
            return true;
        }
        lastRepaint_.start();
    }
    return QWidget::event(event);
}
