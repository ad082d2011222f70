// Sending against the clock and the tally stream: the cyclic request every 26 ticks of Timer1,
// frames held after a master-position tally until the next decoded extended tally, and the
// errors of a closed port. Ticks are driven by hand; the real timer is kept stopped.
#include "tests/window/control_fixture.h"

#include "app/Application.h"
#include "link/frame.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>
#include <QTimerEvent>

#include <utility>

namespace {

// A frame with its checksum appended.
QByteArray framed(const char* hexWithoutChecksum) {
    const QByteArray body = QByteArray::fromHex(hexWithoutChecksum);
    return body + static_cast<char>(frame::checksum(
                      std::span(reinterpret_cast<const std::uint8_t*>(body.constData()),
                                static_cast<std::size_t>(body.size()))));
}

// Master position of machine 1 at 00:00:00:00, system status all clear.
const QByteArray MasterPosition = framed("19A0800100000000000000");
// Machine-status tallies of machine 1 (monitored) and machine 3.
const QByteArray StatusOfA = framed(
    "1AA0810100000000000000"
    "00");
const QByteArray StatusOfC = framed(
    "1AA0810300000000000000"
    "00");
const QByteArray CyclicRequest = QByteArray::fromHex("02A0850128");

class Timing : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.w.cmdenab();
        rig.w.Timer1->stop();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) rig.w.Timer1Timer();
    }
    // Nothing has reached the line for a few passes of the component's dispatching thread.
    QByteArray writtenMeanwhile() {
        waitForDispatchPasses(*rig.w.serial);
        return rig.line->takeWritten();
    }
    ControlRig rig;
};

TEST_F(Timing, CyclicRequestGoesOutOnTheFirstTickAndThenEvery26Ticks) {
    ticks(1);
    rig.c.Cyclic->click();
    EXPECT_EQ(rig.take(5), CyclicRequest) << "switching on sends the request at once";
    ticks(1);
    EXPECT_EQ(rig.sentBefore(), CyclicRequest) << "first tick after switching on";
    ticks(25);
    EXPECT_EQ(rig.sentBefore(), QByteArray()) << "ticks 2 to 26";
    ticks(1);
    EXPECT_EQ(rig.sentBefore(), CyclicRequest) << "tick 27";
    ticks(26);
    EXPECT_EQ(rig.sentBefore(), CyclicRequest) << "tick 53";
}

TEST_F(Timing, CountdownResumesWhereItStoppedWhenCyclicDataComesBackOn) {
    ticks(1);
    rig.c.Cyclic->click();
    ticks(11);  // the request on the first, then the countdown stands at 15
    EXPECT_EQ(rig.take(10), CyclicRequest + CyclicRequest);
    rig.c.Cyclic->click();
    ticks(40);
    EXPECT_EQ(rig.sentBefore(), QByteArray::fromHex("02A0850027")) << "off: no requests";
    rig.c.Cyclic->click();
    EXPECT_EQ(rig.take(5), CyclicRequest);
    ticks(15);
    EXPECT_EQ(rig.sentBefore(), QByteArray());
    ticks(1);
    EXPECT_EQ(rig.sentBefore(), CyclicRequest);
}

TEST_F(Timing, HidingTheWindowKeepsTheCyclicRequestGoing) {
    ticks(1);
    rig.c.Cyclic->click();
    rig.w.cmdenab();
    ASSERT_FALSE(rig.c.isVisible());
    EXPECT_TRUE(waitFor([&] { return !rig.line->dtr(); }));
    ticks(27);
    EXPECT_EQ(rig.sentBefore(), CyclicRequest + CyclicRequest + CyclicRequest);
}

TEST_F(Timing, FrameAfterAMasterPositionTallyWaitsForTheNextDecodedTally) {
    ticks(1);
    rig.receive(MasterPosition);
    rig.c.Play->click();
    EXPECT_EQ(writtenMeanwhile(), QByteArray()) << "held";
    rig.receive(StatusOfA);
    EXPECT_EQ(rig.take(5), QByteArray::fromHex("02A08C0230"));
}

TEST_F(Timing, OfTwoFramesHeldOnlyTheSecondGoesOut) {
    ticks(1);
    rig.receive(MasterPosition);
    rig.c.Play->click();
    rig.c.Stop->click();
    rig.receive(MasterPosition);
    EXPECT_EQ(rig.take(5), QByteArray::fromHex("02A08C012F"));
    ticks(1);
    EXPECT_EQ(rig.sentBefore(), QByteArray()) << "Play was replaced and never sent";
}

TEST_F(Timing, AnotherMachinesTallyDoesNotReleaseTheHeldFrame) {
    ticks(1);
    rig.receive(MasterPosition);
    rig.c.Play->click();
    rig.receive(StatusOfC);
    EXPECT_EQ(writtenMeanwhile(), QByteArray());
    EXPECT_EQ(rig.w.Tx.held(), QByteArray::fromHex("02A08C0230"));
    rig.receive(StatusOfA);
    EXPECT_EQ(rig.take(5), QByteArray::fromHex("02A08C0230"));
}

TEST_F(Timing, TheTickDoesNotReleaseAHeldFrame) {
    ticks(1);
    rig.receive(MasterPosition);
    rig.c.Play->click();
    ticks(3);
    EXPECT_EQ(writtenMeanwhile(), QByteArray());
    rig.receive(MasterPosition);
    EXPECT_EQ(rig.take(5), QByteArray::fromHex("02A08C0230"));
}

TEST_F(Timing, MachinePickedRightAfterAMasterPositionTallyIsSelectedAfterTheNextTally) {
    ticks(1);
    rig.receive(MasterPosition);
    rig.w.Grid4MouseUp(Qt::RightButton, 0, 1);
    EXPECT_EQ(writtenMeanwhile(), QByteArray());
    rig.receive(StatusOfA);
    EXPECT_EQ(rig.take(6), QByteArray::fromHex("03A08B01002F"));
}

TEST_F(Timing, ClosedPortGivesOneErrorPerFailedCyclicRequest) {
    ticks(1);
    rig.c.Cyclic->click();
    EXPECT_EQ(rig.take(5), CyclicRequest);
    rig.w.serial->setOpen(false);
    testsupport::errorBoxes().clear();
    // Through the application's event delivery, as the running timer raises them.
    rig.w.Timer1->start();
    for (int i = 0; i < 26 * 3 + 1; ++i) {
        QTimerEvent tick(rig.w.Timer1->timerId());
        QCoreApplication::sendEvent(rig.w.Timer1, &tick);
    }
    rig.w.Timer1->stop();
    const QString notOpen = QStringLiteral("ie_NOpen - device not open.");
    EXPECT_EQ(testsupport::errorBoxes(), QStringList({notOpen, notOpen, notOpen, notOpen}))
        << "requests on ticks 1, 27, 53 and 79";
    EXPECT_EQ(rig.w.Tx.held(), CyclicRequest) << "kept for the next try";
}

TEST_F(Timing, FailedRequestsBehindAnOpenErrorBoxBringNoFurtherBoxes) {
    ticks(1);
    rig.c.Cyclic->click();
    EXPECT_EQ(rig.take(5), CyclicRequest);
    rig.w.serial->setOpen(false);
    testsupport::errorBoxes().clear();
    rig.w.Timer1->start();
    const auto deliverTicks = [&](int n) {
        for (int i = 0; i < n; ++i) {
            QTimerEvent tick(rig.w.Timer1->timerId());
            QCoreApplication::sendEvent(rig.w.Timer1, &tick);
        }
    };
    // The first box stays open while the timer runs on behind it: two more requests fail then.
    Application* app = Application::instance();
    const auto recordOnly = app->errorSink;
    bool boxShown = false;
    app->errorSink = [&](const QString& text) {
        recordOnly(text);
        if (!std::exchange(boxShown, true)) deliverTicks(52);
    };
    deliverTicks(1);
    app->errorSink = recordOnly;
    EXPECT_EQ(testsupport::errorBoxes().size(), 1);
    deliverTicks(26);  // the box is closed: the next failed request shows one box
    rig.w.Timer1->stop();
    EXPECT_EQ(testsupport::errorBoxes().size(), 2);
}

}  // namespace
