// Start-up: the main window first (its FormCreate runs now), then the application title, then the
// machine control and key definition windows, hidden; then the event loop. Bytes that arrive on
// the port meanwhile wait for the loop.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "app/startup.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"

int main(int argc, char** argv) {
    Application app(argc, argv);
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
