#pragma once
// What every fuzz target runs on: the application object (offscreen, error boxes swallowed) and
// the main window on a scripted line, in a folder of its own. One for the whole fuzzing run: the
// window's state carries over from input to input, as it does on a line.
#include "app/Application.h"
#include "app/Zr8a.h"
#include "tests/support/ScriptedDevice.h"

#include <QTemporaryDir>

#include <memory>

struct FuzzRig {
    bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[8] = "fuzz";
    char* argv[2] = {name, nullptr};
    Application app{argc, argv};
    QTemporaryDir dir;
    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    Tzr8f window{QStringList{}, dir.path() + QStringLiteral("/quenlar"), scriptedFactory(line)};

    FuzzRig() {
        app.errorSink = [](const QString&) {};
    }
};
