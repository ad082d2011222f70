// Start-up of the main window: the port parameter, the port, AppDir, the help file, the reset
// of all tables, the DSR watch and the hint delay; and what a failure at each step leaves.
#include "app/Application.h"
#include "link/StringGrid.h"
#include "serial/SerialDevice.h"
#include "tests/support/paramname.h"
#include "tests/support/wait.h"
#include "tests/window/mainwindow_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cerrno>

namespace {

class StartUp : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Application::instance()->HintDelay = Application::DefaultHintDelay;
        Application::instance()->HelpFile.clear();
    }
};

TEST_F(StartUp, ParameterThreeOpensPortThreeAndTheButtonShowsCom3) {
    start({QStringLiteral("3")});
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com3"));
    EXPECT_EQ(w->serial->ComNumber(), 3);
    EXPECT_EQ(portsOpened, std::vector<std::uint16_t>{3});
    EXPECT_TRUE(line->isOpen());
    EXPECT_TRUE(testsupport::errorBoxes().isEmpty());
}

TEST_F(StartUp, WithoutAParameterPortOneOpensAt38400OddParityAndDtrOff) {
    start();
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com1"));
    EXPECT_EQ(portsOpened, std::vector<std::uint16_t>{1});
    ASSERT_TRUE(line->isOpen());
    const LineSettings settings = line->settings();
    EXPECT_EQ(settings.baud, 38400);
    EXPECT_EQ(settings.parity, TParity::pOdd);
    EXPECT_EQ(settings.dataBits, 8);
    EXPECT_EQ(settings.stopBits, 1);
    EXPECT_FALSE(line->dtr());
}

TEST_F(StartUp, OnlyTheFirstParameterCounts) {
    start({QStringLiteral("2"), QStringLiteral("junk")});
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com2"));
    EXPECT_TRUE(testsupport::errorBoxes().isEmpty());
}

TEST_F(StartUp, CompletesEveryStep) {
    start();
    EXPECT_EQ(w->height(), 387);
    EXPECT_FALSE(w->Parsed.traceDue);
    EXPECT_EQ(w->MonMcn, 1);
    EXPECT_EQ(w->LastKey, 0);
    EXPECT_EQ(w->AppDir, dir.path() + QLatin1Char('/'));
    EXPECT_EQ(Application::instance()->HelpFile, dir.path() + QStringLiteral("/zr-8.hlp"));
    EXPECT_EQ(w->grid1->cell(0, 0), QStringLiteral("Ct"));  // the tables were reset
    EXPECT_EQ(w->MonMcnLabel->text(), QStringLiteral("A"));
    EXPECT_EQ(Application::instance()->HintDelay, 50);
}

TEST_F(StartUp, TheDsrWatchIsArmedAtStart) {
    start();
    ASSERT_TRUE(line->isOpen());
    line->setModemLines(0x20);  // DSR comes on: the window asks for the time
    const QByteArray timeSense = QByteArray::fromHex("610C016E");
    QByteArray sent;
    // Sent at once, or held for the next tally while the cyclic requests are off.
    EXPECT_TRUE(waitFor([&] {
        sent += line->takeWritten();
        return sent == timeSense || w->Tx.held() == timeSense;
    }));
}

class NotDecimal : public StartUp, public ::testing::WithParamInterface<const char*> {};

TEST_P(NotDecimal, StopsAtThePortParameterWithThePortClosed) {
    const QString parameter = QString::fromLatin1(GetParam());
    start({parameter});
    EXPECT_EQ(testsupport::errorBoxes(),
              QStringList{QStringLiteral("'%1' is not a valid integer value.").arg(parameter)});
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Button1"));
    EXPECT_FALSE(w->serial->Open());
    EXPECT_TRUE(portsOpened.empty());
    EXPECT_EQ(w->height(), 387);  // the steps before it were done
    EXPECT_EQ(w->MonMcn, 0);
    EXPECT_TRUE(w->AppDir.isEmpty());
    EXPECT_EQ(Application::instance()->HintDelay, Application::DefaultHintDelay);
}

INSTANTIATE_TEST_SUITE_P(Parameters, NotDecimal,
                         ::testing::Values("abc", "0x3", "$3", "3.0", "COM3"),
                         paramname::ByValue());

TEST_F(StartUp, BeforeTheResetTheLabelsShowTheirDesignCaptions) {
    start({QStringLiteral("x")});
    const std::pair<QLabel*, const char*> design[] = {{w->MonMcnLabel, "A"},
                                                      {w->mcnid, "ASCII"},
                                                      {w->SonyID, "SonyID"},
                                                      {w->tally, "tally"},
                                                      {w->Mcnpos, "---:---:---:---"},
                                                      {w->mcnoff, "---:---:---:---"},
                                                      {w->mcnsuboff, "---"},
                                                      {w->RecTrks, "---"},
                                                      {w->SyncError, "---"},
                                                      {w->Position, "---:---:---:---"},
                                                      {w->MastMcn, ""},
                                                      {w->CurrMcn, ""},
                                                      {w->command, ""},
                                                      {w->aciaerr, "0"}};
    for (const auto& [label, text] : design) {
        EXPECT_EQ(label->text(), QString::fromLatin1(text)) << label->objectName().toStdString();
    }
    EXPECT_TRUE(w->grid1->cell(0, 0).isEmpty());
}

TEST_F(StartUp, APortNumberThatWouldWrapRoundIsRefused) {
    start({QStringLiteral("65537")});
    EXPECT_EQ(testsupport::errorBoxes(),
              QStringList{QStringLiteral("'65537' is not a valid port number.")});
    EXPECT_TRUE(portsOpened.empty());
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Button1"));
}

TEST_F(StartUp, APortThatCannotBeOpenedStopsStartUpThere) {
    line->failOpenWith = ENOENT;
    start();
    ASSERT_EQ(testsupport::errorBoxes().size(), 1);
    EXPECT_EQ(testsupport::errorBoxes().first(),
              QStringLiteral("ie_BadId - Specified comport doesn't exist."));
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com1"));
    EXPECT_FALSE(w->serial->Open());
    EXPECT_EQ(w->MonMcn, 0);
    EXPECT_TRUE(w->AppDir.isEmpty());
    EXPECT_TRUE(Application::instance()->HelpFile.isEmpty());
    EXPECT_TRUE(w->grid1->cell(0, 0).isEmpty());  // the tables were not reset
    EXPECT_EQ(Application::instance()->HintDelay, Application::DefaultHintDelay);
}

TEST_F(StartUp, TheWindowComesUpAfterAFailure) {
    start({QStringLiteral("nine")});
    w->show();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->size(), QSize(796, 387));
}

TEST_F(StartUp, ParityButtonTogglesOnAClosedPort) {
    start({QStringLiteral("x")});
    ASSERT_FALSE(w->serial->Open());
    testsupport::errorBoxes().clear();
    EXPECT_EQ(w->Parity->text(), QStringLiteral("Odd"));
    EXPECT_EQ(w->serial->Parity(), TParity::pOdd);
    QTest::mouseClick(w->Parity, Qt::LeftButton);
    EXPECT_EQ(w->Parity->text(), QStringLiteral("None"));
    EXPECT_EQ(w->serial->Parity(), TParity::pNone);
    QTest::mouseClick(w->Parity, Qt::LeftButton);
    EXPECT_EQ(w->Parity->text(), QStringLiteral("Odd"));
    EXPECT_EQ(w->serial->Parity(), TParity::pOdd);
    EXPECT_TRUE(testsupport::errorBoxes().isEmpty());
    EXPECT_FALSE(w->serial->Open());
}

}  // namespace
