#pragma once
// A test with the analyser's three windows on a scripted line, in a folder of its own (the
// program's folder, where traces and keydef go). Error boxes are recorded, not shown.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/testmain.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class AnalyserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Switching a trace off opens its file in a viewer: none here.
        qputenv("QUENLAR_OPEN", "true");
        testsupport::errorBoxes().clear();
        ASSERT_TRUE(dir.isValid());
        open();
    }
    void TearDown() override { closeWindows(); }

    // Creates the windows as start-up does: main window first, then the other two. The program
    // file is taken to be in `folder` (the test's own folder when empty).
    void open(const QString& folder = {}) {
        const QString programFolder = folder.isEmpty() ? dir.path() : folder;
        w = std::make_unique<Tzr8f>(QStringList{}, programFolder + QStringLiteral("/quenlar"),
                                    scriptedFactory(line));
        control = std::make_unique<TControl>(*w);
        keys = std::make_unique<Tdefinekey>(*w, *control);
        w->Control = control.get();
        w->definekey = keys.get();
        control->definekey = keys.get();
    }
    void closeWindows() {
        keys.reset();
        control.reset();
        w.reset();
    }

    QTemporaryDir dir;
    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    std::unique_ptr<Tzr8f> w;
    std::unique_ptr<TControl> control;
    std::unique_ptr<Tdefinekey> keys;
};
