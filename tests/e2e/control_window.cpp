// The analyser speaking on the simulated bus: what a user does in the machine control window
// reaches the line, the simulator acts on it, and its reaction comes back in the tallies.
#include "tests/support/e2e_bus.h"
#include "tests/support/e2e_lines.h"

#include <QFile>

namespace {

using namespace e2e;

const QString ControlTitle = QStringLiteral("Machine Control");

class ControlWindow : public WholeProgram {
  protected:
    // A quiet bus (no controller of its own) and the analyser with its control window shown.
    void SetUp() override {
        WholeProgram::SetUp();
        bus = &startSimulator({"--no-controller", "--seed", "31", "--load", "25"});
        a = &startAnalyser(*bus);
        press(*a, QStringLiteral("ctrl+c"));
        control = display.waitForWindow(ControlTitle, LongWaitMs);
        ASSERT_FALSE(control.isEmpty());
    }
    void clickControl(const char* name) {
        display.click(control, layout.control(QLatin1String(name)));
    }
    // Cyclic polling on, and tallies flowing back.
    void startCyclic() {
        clickControl("Cyclic");
        ASSERT_TRUE(waitForReceived(*bus, QStringLiteral("02 A0 85 01 28 ")));
        ASSERT_TRUE(waitUntil(
            [&] { return !bus->written().filter(QStringLiteral("F 19 A0 80 ")).isEmpty(); },
            LongWaitMs));
    }

    Simulator* bus = nullptr;
    Analyser* a = nullptr;
    QString control;
};

TEST_F(ControlWindow, MachineCPickedAndPlayedComesBackPlayingInItsStatusTally) {
    startCyclic();
    clickControl("Command1");  // "Current Mcn"
    display.click(a->window, layout.mainCell(QStringLiteral("Grid4"), 0, 3));
    ASSERT_TRUE(waitForReceived(*bus, QStringLiteral("03 A0 8B 03 00 31 ")));  // select C
    commandTraceOn(*a);
    clickControl("Play");
    ASSERT_TRUE(waitForReceived(*bus, QStringLiteral("02 A0 89 02 2D ")));  // Play to current
    const QString playing = QStringLiteral("F 1A A0 81 03 03 ");            // C's status: Play
    ASSERT_TRUE(waitUntil([&] { return !bus->written().filter(playing).isEmpty(); }, LongWaitMs));
    ASSERT_TRUE(waitForMoreWritten(*bus, 30));
    const QStringList trace = commandTraceOff(*a);
    EXPECT_FALSE(trace.filter(QStringLiteral(" Mcn status  1A A0 81 03 03 ")).isEmpty())
        << trace.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ControlWindow, ArmingATrackComesBackInTheReadyBitMap) {
    startCyclic();
    clickControl("rec1");
    ASSERT_TRUE(waitForReceived(*bus, QStringLiteral("04 A0 8D 01 00 00 32 ")));
    EXPECT_TRUE(waitUntil(
        [&] { return !bus->written().filter(QStringLiteral("F 1F A0 91 01 00 ")).isEmpty(); },
        LongWaitMs));
}

TEST_F(ControlWindow, FirstShowingCreatesKeydefWhoseKeysSendTheirEmptyFrames) {
    const QString keydef = a->appDir + QStringLiteral("keydef");
    ASSERT_TRUE(waitUntil([&] { return QFile(keydef).size() == 220; }, LongWaitMs));
    QFile f(keydef);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    for (int k = 0; k < 4; ++k) {
        const QByteArray record = bytes.mid(55 * k, 55);
        EXPECT_EQ(record.left(2), QByteArray("\x01") + char('A' + k));
        EXPECT_EQ(record.mid(37), QByteArray(18, '\0'));  // CMD1, CMD2 and data all zero
    }
    clickControl("SelectB");
    EXPECT_TRUE(waitForReceived(*bus, QStringLiteral("00 00 00 ")));
}

TEST_F(ControlWindow, MKeyAsksForTheDeviceTypeAndTheSimulatorAnswers) {
    display.key(control, QStringLiteral("m"));
    ASSERT_TRUE(waitForReceived(*bus, QStringLiteral("00 11 11 ")));
    // Machine A, the current machine, is a Sony 20 24.
    EXPECT_TRUE(waitUntil(
        [&] { return bus->written().contains(QStringLiteral("F 12 11 20 24 67 ")); }, LongWaitMs));
}

}  // namespace
