// The main window's port handlers: choosing another port with Button1, the Parity button, DTR
// kept while the port is closed, and closing the window.
#include "app/Application.h"
#include "tests/window/port_fixture.h"

#include <QPushButton>
#include <QTest>

#include <cerrno>

namespace {

TEST_F(PortWindow, StartUpOpensPortOneAt38400OddWithDtrOff) {
    EXPECT_EQ(portsOpened, std::vector<std::uint16_t>{1});
    EXPECT_TRUE(w->serial->Open());
    EXPECT_EQ(line->settings(), (LineSettings{38400, TParity::pOdd, 8, 1}));
    EXPECT_FALSE(line->dtr());
    EXPECT_TRUE(line->rts());
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com1"));
}

TEST_F(PortWindow, ACancelledChooserShowsTheNotSetTextAndLeavesThePortClosed) {
    int asked = 0;
    w->serial->setPortChooser([&] {
        ++asked;
        return std::uint16_t{0};
    });
    QTest::mouseClick(w->Button1, Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(
        testsupport::errorBoxes(),
        QStringList{QStringLiteral("The ComNumber property of the TComPort has not been set.")});
    EXPECT_FALSE(w->serial->Open());
    EXPECT_FALSE(line->isOpen());
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com1"));
}

TEST_F(PortWindow, AChosenPortIsOpenedAndShownOnTheButton) {
    w->serial->setPortChooser([] { return std::uint16_t{5}; });
    QTest::mouseClick(w->Button1, Qt::LeftButton);
    EXPECT_TRUE(testsupport::errorBoxes().isEmpty());
    EXPECT_EQ(portsOpened, (std::vector<std::uint16_t>{1, 5}));
    EXPECT_TRUE(w->serial->Open());
    EXPECT_EQ(w->serial->ComNumber(), 5);
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com5"));
}

TEST_F(PortWindow, AChosenPortThatIsHeldElsewhereFailsKeepingTheNumberButNotTheCaption) {
    w->serial->setPortChooser([] { return std::uint16_t{6}; });
    line->failOpenWith = EBUSY;
    QTest::mouseClick(w->Button1, Qt::LeftButton);
    EXPECT_EQ(testsupport::errorBoxes(),
              QStringList{QStringLiteral("ie_Open - device already open.")});
    EXPECT_FALSE(w->serial->Open());
    EXPECT_EQ(w->serial->ComNumber(), 6);
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com1"));
    // Recovery: the button again, and this time the port is free.
    QTest::mouseClick(w->Button1, Qt::LeftButton);
    EXPECT_TRUE(w->serial->Open());
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com6"));
}

TEST_F(PortWindow, ChangingTheNumberOfAnOpenPortReopensItOnTheNewOne) {
    w->serial->setComNumber(4);
    EXPECT_TRUE(w->serial->Open());
    EXPECT_EQ(portsOpened, (std::vector<std::uint16_t>{1, 4}));
    EXPECT_EQ(line->openCount(), 2);
}

TEST_F(PortWindow, ParityTogglesBetweenOddAndNoneAndReachesTheOpenLine) {
    EXPECT_EQ(w->Parity->text(), QStringLiteral("Odd"));
    QTest::mouseClick(w->Parity, Qt::LeftButton);
    EXPECT_EQ(w->Parity->text(), QStringLiteral("None"));
    EXPECT_EQ(w->serial->Parity(), TParity::pNone);
    EXPECT_EQ(line->settings(), (LineSettings{38400, TParity::pNone, 8, 1}));
    QTest::mouseClick(w->Parity, Qt::LeftButton);
    EXPECT_EQ(w->Parity->text(), QStringLiteral("Odd"));
    EXPECT_EQ(line->settings().parity, TParity::pOdd);
}

TEST_F(PortWindow, ParityToggledOnAClosedPortIsUsedByTheNextOpen) {
    w->serial->setOpen(false);
    QTest::mouseClick(w->Parity, Qt::LeftButton);
    EXPECT_EQ(w->Parity->text(), QStringLiteral("None"));
    EXPECT_TRUE(testsupport::errorBoxes().isEmpty());
    EXPECT_EQ(line->settings().parity, TParity::pOdd) << "the closed line is not touched";
    w->serial->setOpen(true);
    EXPECT_EQ(line->settings().parity, TParity::pNone);
}

TEST_F(PortWindow, DtrSetWhileClosedIsAppliedAtTheNextOpen) {
    w->serial->setDTR(true);
    EXPECT_TRUE(line->dtr()) << "applied at once on the open port";
    w->serial->setOpen(false);
    w->serial->setDTR(false);
    w->serial->setOpen(true);
    EXPECT_FALSE(line->dtr());
    w->serial->setOpen(false);
    w->serial->setDTR(true);
    w->serial->setOpen(true);
    EXPECT_TRUE(line->dtr());
}

TEST_F(PortWindow, ClosingTheWindowClosesThePort) {
    w->close();
    EXPECT_FALSE(w->serial->Open());
    EXPECT_FALSE(line->isOpen());
}

TEST_F(PortWindow, SendingOnAClosedPortShowsNotOpen) {
    w->serial->setOpen(false);
    w->SendNow = true;
    w->TxFrame[0] = 0x20;
    w->TxFrame[1] = 0x01;
    EXPECT_TRUE(runReportingFailure([&] { w->sendcmd(); }) == false);
    EXPECT_EQ(testsupport::errorBoxes(),
              QStringList{QStringLiteral("ie_NOpen - device not open.")});
}

}  // namespace
