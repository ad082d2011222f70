// Start-up: the main window first (its FormCreate runs now), then the application title, then the
// machine control and key definition windows, hidden; then the event loop. Bytes that arrive on
// the port meanwhile wait for the loop.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "app/startup.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"

#include <QtGlobal>

int main(int argc, char** argv) {
    // Under X11, Qt hands each repaint to the server in shared memory and, before the next one,
    // waits until the server has let go of it; a busy server then holds the user-interface thread
    // for longer than 30 bytes take on the line. Repaints of a few cells copy cheaply over the
    // socket instead. A user's own setting of the variable wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    Application app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quenlar.analyser"));
    QStringList parameters = QCoreApplication::arguments();
    if (!parameters.isEmpty()) parameters.removeFirst();  // the program's own name

    Tzr8f zr8f(parameters, QCoreApplication::applicationFilePath());
    app.Title = QLatin1String(startup::ApplicationTitle);
    TControl Control(zr8f);
    Tdefinekey definekey(zr8f, Control);
    zr8f.Control = &Control;
    zr8f.definekey = &definekey;
    Control.definekey = &definekey;

    zr8f.show();
    return QApplication::exec();
}
