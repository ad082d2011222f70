// The main window's port handlers: choosing another port with Button1, the Parity button, DTR
// kept while the port is closed, and closing the window; a port named by its by-id link.
#include "app/Application.h"
#include "serial/TComSelectForm.h"
#include "tests/support/pty.h"
#include "tests/window/port_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <functional>

namespace {

// Answers the next "Select Port" dialog when it is up: `answer` reads it and presses a button.
class ChooserAnswer {
  public:
    explicit ChooserAnswer(std::function<void(TComSelectForm&)> answer) {
        QObject::connect(&poll_, &QTimer::timeout, [this, answer] {
            auto* form = qobject_cast<TComSelectForm*>(QApplication::activeModalWidget());
            if (!form) return;
            poll_.stop();
            answer(*form);
        });
        poll_.start(10);
    }

  private:
    QTimer poll_;
};

// The rows of the chooser's opened list, each as its column texts joined by " | ".
QStringList rows(const TComSelectForm& form) {
    QStringList texts;
    const QAbstractItemModel& model = *form.PortsComboBox->model();
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < TComSelectForm::ColumnCount; ++column)
            cells << model.index(row, column).data().toString();
        texts << cells.join(QStringLiteral(" | "));
    }
    return texts;
}

const QString kById = QStringLiteral("usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");

TEST_F(PortWindow, TheChooserLooksForPortsAfreshEachTimeItOpens) {
    QTemporaryDir tree;
    ASSERT_TRUE(tree.isValid());
    const portnames::Folders folders{tree.filePath(QStringLiteral("dev")),
                                     tree.filePath(QStringLiteral("dev/serial/by-id")),
                                     tree.filePath(QStringLiteral("sys"))};
    ASSERT_TRUE(QDir().mkpath(folders.byId));
    w->serial->setPortChooser([&] { return choosePortInDialog(folders, {}); });

    QStringList before;
    {
        const ChooserAnswer cancel([&](TComSelectForm& form) {
            before = rows(form);
            QTest::mouseClick(form.AbortBtn, Qt::LeftButton);
        });
        QTest::mouseClick(w->Button1, Qt::LeftButton);
    }
    EXPECT_EQ(before, QStringList{});

    // An adapter is plugged in: its node and its by-id link appear.
    Pty adapter;
    ASSERT_TRUE(adapter.ok());
    ASSERT_TRUE(QFile::link(adapter.slavePath(), folders.dev + QStringLiteral("/ttyUSB0")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../../ttyUSB0"), folders.byId + '/' + kById));
    QStringList after;
    {
        const ChooserAnswer ok([&](TComSelectForm& form) {
            after = rows(form);
            QTest::mouseClick(form.OkBtn, Qt::LeftButton);
        });
        QTest::mouseClick(w->Button1, Qt::LeftButton);
    }
    EXPECT_EQ(after,
              QStringList{QStringLiteral("COM33 | %1/ttyUSB0 | %2 | ").arg(folders.dev, kById)});
    EXPECT_EQ(
        testsupport::errorBoxes(),
        QStringList{QStringLiteral("The ComNumber property of the TComPort has not been set.")})
        << "only the cancelled chooser";
    EXPECT_EQ(portsOpened, (std::vector<std::uint16_t>{1, 33}));
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Com33"));
}

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

// QUENLAR_COM<n> set to a /dev/serial/by-id link, as udev makes it, for the whole test.
class ByIdPort {
  public:
    ByIdPort(std::uint16_t number, const QString& device)
        : variable_(portmap::overrideVariable(number).toLatin1()) {
        QDir().mkpath(path());
        QFile::link(device, link());
        qputenv(variable_.constData(), link().toLocal8Bit());
    }
    ~ByIdPort() { qunsetenv(variable_.constData()); }
    ByIdPort(const ByIdPort&) = delete;
    ByIdPort& operator=(const ByIdPort&) = delete;

    bool ok() const { return QFileInfo(link()).isSymLink(); }

  private:
    QString path() const { return tree_.filePath(QStringLiteral("serial/by-id")); }
    QString link() const { return path() + '/' + kById; }

    QTemporaryDir tree_;
    QByteArray variable_;
};

TEST(PortByName, APortSetToItsByIdLinkOpensTheDeviceBehindIt) {
    testsupport::errorBoxes().clear();
    Pty farEnd;
    ASSERT_TRUE(farEnd.ok());
    const ByIdPort named(7, farEnd.slavePath());
    ASSERT_TRUE(named.ok());
    QTemporaryDir dir;
    Tzr8f w(QStringList{QStringLiteral("7")}, dir.filePath(QStringLiteral("quenlar")));
    EXPECT_TRUE(testsupport::errorBoxes().isEmpty());
    EXPECT_TRUE(w.serial->Open());
    EXPECT_EQ(w.Button1->text(), QStringLiteral("Com7"));
    w.Tx.open();
    w.TxFrame[0] = 0x20;
    w.TxFrame[1] = 0x01;
    EXPECT_TRUE(runReportingFailure([&] { w.sendcmd(); }));
    EXPECT_EQ(farEnd.read(3), QByteArray::fromHex("200121")) << "Play, at the far end";
    w.serial->setOpen(false);
}

TEST_F(PortWindow, ClosingTheWindowClosesThePort) {
    w->close();
    EXPECT_FALSE(w->serial->Open());
    EXPECT_FALSE(line->isOpen());
}

TEST_F(PortWindow, SendingOnAClosedPortShowsNotOpen) {
    w->serial->setOpen(false);
    w->Tx.open();
    w->TxFrame[0] = 0x20;
    w->TxFrame[1] = 0x01;
    EXPECT_TRUE(runReportingFailure([&] { w->sendcmd(); }) == false);
    EXPECT_EQ(testsupport::errorBoxes(),
              QStringList{QStringLiteral("ie_NOpen - device not open.")});
}

}  // namespace
