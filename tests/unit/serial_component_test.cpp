// The serial component on a scripted line: settings, the data event, reading and discarding,
// writing, the modem-status watches and the failures a caller sees.
#include "serial/TComPort.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

namespace {

class ScriptedPort : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::errorBoxes().clear();
        port.setDeviceFactory(scriptedFactory(line));
        port.setComNumber(1);
    }

    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    TComPort port;
};

TEST_F(ScriptedPort, DefaultsAreThoseOfTheComponent) {
    TComPort fresh;
    EXPECT_EQ(fresh.ComNumber(), 0);
    EXPECT_EQ(fresh.Baud(), 19200);
    EXPECT_EQ(fresh.Parity(), TParity::pNone);
    EXPECT_EQ(fresh.DataBits(), 8);
    EXPECT_EQ(fresh.StopBits(), 1);
    EXPECT_EQ(fresh.InSize(), 4096);
    EXPECT_EQ(fresh.OutSize(), 4096);
    EXPECT_TRUE(fresh.DTR());
    EXPECT_TRUE(fresh.RTS());
    EXPECT_TRUE(fresh.AutoOpen());
    EXPECT_TRUE(fresh.PromptForPort());
    EXPECT_FALSE(fresh.Open());
}

TEST_F(ScriptedPort, BytesArriveInOneEventWhoseCountMatches) {
    std::vector<std::uint16_t> counts;
    QByteArray got;
    port.OnTriggerAvail = [&](TComPort* cp, std::uint16_t count) {
        counts.push_back(count);
        for (int i = 0; i < count; ++i) got.append(static_cast<char>(cp->ReadByte()));
    };
    port.setOpen(true);
    feedAndWait(port, *line, QByteArray::fromHex("200121"));
    ASSERT_EQ(counts.size(), 1u);
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(got, QByteArray::fromHex("200121"));
}

TEST_F(ScriptedPort, AFailingDataHandlerIsShownAndTheNextArrivalStillComes) {
    std::vector<std::uint16_t> counts;
    port.OnTriggerAvail = [&](TComPort* cp, std::uint16_t count) {
        counts.push_back(count);
        cp->ReadByte();
        if (counts.size() == 1) throw AppError(1, QStringLiteral("Handler failed"));
    };
    port.setOpen(true);
    feedAndWait(port, *line, QByteArray::fromHex("AABBCC"));
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("Handler failed.")});
    feedAndWait(port, *line, QByteArray::fromHex("DD"));
    EXPECT_EQ(counts, (std::vector<std::uint16_t>{3, 3}))
        << "the byte read before the failure is gone";
}

TEST_F(ScriptedPort, AFailingModemHandlerIsShownAndTheComponentGoesOn) {
    int calls = 0;
    port.OnTriggerModemStatus = [&](TComPort* cp) {
        ++calls;
        cp->ArmModemWatch(1, 0x20, true);
        throw AppError(1, QStringLiteral("Modem handler failed"));
    };
    port.setOpen(true);
    ASSERT_EQ(port.AddModemWatch(), 1);
    port.ArmModemWatch(1, 0x20, true);
    line->setModemLines(0x20);
    ASSERT_TRUE(waitFor([&] { return calls == 1; }));
    line->setModemLines(0x00);
    ASSERT_TRUE(waitFor([&] { return calls == 2; }));
    EXPECT_EQ(testsupport::errorBoxes().size(), 2);
    EXPECT_EQ(testsupport::errorBoxes().front(), QStringLiteral("Modem handler failed."));
}

TEST_F(ScriptedPort, HandlersNeverOverlapEvenWhenBytesArriveDuringOne) {
    int depth = 0;
    int deepest = 0;
    std::vector<std::uint16_t> counts;
    port.OnTriggerAvail = [&](TComPort* cp, std::uint16_t count) {
        ++depth;
        deepest = std::max(deepest, depth);
        counts.push_back(count);
        for (int i = 0; i < count; ++i) cp->ReadByte();
        if (counts.size() == 1) {
            line->feed(QByteArray::fromHex("0102"));
            // Events are processed here (as in a modal box) while the new bytes come in.
            waitFor([&] { return cp->stats().received == 5; });
        }
        --depth;
    };
    port.setOpen(true);
    line->feed(QByteArray::fromHex("200121"));
    ASSERT_TRUE(waitFor([&] { return counts.size() == 2 && depth == 0; }));
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(counts, (std::vector<std::uint16_t>{3, 2}));
}

TEST_F(ScriptedPort, ClosingFromInsideTheHandlerNeitherHangsNorRaisesAnotherEvent) {
    int calls = 0;
    port.OnTriggerAvail = [&](TComPort* cp, std::uint16_t) {
        ++calls;
        cp->setOpen(false);
    };
    port.setOpen(true);
    line->feed(QByteArray::fromHex("200121"));
    ASSERT_TRUE(waitFor([&] { return calls == 1; }));
    EXPECT_FALSE(port.Open());
    EXPECT_FALSE(line->isOpen());
    port.OnTriggerAvail = [&](TComPort* cp, std::uint16_t count) {
        ++calls;
        for (int i = 0; i < count; ++i) cp->ReadByte();
    };
    port.setOpen(true);
    feedAndWait(port, *line, QByteArray::fromHex("6102"));
    EXPECT_EQ(calls, 2);
}

TEST_F(ScriptedPort, ClosingWhileAnEventIsOutstandingRunsItsHandlerAndNoEventFollows) {
    std::vector<std::uint16_t> counts;
    port.OnTriggerAvail = [&](TComPort*, std::uint16_t count) { counts.push_back(count); };
    port.setOpen(true);
    line->feed(QByteArray::fromHex("200121"));
    // Without running the event loop: the event stays outstanding on this thread.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!port.stats().eventInFlight && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
    ASSERT_TRUE(port.stats().eventInFlight);
    port.setOpen(false);
    EXPECT_EQ(counts, std::vector<std::uint16_t>{3});
    QCoreApplication::processEvents();
    EXPECT_EQ(counts, std::vector<std::uint16_t>{3});
}

TEST_F(ScriptedPort, AFullReceiveBufferLeavesTheRestOnTheLineUntilTheReaderMakesRoom) {
    std::vector<std::uint16_t> counts;
    port.OnTriggerAvail = [&](TComPort*, std::uint16_t count) { counts.push_back(count); };
    port.setOpen(true);
    line->feed(QByteArray(9000, 'x'));
    ASSERT_TRUE(waitFor([&] { return port.stats().handled == 8192; }));
    ASSERT_TRUE(waitForDispatchPasses(port));
    EXPECT_EQ(line->pendingInput(), 808u);
    EXPECT_EQ(counts, std::vector<std::uint16_t>{8192});
    for (int i = 0; i < 100; ++i) port.ReadByte();
    ASSERT_TRUE(waitFor([&] {
        const TComPort::Stats s = port.stats();
        return s.received == 8292 && s.handled == s.received;
    }));
    EXPECT_EQ(line->pendingInput(), 708u);
    EXPECT_EQ(counts.back(), 8192) << "the ring filled up again";
}

TEST_F(ScriptedPort, ModemLineChangesShowInTheStatusByteAndReadingDsrClearsItsFlag) {
    port.setOpen(true);
    line->setModemLines(0x20);
    ASSERT_TRUE(waitFor([&] { return (port.ModemStatusByte() & 0x20) != 0; }));
    EXPECT_EQ(port.ModemStatusByte(), 0x22);
    EXPECT_TRUE(port.DsrChanged());
    EXPECT_FALSE(port.DsrChanged());
    EXPECT_TRUE(port.DsrOn());
    EXPECT_EQ(port.ModemStatusByte(), 0x20);
}

TEST_F(ScriptedPort, WithoutPromptingAPortNumberOfZeroIsNotSet) {
    int asked = 0;
    port.setPortChooser([&] {
        ++asked;
        return std::uint16_t{3};
    });
    port.setComNumber(0);
    port.setPromptForPort(false);
    try {
        port.setOpen(true);
        ADD_FAILURE() << "opened without a port number";
    } catch (const AppError& e) {
        EXPECT_EQ(e.code(), 2011);
    }
    EXPECT_EQ(asked, 0);
    port.setPromptForPort(true);
    port.setOpen(true);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(port.ComNumber(), 3);
}

TEST_F(ScriptedPort, APortChosenButFailingToOpenKeepsItsNumber) {
    port.setPortChooser([] { return std::uint16_t{9}; });
    port.setComNumber(0);
    line->failOpenWith = ENOENT;
    EXPECT_THROW(port.setOpen(true), AppError);
    EXPECT_FALSE(port.Open());
    EXPECT_EQ(port.ComNumber(), 9);
}

TEST_F(ScriptedPort, RtsAndDtrAreAppliedAtOpen) {
    port.setDTR(false);
    port.setOpen(true);
    EXPECT_FALSE(line->dtr());
    EXPECT_TRUE(line->rts());
    port.setDTR(true);
    EXPECT_TRUE(line->dtr());
}

}  // namespace
