#pragma once
// The whole program on the simulated bus: a private X display, quenlar-sim on a pseudo-terminal
// and the real analyser on it, each started from a folder of its own, so that its traces and
// keydef are the test's. Every program is ended by the fixture, on failure too.
#include "tests/support/e2e_display.h"
#include "tests/support/e2e_layout.h"
#include "tests/support/e2e_program.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace e2e {

inline constexpr int LongWaitMs = 30000;

// One quenlar-sim and what it logs.
struct Simulator {
    std::unique_ptr<Program> program;
    QString line;   // the pseudo-terminal's far side
    QString txLog;  // every chunk it wrote ("F 20 01 21 ")
    QString rxLog;  // what the analyser sent, as trace-all lines
    QString stats;

    QStringList written() const { return fileLines(txLog); }
    QStringList received() const { return fileLines(rxLog); }
};

// One running analyser.
struct Analyser {
    std::unique_ptr<Program> program;
    QString appDir;  // its folder, with the trailing separator
    QString window;  // the main window's id

    QString traceAllPath() const { return appDir + QStringLiteral("temp/traceall.txt"); }
    QString commandTracePath() const { return appDir + QStringLiteral("temp/tracecmd.txt"); }
    // True while the program holds this file open.
    bool holdsOpen(const QString& path) const;
};

class WholeProgram : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts quenlar-sim with these options and the logs, and reads its QUENLAR_COM1 line.
    Simulator& startSimulator(const QStringList& options);
    // Starts the analyser from the folder `name` of the test's directory, on port 1 = the line
    // of `bus`, and waits for its main window.
    Analyser& startAnalyser(const Simulator& bus, const QString& name = QStringLiteral("quenlar"));

    // Keys on the analyser's main window.
    void press(const Analyser& a, const QString& keys) { display.key(a.window, keys); }
    // Trace-all on / off with Ctrl+A, waiting until the file is open / closed and complete.
    void traceAllOn(const Analyser& a);
    QStringList traceAllOff(const Analyser& a);
    void commandTraceOn(const Analyser& a);
    QStringList commandTraceOff(const Analyser& a);

    // Waits until the simulator has written `frames` more chunks than it had when called.
    bool waitForMoreWritten(const Simulator& bus, int frames);
    // Waits until the analyser's bytes on the line include this frame ("02 A0 85 01 28 ").
    bool waitForReceived(const Simulator& bus, const QString& frameLine);

    QString path(const QString& name) const { return dir.filePath(name); }

    Display display;
    Layout layout;
    QTemporaryDir dir{QStringLiteral(QUENLAR_BINARY_DIR "/e2e-XXXXXX")};
    std::vector<std::unique_ptr<Simulator>> simulators;
    std::vector<std::unique_ptr<Analyser>> analysers;
};

}  // namespace e2e
