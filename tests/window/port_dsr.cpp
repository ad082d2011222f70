// The main window's DSR watch: the time sense request when DSR comes on, and re-arming.
#include "tests/window/port_fixture.h"

namespace {

class DsrWatch : public PortWindow {
  protected:
    void SetUp() override {
        PortWindow::SetUp();
        ASSERT_TRUE(w->serial->Open());
        w->Tx.open();  // as the timer leaves it between master-position tallies
    }
};

TEST_F(DsrWatch, IsArmedOnDsrAtStartUp) {
    EXPECT_NE(w->ModemWatch, 0);
    EXPECT_TRUE(w->serial->ModemWatchArmed(w->ModemWatch));
}

TEST_F(DsrWatch, DsrComingOnSendsTheTimeSenseRequestAndReArms) {
    setLinesAndWait(0x20);
    EXPECT_EQ(waitForWritten(*line, 4), QByteArray::fromHex("610C016E"));
    EXPECT_TRUE(w->serial->ModemWatchArmed(w->ModemWatch));
    EXPECT_TRUE(testsupport::errorBoxes().isEmpty());
}

TEST_F(DsrWatch, DsrGoingOffReArmsWithoutSending) {
    setLinesAndWait(0x20);
    ASSERT_EQ(waitForWritten(*line, 4).size(), 4);
    setLinesAndWait(0x00);
    EXPECT_TRUE(w->serial->ModemWatchArmed(w->ModemWatch));
    ASSERT_TRUE(waitForDispatchPasses(*w->serial));
    EXPECT_EQ(line->takeWritten(), QByteArray());
    setLinesAndWait(0x20);
    EXPECT_EQ(waitForWritten(*line, 4), QByteArray::fromHex("610C016E"))
        << "the re-armed watch fires";
}

TEST_F(DsrWatch, OtherLinesDoNotFireIt) {
    setLinesAndWait(0x20);
    ASSERT_EQ(waitForWritten(*line, 4).size(), 4);
    line->setModemLines(0x20 | 0x10 | 0x80);
    ASSERT_TRUE(waitForDispatchPasses(*w->serial));
    EXPECT_EQ(w->serial->stats().modemEvents, 1u);
    EXPECT_EQ(line->takeWritten(), QByteArray());
}

TEST_F(DsrWatch, TheHandlerReturnsWithoutReArmingWhenDsrDidNotChange) {
    w->serial->ArmModemWatch(w->ModemWatch, 0x20, false);
    const std::uint16_t cts = w->serial->AddModemWatch();
    w->serial->ArmModemWatch(cts, 0x10, true);
    setLinesAndWait(0x10);  // the CTS watch raises the event; DSR has not changed
    EXPECT_FALSE(w->serial->ModemWatchArmed(w->ModemWatch));
    line->setModemLines(0x30);
    ASSERT_TRUE(waitForDispatchPasses(*w->serial));
    EXPECT_EQ(line->takeWritten(), QByteArray()) << "a watch left unarmed does not fire";
}

TEST_F(DsrWatch, ArmingAnUnregisteredHandleIsBadTriggerHandle) {
    try {
        w->serial->ArmModemWatch(static_cast<std::uint16_t>(w->ModemWatch + 100), 0x20, true);
        ADD_FAILURE() << "the handle was taken";
    } catch (const AppError& e) {
        EXPECT_EQ(e.code(), 5003);
        EXPECT_EQ(e.text(), QStringLiteral("Bad trigger handle"));
    }
}

TEST_F(DsrWatch, SurvivesClosingAndReopeningThePort) {
    w->serial->setOpen(false);
    w->serial->setOpen(true);
    setLinesAndWait(0x20);
    EXPECT_EQ(waitForWritten(*line, 4), QByteArray::fromHex("610C016E"));
}

}  // namespace
