// The sync chart of the whole program on a troubled bus: quenlar-sim --hunt (B hunts, C drops
// out and locks again), the chart opened with Ctrl+G and saved with Ctrl+S through the real save
// dialog. Every machine's rows of the CSV are, value for value and in order, what the simulator's
// status and offset tallies said.
#include "tests/support/e2e_bus.h"
#include "tests/support/e2e_lines.h"

#include <QFile>
#include <QMap>

namespace {

using namespace e2e;

// One machine's samples as "sync error,offset,state,lock", keyed by the CSV's machine letter.
using Samples = QMap<QString, QStringList>;

int hexByte(const QStringList& bytes, int i) {
    return bytes[i].toInt(nullptr, 16);
}

// What the simulator's status (0x81) and offset (0x82) tallies said, sample by sample, each
// carrying the latest of the other tally's values as the chart does.
Samples fromWriteLog(const QStringList& written) {
    struct Latest {
        int error = 0, offset = 0, state = 0;
        bool locked = false;
    };
    QMap<QString, Latest> latest;
    Samples out;
    for (const QString& chunk : chunksTagged(written, QLatin1Char('F'))) {
        const QStringList b = chunk.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (b.size() < 8 || b[1] != QLatin1String("A0") || (hexByte(b, 0) >> 4) != 1) continue;
        const QString letter = QString(QChar(u'@' + hexByte(b, 3)));
        Latest& l = latest[letter];
        if (b[2] == QLatin1String("81") && b.size() >= 13) {
            l.state = hexByte(b, 4);
            l.locked = (hexByte(b, 5) & 0x40) == 0;
            const int e = hexByte(b, 10);
            l.error = (e & 0x80) != 0 ? -(e & 0x7F) : e;
        } else if (b[2] == QLatin1String("82")) {
            l.offset = hexByte(b, 4) << 16 | hexByte(b, 5) << 8 | hexByte(b, 6);
        } else {
            continue;
        }
        out[letter] << QStringLiteral("%1,%2,%3,%4")
                           .arg(l.error)
                           .arg(l.offset)
                           .arg(l.state)
                           .arg(l.locked ? 1 : 0);
    }
    return out;
}

Samples fromCsv(const QStringList& rows) {
    Samples out;
    for (const QString& row : rows.mid(1)) {
        const QStringList f = row.split(QLatin1Char(','));
        if (f.size() == 6) out[f[1]] << f.mid(2).join(QLatin1Char(','));
    }
    return out;
}

bool hasBoth(const QStringList& samples, const QString& lockedEnd, const QString& unlockedEnd) {
    bool locked = false;
    bool unlocked = false;
    for (const QString& s : samples) {
        locked = locked || s.endsWith(lockedEnd);
        unlocked = unlocked || s.endsWith(unlockedEnd);
    }
    return locked && unlocked;
}

class ChartOnATroubledBus : public WholeProgram {};

TEST_F(ChartOnATroubledBus, SavedCsvHoldsEveryMachinesTalliesInOrder) {
    const Simulator& bus = startSimulator({"--hunt", "--seed", "7", "--load", "40"});
    const Analyser& a = startAnalyser(bus);
    // Until C has dropped out ("No Comms" in status byte 2) and B has hunted out of lock.
    const auto troubleSeen = [&] {
        const Samples s = fromWriteLog(bus.written());
        bool cOut = false;
        for (const QString& chunk : chunksTagged(bus.written(), QLatin1Char('F')))
            cOut = cOut || (chunk.startsWith(QLatin1String("1A A0 81 03 ")) &&
                            chunk.mid(18, 2).toInt(nullptr, 16) % 8 == 7);
        return cOut &&
               hasBoth(s.value(QStringLiteral("B")), QStringLiteral(",1"), QStringLiteral(",0"));
    };
    ASSERT_TRUE(waitUntil(troubleSeen, 4 * LongWaitMs));

    press(a, QStringLiteral("ctrl+g"));
    const QString chart = display.waitForWindow(QStringLiteral("Sync Chart"), LongWaitMs);
    ASSERT_FALSE(chart.isEmpty());
    display.key(chart, QStringLiteral("ctrl+s"));
    const QString dialog = display.waitForWindow(QStringLiteral("Save CSV"), LongWaitMs);
    ASSERT_FALSE(dialog.isEmpty());
    const QString csv = path(QStringLiteral("sync.csv"));
    display.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog});
    display.xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), csv});
    display.key(dialog, QStringLiteral("Return"));
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(csv); }, LongWaitMs));

    const QStringList rows = fileLines(csv);
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first(), QStringLiteral("time,machine,sync error,offset,state,lock"));
    const Samples saved = fromCsv(rows);
    const Samples sent = fromWriteLog(bus.written());
    EXPECT_EQ(saved.keys(), (QStringList{"A", "B", "C", "D", "E", "F"}));
    for (auto m = saved.begin(); m != saved.end(); ++m) {
        ASSERT_FALSE(m.value().isEmpty()) << m.key().toStdString();
        EXPECT_GE(indexOfRun(sent.value(m.key()), m.value()), 0)
            << m.key().toStdString() << ": "
            << whereRunBreaks(sent.value(m.key()), m.value()).toStdString();
    }
    // B's servo hunts through lock and out again; C lost its lock when it dropped out.
    EXPECT_TRUE(
        hasBoth(saved.value(QStringLiteral("B")), QStringLiteral(",1"), QStringLiteral(",0")));
    EXPECT_TRUE(
        hasBoth(saved.value(QStringLiteral("C")), QStringLiteral(",1"), QStringLiteral(",0")));
}

}  // namespace
