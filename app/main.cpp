// Start-up: the main window first (its FormCreate runs now), then the application title, then the
// machine control and key definition windows, hidden; then the event loop.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"

#include <memory>

int main(int argc, char** argv) {
    Application app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    const QString programPath = args.isEmpty() ? QString() : args.takeFirst();

    Tzr8f zr8f(args, programPath);
    app.Title = QStringLiteral("Quenlar: Extended Protocol Analyser");
    TControl Control(zr8f);
    Tdefinekey definekey(zr8f, Control);
    zr8f.Control = &Control;
    zr8f.definekey = &definekey;
    Control.definekey = &definekey;
    zr8f.show();
    return QApplication::exec();
}
