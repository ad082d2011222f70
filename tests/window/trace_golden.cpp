// Recorded line traffic through the whole receive path with the trace-all on, compared with
// the checked-in trace it must give (tests/data/<name>.hex -> <name>.traceall.txt).
#include "app/Zr8a.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray readData(const QString& name) {
    QFile f(QStringLiteral(QUENLAR_SOURCE_DIR "/tests/data/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

// Hex pairs, with '#' starting a comment that runs to the end of the line.
QByteArray lineBytes(const QByteArray& text) {
    QByteArray bytes;
    for (QByteArray l : text.split('\n')) {
        if (const qsizetype hash = l.indexOf('#'); hash >= 0) l.truncate(hash);
        bytes += QByteArray::fromHex(l.simplified().replace(' ', QByteArray()));
    }
    return bytes;
}

struct Golden {
    const char* name;
    int chunk;  // bytes per data-available event
    const char* errors;
};

class GoldenTrace : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenTrace, TraceAllMatchesTheRecordedTrace) {
    qputenv("QUENLAR_OPEN", "true");
    QTemporaryDir dir;
    auto line = std::make_shared<ScriptedLine>();
    Tzr8f w({}, dir.filePath(QStringLiteral("quenlar")), scriptedFactory(line));
    const QString name = QLatin1String(GetParam().name);
    const QByteArray input = lineBytes(readData(name + QStringLiteral(".hex")));
    ASSERT_FALSE(input.isEmpty());

    QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);
    for (qsizetype i = 0; i < input.size(); i += GetParam().chunk) {
        feedAndWait(*w.serial, *line, input.mid(i, GetParam().chunk));
    }
    QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);

    QFile trace(w.AppDir + QStringLiteral("temp/traceall.txt"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    EXPECT_EQ(trace.readAll(), readData(name + QStringLiteral(".traceall.txt")));
    EXPECT_EQ(w.aciaerr->text(), QLatin1String(GetParam().errors));
}

INSTANTIATE_TEST_SUITE_P(Recorded, GoldenTrace,
                         ::testing::Values(Golden{"resync", 1, "5"}, Golden{"resync", 7, "5"},
                                           Golden{"resync", 13, "5"}));

}  // namespace
