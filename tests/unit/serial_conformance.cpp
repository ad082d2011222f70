// One suite, run against every back end of the serial component: the termios device over a
// pseudo-terminal and the scripted line. A user of the component must not be able to tell them
// apart in anything that both can do.
#include "serial/ComErrors.h"
#include "serial/TComPort.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/pty.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

// The far end of a pseudo-terminal, reached as port 150 through QUENLAR_COM150 and a link that
// stands for the adapter's name under /dev/serial/by-id.
class PtyBackEnd {
  public:
    static constexpr std::uint16_t Port = 150;

    void attach(TComPort& port) {
        ASSERT_TRUE(links_.isValid());
        if (!pty_) plugIn();
        port.setComNumber(Port);
    }
    void send(const QByteArray& bytes) { pty_->write(bytes); }
    QByteArray receive(int count) { return pty_->read(count); }
    void vanish() { pty_->closeMaster(); }
    // Another device appears under the same name, as a replugged adapter does.
    void replaceDevice() { plugIn(); }
    void makeMissing() { qputenv("QUENLAR_COM150", "/dev/quenlar-no-such-port"); }
    QString deviceName() const { return links_.filePath(QStringLiteral("usb-adapter")); }

  private:
    void plugIn() {
        pty_.emplace();
        ASSERT_TRUE(pty_->ok());
        const QString fresh = links_.filePath(QStringLiteral("fresh"));
        ASSERT_TRUE(QFile::link(pty_->slavePath(), fresh));
        ASSERT_EQ(
            std::rename(fresh.toLocal8Bit().constData(), deviceName().toLocal8Bit().constData()),
            0);
        qputenv("QUENLAR_COM150", deviceName().toLocal8Bit());
    }

    QTemporaryDir links_;
    std::optional<Pty> pty_;
};

class ScriptedBackEnd {
  public:
    void attach(TComPort& port) {
        port.setDeviceFactory(scriptedFactory(line_));
        port.setComNumber(1);
        port_ = &port;
    }
    void send(const QByteArray& bytes) { line_->feed(bytes); }
    QByteArray receive(int count) {
        QByteArray got;
        waitFor([&] {
            got += line_->takeWritten();
            return got.size() >= count;
        });
        return got;
    }
    void vanish() { line_->hangUp(); }
    void replaceDevice() { line_->plugBack(); }
    QString deviceName() const { return QStringLiteral("scripted:COM1"); }
    void makeMissing() { line_->failOpenWith = ENOENT; }

  private:
    std::shared_ptr<ScriptedLine> line_ = std::make_shared<ScriptedLine>();
    TComPort* port_ = nullptr;
};

template <typename BackEnd>
class SerialBackEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        backEnd.attach(port);
        port.setBaud(38400);
        port.setParity(TParity::pOdd);
        port.OnTriggerAvail = [this](TComPort* cp, std::uint16_t count) {
            counts.push_back(count);
            const int take = readLimit < 0 ? count : std::min<int>(readLimit, count);
            for (int i = 0; i < take; ++i) read.append(static_cast<char>(cp->ReadByte()));
            if (discard) cp->DiscardInput();
        };
    }

    // Sends from the far end and waits until the component has announced every byte and the
    // handler has returned.
    void sendAndWait(const QByteArray& bytes) {
        const std::uint64_t target =
            port.stats().received + static_cast<std::uint64_t>(bytes.size());
        backEnd.send(bytes);
        ASSERT_TRUE(waitFor([&] {
            const TComPort::Stats s = port.stats();
            return s.received >= target && s.handled == s.received;
        }));
    }

    static int codeOf(const std::function<void()>& step) {
        try {
            step();
        } catch (const AppError& e) {
            return e.code();
        }
        return 0;
    }

    BackEnd backEnd;
    TComPort port;
    std::vector<std::uint16_t> counts;
    QByteArray read;
    int readLimit = -1;
    bool discard = false;
};

using BackEnds = ::testing::Types<PtyBackEnd, ScriptedBackEnd>;
class BackEndNames {
  public:
    template <typename T>
    static std::string GetName(int) {
        return std::is_same_v<T, PtyBackEnd> ? "Termios" : "Scripted";
    }
};
TYPED_TEST_SUITE(SerialBackEnd, BackEnds, BackEndNames);

TYPED_TEST(SerialBackEnd, BytesFromTheFarEndArriveInOneEventWhoseCountMatches) {
    this->port.setOpen(true);
    this->sendAndWait(QByteArray::fromHex("1AA08101"));
    EXPECT_EQ(this->counts, std::vector<std::uint16_t>{4});
    EXPECT_EQ(this->read, QByteArray::fromHex("1AA08101"));
}

TYPED_TEST(SerialBackEnd, BytesLeftUnreadAreOfferedAgainWithTheNextArrivalOnly) {
    this->readLimit = 2;
    this->port.setOpen(true);
    this->sendAndWait(QByteArray::fromHex("2001210000"));
    ASSERT_TRUE(waitForDispatchPasses(this->port));
    EXPECT_EQ(this->counts, std::vector<std::uint16_t>{5}) << "no new bytes, no new event";
    this->readLimit = -1;
    this->sendAndWait(QByteArray::fromHex("6102"));
    EXPECT_EQ(this->counts, (std::vector<std::uint16_t>{5, 5}));
    EXPECT_EQ(this->read, QByteArray::fromHex("2001"
                                              "2100006102"));
}

TYPED_TEST(SerialBackEnd, DiscardingInsideTheHandlerConsumesEveryAnnouncedByte) {
    this->readLimit = 1;
    this->discard = true;
    this->port.setOpen(true);
    this->sendAndWait(QByteArray::fromHex("AABBCCDD"));
    this->discard = false;
    this->readLimit = -1;
    this->sendAndWait(QByteArray::fromHex("2001"));
    EXPECT_EQ(this->counts, (std::vector<std::uint16_t>{4, 2}));
    EXPECT_EQ(this->read, QByteArray::fromHex("AA2001"));
}

TYPED_TEST(SerialBackEnd, ReadingPastTheUnreadBytesIsBufferEmpty) {
    std::optional<AppError> failure;
    this->port.OnTriggerAvail = [&](TComPort* cp, std::uint16_t count) {
        for (int i = 0; i < count; ++i) cp->ReadByte();
        try {
            cp->ReadByte();
        } catch (const AppError& e) {
            failure = e;
        }
    };
    this->port.setOpen(true);
    this->sendAndWait(QByteArray::fromHex("2001"));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code(), 3007);
    EXPECT_EQ(failure->text(), QStringLiteral("Buffer is empty"));
}

TYPED_TEST(SerialBackEnd, WrittenBytesReachTheFarEndUnchanged) {
    this->port.setOpen(true);
    const QByteArray frame = QByteArray::fromHex("610C016E000D0A11");
    this->port.WriteBytes(frame);
    EXPECT_EQ(this->backEnd.receive(frame.size()), frame);
}

TYPED_TEST(SerialBackEnd, AnEmptyWriteSendsNothingAndRaisesNothing) {
    this->port.setOpen(true);
    EXPECT_EQ(this->codeOf([&] { this->port.WriteBytes(QByteArray()); }), 0);
    this->port.WriteBytes(QByteArray::fromHex("200121"));
    EXPECT_EQ(this->backEnd.receive(3), QByteArray::fromHex("200121"));
}

TYPED_TEST(SerialBackEnd, AWriteLargerThanTheTransmitRingIsRefusedAndQueuesNothing) {
    this->port.setOpen(true);
    try {
        this->port.WriteBytes(QByteArray(this->port.OutSize() + 1, 'x'));
        ADD_FAILURE() << "the write was taken";
    } catch (const AppError& e) {
        EXPECT_EQ(e.code(), 3006);
        EXPECT_EQ(e.text(), QStringLiteral("Output buffer too small for block"));
    }
    this->port.WriteBytes(QByteArray::fromHex("200121"));
    EXPECT_EQ(this->backEnd.receive(3), QByteArray::fromHex("200121"));
}

TYPED_TEST(SerialBackEnd, ASecondOpenerIsRefusedAsAlreadyOpen) {
    this->port.setOpen(true);
    TComPort second;
    this->backEnd.attach(second);
    try {
        second.setOpen(true);
        ADD_FAILURE() << "the second open succeeded";
    } catch (const AppError& e) {
        EXPECT_EQ(e.code(), 2008);
        EXPECT_EQ(e.text(), QStringLiteral("ie_Open - device already open"));
    }
    EXPECT_FALSE(second.Open());
    this->sendAndWait(QByteArray::fromHex("2001"));
    EXPECT_EQ(this->read, QByteArray::fromHex("2001")) << "the first opener still owns the line";
}

TYPED_TEST(SerialBackEnd, AMissingDeviceIsBadIdAndTheSettingsStay) {
    this->backEnd.makeMissing();
    try {
        this->port.setOpen(true);
        ADD_FAILURE() << "the open succeeded";
    } catch (const AppError& e) {
        EXPECT_EQ(e.code(), 2001);
        EXPECT_EQ(e.text(), QStringLiteral("ie_BadId - Specified comport doesn't exist"));
    }
    EXPECT_FALSE(this->port.Open());
    EXPECT_EQ(this->port.Baud(), 38400);
    EXPECT_EQ(this->port.Parity(), TParity::pOdd);
}

TYPED_TEST(SerialBackEnd, OperationsOnAClosedPortAreNotOpen) {
    this->port.setOpen(true);
    const std::uint16_t watch = this->port.AddModemWatch();
    this->port.setOpen(false);
    EXPECT_EQ(this->codeOf([&] { this->port.ReadByte(); }), 2007);
    EXPECT_EQ(this->codeOf([&] { this->port.DiscardInput(); }), 2007);
    EXPECT_EQ(this->codeOf([&] { this->port.WriteBytes("x"); }), 2007);
    EXPECT_EQ(this->codeOf([&] { this->port.AddModemWatch(); }), 2007);
    EXPECT_EQ(this->codeOf([&] { this->port.ArmModemWatch(watch, 0x20, true); }), 2007);
    EXPECT_FALSE(this->port.DsrOn());
    EXPECT_FALSE(this->port.DsrChanged());
    EXPECT_EQ(comerr::text(2007), QStringLiteral("ie_NOpen - device not open"));
}

TYPED_TEST(SerialBackEnd, AVanishedDeviceIsToldAtOnceAndOnceAndOpensAgainWhenItIsBack) {
    this->port.setOpen(true);
    this->sendAndWait(QByteArray::fromHex("200020"));
    QStringList& boxes = testsupport::errorBoxes();
    boxes.clear();
    this->backEnd.vanish();
    // Told without anything being sent, as a listener that only receives must be.
    ASSERT_TRUE(waitFor([&] { return !boxes.isEmpty(); }));
    EXPECT_TRUE(boxes[0].startsWith(this->backEnd.deviceName() + QStringLiteral(": ")))
        << boxes[0].toStdString();
    EXPECT_TRUE(this->port.Open());
    EXPECT_EQ(this->codeOf([&] { this->port.WriteBytes("x"); }), 0)
        << "sends are dropped quietly while the device is gone";
    const std::uint64_t wakeups = this->port.stats().readerWakeups;
    EXPECT_FALSE(waitFor([&] { return !this->port.stats().deviceLost; }, 1500))
        << "nothing came back to open";
    EXPECT_EQ(this->port.stats().readerWakeups, wakeups) << "the reading thread spins";

    this->backEnd.replaceDevice();
    ASSERT_TRUE(waitFor([&] { return !this->port.stats().deviceLost; }));
    this->sendAndWait(QByteArray::fromHex("200121"));
    EXPECT_EQ(this->read, QByteArray::fromHex("200020200121"));
    EXPECT_EQ(boxes.size(), 1) << boxes.join(QLatin1Char('|')).toStdString();
}

TYPED_TEST(SerialBackEnd, BytesFedOneAtATimeAreAllDeliveredInOrder) {
    this->port.setOpen(true);
    QByteArray sent;
    for (int i = 0; i < 40; ++i) {
        const QByteArray one(1, static_cast<char>(i * 7));
        sent += one;
        this->sendAndWait(one);
    }
    EXPECT_EQ(this->read, sent);
}

}  // namespace
