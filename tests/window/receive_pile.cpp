// Piles of bytes that waited while the user-interface thread was held up, through the serial
// component into the main window: read whole, framed exactly as a stream of small events is, and
// what the device could not hold meanwhile counted where the user sees it.
#include "app/Zr8a.h"
#include "link/frame.h"
#include "serial/TComPort.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/analysertest.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <chrono>
#include <random>
#include <thread>

namespace {

// Frame `i` of a test stream: commands and replies of every length, each different from its
// neighbours, so that a trace shows order, loss and repetition.
QByteArray frameNumber(int i, int length) {
    std::array<std::uint8_t, frame::MaxLength> body{};
    body[0] = static_cast<std::uint8_t>((i % 2 == 0 ? 0x20 : 0x10) | (length - 3));
    body[1] = static_cast<std::uint8_t>(i % 0x90);
    for (int k = 2; k < length - 1; ++k) body[static_cast<std::size_t>(k)] = std::uint8_t(i + k);
    return frame::complete(body);
}

// Whole frames that add up to exactly `size` bytes (at least 3), numbered from `first`.
QByteArray wholeFrames(qsizetype size, int first = 0) {
    QByteArray out;
    for (int i = first; out.size() < size; ++i) {
        const qsizetype rest = size - out.size();
        qsizetype length = 3 + i % 16;
        if (rest <= 18) {
            length = rest;
        } else if (rest - length < 3) {
            length = rest - 3;
        }
        out += frameNumber(i, static_cast<int>(length));
    }
    return out;
}

// The trace-all lines of whole frames.
QStringList frameLines(const QByteArray& frames) {
    QStringList lines;
    for (qsizetype at = 0; at < frames.size();) {
        const int length = frame::length(static_cast<std::uint8_t>(frames[at]));
        const QByteArray one = frames.mid(at, length);
        lines << frame::hexText(std::span(reinterpret_cast<const std::uint8_t*>(one.constData()),
                                          static_cast<std::size_t>(one.size())));
        at += length;
    }
    return lines;
}

class ReceivePile : public AnalyserTest {
  protected:
    void traceAllOn() {
        QTest::keyClick(w.get(), Qt::Key_A, Qt::ControlModifier);
        ASSERT_FALSE(w->ledta->isHidden());
    }
    QStringList traceAllOff() {
        QTest::keyClick(w.get(), Qt::Key_A, Qt::ControlModifier);
        QFile f(w->AppDir + QStringLiteral("temp/traceall.txt"));
        if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("<missing>")};
        return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    // Feeds `bytes` and waits until the component has announced them all, without running this
    // thread's events: the user-interface thread is held up and the bytes pile up.
    void feedWhileHeldUp(const QByteArray& bytes, std::uint64_t takenInAll) {
        line->feed(bytes);
        for (int i = 0; i < 30000 && w->serial->stats().received < takenInAll; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_EQ(w->serial->stats().received, takenInAll);
    }
    // Lets the user-interface thread run again until every byte left on the line was handled.
    void letGo() {
        EXPECT_TRUE(waitFor(
            [&] {
                const TComPort::Stats s = w->serial->stats();
                return line->pendingInput() == 0 && !s.eventInFlight && s.handled == s.received;
            },
            30000));
    }
};

class PileSize : public ReceivePile, public ::testing::WithParamInterface<int> {};

TEST_P(PileSize, AWholePileInOneEventIsDispatchedFrameByFrameInOrder) {
    const QByteArray pile = wholeFrames(GetParam());
    traceAllOn();
    const std::uint64_t events = w->serial->stats().dataEvents;
    feedAndWait(*w->serial, *line, pile);
    EXPECT_EQ(w->serial->stats().dataEvents, events + 1) << "the pile came as one event";
    EXPECT_EQ(traceAllOff(), frameLines(pile));
    EXPECT_EQ(w->aciaerr->text(), QStringLiteral("0"));
}

// Just over the ring, a few hundred bytes, and the component's whole buffer (2.3 s of line).
INSTANTIATE_TEST_SUITE_P(Bytes, PileSize, ::testing::Values(31, 200, 8192),
                         [](const auto& info) { return "Of" + std::to_string(info.param); });

// A stream of frames with line noise among them.
QByteArray noisyStream() {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> noise(0, 3);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray out;
    for (int i = 0; out.size() < 4000; ++i) {
        out += frameNumber(i, 3 + i % 16);
        for (int n = noise(rng) == 0 ? 1 + noise(rng) : 0; n > 0; --n) out += char(byte(rng));
    }
    return out;
}

class EventSplits : public ReceivePile, public ::testing::WithParamInterface<unsigned> {};

TEST_P(EventSplits, GiveTheSameTraceAndErrorCountAsOnePile) {
    const QByteArray stream = noisyStream();
    traceAllOn();
    feedAndWait(*w->serial, *line, stream);
    const QStringList asOnePile = traceAllOff();
    const QString countedAsOnePile = w->aciaerr->text();
    ASSERT_GT(countedAsOnePile.toInt(), 10) << "the noise is there to be resynchronised over";

    closeWindows();
    QTemporaryDir another;
    ASSERT_TRUE(another.isValid());
    open(another.path());
    traceAllOn();
    std::mt19937 rng(GetParam());
    std::uniform_int_distribution<int> size(1, 300);
    for (qsizetype at = 0; at < stream.size();) {
        const int n = size(rng);
        feedAndWait(*w->serial, *line, stream.mid(at, n));
        at += n;
    }
    EXPECT_EQ(traceAllOff(), asOnePile);
    EXPECT_EQ(w->aciaerr->text(), countedAsOnePile);
}

INSTANTIATE_TEST_SUITE_P(RandomSplits, EventSplits, ::testing::Values(1u, 2u, 3u),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

TEST_F(ReceivePile, BytesTheDeviceCouldNotHoldAreCountedAndDecodingGoesOnWithTheNextFrame) {
    traceAllOn();
    const QByteArray buffered = wholeFrames(8192);  // fills the component's buffer
    const QByteArray queued = wholeFrames(6000, 1000);
    feedWhileHeldUp(buffered, 8192);
    // The device holds 4096 unread bytes, as a driver's receive buffer does; the component has
    // no room, so 4096 wait there and the rest is lost.
    line->limitQueue(4096);
    feedWhileHeldUp(queued, 8192);
    ASSERT_EQ(line->pendingInput(), 4096u);
    letGo();
    const QByteArray after = wholeFrames(100, 2000);
    feedAndWait(*w->serial, *line, after);

    EXPECT_EQ(w->aciaerr->toolTip(), QStringLiteral("1904 bytes lost before they could be read"));
    const QStringList trace = traceAllOff();
    // Every frame kept whole is traced; the frame the loss cut is dropped byte by byte; the
    // frames after the gap are decoded again from the first.
    QStringList kept = frameLines(buffered);
    const QStringList queuedLines = frameLines(queued);
    qsizetype keptBytes = 0;
    for (const QString& l : queuedLines) {
        keptBytes += l.size() / 3;
        if (keptBytes > 4096) break;
        kept << l;
    }
    const QStringList afterLines = frameLines(after);
    ASSERT_GE(trace.size(), kept.size() + afterLines.size());
    EXPECT_EQ(trace.mid(0, kept.size()), kept);
    EXPECT_EQ(trace.mid(trace.size() - afterLines.size()), afterLines);
    const QStringList between =
        trace.mid(kept.size(), trace.size() - kept.size() - afterLines.size());
    EXPECT_FALSE(between.isEmpty()) << "the cut frame's bytes";
    EXPECT_TRUE(between.filter(QRegularExpression(QStringLiteral("^[0-9A-F]{2}$"))) == between)
        << between.join(QLatin1Char('|')).toStdString();
}

}  // namespace
