#pragma once
// The main window on a scripted line, for the tests of its port handlers.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <vector>

class PortWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::errorBoxes().clear();
        ASSERT_TRUE(dir.isValid());
        TComPort::DeviceFactory scripted = scriptedFactory(line);
        w = std::make_unique<Tzr8f>(QStringList{}, dir.filePath(QStringLiteral("quenlar")),
                                    [this, scripted](std::uint16_t n) {
                                        portsOpened.push_back(n);
                                        return scripted(n);
                                    });
        control = std::make_unique<TControl>(*w);
        keys = std::make_unique<Tdefinekey>(*w, *control);
        w->Control = control.get();
        w->definekey = keys.get();
        control->definekey = keys.get();
    }
    void TearDown() override {
        keys.reset();
        control.reset();
        w.reset();
    }

    // Sets the modem lines and waits until the main window's handler has run for them.
    void setLinesAndWait(std::uint8_t lines) {
        const std::uint64_t before = w->serial->stats().modemEvents;
        line->setModemLines(lines);
        ASSERT_TRUE(waitFor([&] { return w->serial->stats().modemEvents > before; }));
    }

    QTemporaryDir dir;
    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    std::unique_ptr<Tzr8f> w;
    std::unique_ptr<TControl> control;
    std::unique_ptr<Tdefinekey> keys;
    std::vector<std::uint16_t> portsOpened;
};
