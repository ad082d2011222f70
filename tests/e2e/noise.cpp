// A noisy line: with bit errors and stray bytes the analyser drops and counts the damaged bytes,
// and every frame that reached the line intact is still decoded.
#include "tests/support/e2e_bus.h"
#include "tests/support/e2e_lines.h"

#include "sim/model/framer.h"

#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {

using namespace e2e;

struct Expected {
    QStringList lines;  // the trace-all of the bytes written, framed by the receive ring's rules
    int intactFrames = 0;
    int intactDecoded = 0;  // intact frames that the framing gets back
};

// Frames the simulator's writes by the same rules the analyser's receive ring follows.
Expected frameWhatWasWritten(const QStringList& txLog) {
    Expected e;
    sim::LineFramer framer;
    QStringList pendingIntact;  // intact frames written and not yet matched
    for (const QString& line : txLog) {
        const QByteArray bytes = QByteArray::fromHex(line.mid(2).toLatin1());
        if (line.startsWith(QLatin1Char('F'))) {
            ++e.intactFrames;
            pendingIntact << line.mid(2);
        }
        for (const sim::LineItem& item : framer.push(bytes)) {
            const QString text = sim::traceLine(item);
            e.lines << text;
            const qsizetype at = pendingIntact.indexOf(text);
            if (item.isFrame && at >= 0) {
                ++e.intactDecoded;
                pendingIntact.remove(0, at + 1);
            }
        }
        // A frame is judged within a few chunks of being written; what is left further back
        // the framing lost.
        while (pendingIntact.size() > 4) pendingIntact.removeFirst();
    }
    return e;
}

TEST_F(WholeProgram, WithBitErrorsAciaerrRisesAndEveryIntactFrameIsStillDecoded) {
    Simulator& bus = startSimulator(
        {"--seed", "51", "--load", "15", "--bit-errors", "0.004", "--garbage", "0.01"});
    Analyser& a = startAnalyser(bus);
    ASSERT_TRUE(waitForMoreWritten(bus, 50));
    traceAllOn(a);
    ASSERT_TRUE(waitForMoreWritten(bus, 250));
    const QStringList trace = traceAllOff(a);
    ASSERT_GE(trace.size(), 200);

    // The count behind aciaerr: the non-zero bytes the analyser dropped.
    const QStringList dropped = trace.filter(QRegularExpression(QStringLiteral("^[0-9A-F]{2}$")));
    EXPECT_GT((dropped.size() - dropped.count(QStringLiteral("00"))), 5);

    // What the analyser traced is exactly what the line's bytes hold...
    const Expected e = frameWhatWasWritten(bus.written());
    EXPECT_GE(indexOfRun(e.lines, trace), 0) << whereRunBreaks(e.lines, trace).toStdString();
    // ... and the line's framing gets back every intact frame but the odd one that a false
    // frame start in damaged bytes swallowed.
    EXPECT_GE(e.intactDecoded, e.intactFrames * 99 / 100);
    RecordProperty("intact_frames", e.intactFrames);
    RecordProperty("intact_lost_by_framing", e.intactFrames - e.intactDecoded);
}

// Stall blocks in the write log: runs of S lines.
int stallBlocks(const QStringList& txLog) {
    int blocks = 0;
    bool inBlock = false;
    for (const QString& line : txLog) {
        const bool s = line.startsWith(QLatin1Char('S'));
        if (s && !inBlock) ++blocks;
        inBlock = s;
    }
    return blocks;
}

TEST_F(WholeProgram, FramesThatArriveAsOneBlockAreReadWholeWithTheFramesAroundThem) {
    Simulator& bus = startSimulator({"--seed", "52", "--load", "15", "--stalls"});
    Analyser& a = startAnalyser(bus);
    ASSERT_TRUE(waitForMoreWritten(bus, 50));
    traceAllOn(a);
    const int before = stallBlocks(bus.written());
    ASSERT_TRUE(waitUntil([&] { return stallBlocks(bus.written()) >= before + 2; }, LongWaitMs));
    ASSERT_TRUE(waitForMoreWritten(bus, 20));
    const QStringList trace = traceAllOff(a);

    // Every frame, in a block or not, is traced in the order written, and no byte is dropped.
    EXPECT_TRUE(trace.filter(QRegularExpression(QStringLiteral("^[0-9A-F]{2}$"))).isEmpty());
    QStringList frames;  // the write log's frames, those of the blocks among them
    std::vector<bool> inBlock;
    for (const QString& line : bus.written()) {
        const bool s = line.startsWith(QStringLiteral("S "));
        if (!s && !line.startsWith(QStringLiteral("F "))) continue;
        frames << line.mid(2);
        inBlock.push_back(s);
    }
    const qsizetype run = indexOfRun(frames, trace);
    ASSERT_GE(run, 0) << whereRunBreaks(frames, trace).toStdString();
    const auto first = inBlock.begin() + run;
    EXPECT_GE(std::count(first, first + trace.size(), true), 4)
        << "the traced stretch holds two blocks of over 30 bytes: two frames or more each";
}

}  // namespace
