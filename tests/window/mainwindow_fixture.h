#pragma once
// The three windows as the program builds them, with the main window on a scripted line and its
// program file in a fresh folder.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "serial/SerialDevice.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <vector>

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::errorBoxes().clear();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override {
        keys.reset();
        control.reset();
        w.reset();
    }

    // Starts the program's windows with these command-line parameters.
    Tzr8f& start(const QStringList& args = {}) {
        TComPort::DeviceFactory scripted = scriptedFactory(line);
        w = std::make_unique<Tzr8f>(args, programPath(), [this, scripted](std::uint16_t n) {
            portsOpened.push_back(n);
            return scripted(n);
        });
        control = std::make_unique<TControl>(*w);
        keys = std::make_unique<Tdefinekey>(*w, *control);
        w->Control = control.get();
        w->definekey = keys.get();
        control->definekey = keys.get();
        return *w;
    }
    QString programPath() const { return dir.filePath(QStringLiteral("quenlar")); }

    QTemporaryDir dir;
    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    std::unique_ptr<Tzr8f> w;
    std::unique_ptr<TControl> control;
    std::unique_ptr<Tdefinekey> keys;
    std::vector<std::uint16_t> portsOpened;  // the port numbers the window asked devices for
};
