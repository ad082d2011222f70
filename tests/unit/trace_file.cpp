// The trace file on disk: CR LF lines, buffered until closed, failures as the file error texts
// with the file closed and the owner told.
#include "serial/AppError.h"
#include "trace/TraceFile.h"
#include "trace/tracetext.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Runs `step` and returns the text of the file error it raised, or "" when it raised none.
template <typename Step>
QString raisedText(Step&& step) {
    try {
        step();
    } catch (const AppError& e) {
        return e.text();
    }
    return {};
}

TEST(TraceFile, LinesEndInCarriageReturnAndLineFeed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    TraceFile file;
    file.open(path);
    file.writeLine(QStringLiteral("20 01 21 "));
    file.writeLine(QStringLiteral("3F"));
    file.close();
    EXPECT_EQ(contents(path), QByteArray("20 01 21 \r\n3F\r\n"));
    EXPECT_FALSE(file.isOpen());
}

TEST(TraceFile, LinesStayInTheBufferUntilTheFileIsClosed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    TraceFile file;
    file.open(path);
    file.writeLine(QStringLiteral("20 01 21 "));
    EXPECT_EQ(contents(path), QByteArray());
    file.close();
    EXPECT_EQ(contents(path), QByteArray("20 01 21 \r\n"));
}

TEST(TraceFile, EndingWithTheFileOpenKeepsItsLastLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    {
        TraceFile file;
        file.open(path);
        file.writeLine(QStringLiteral("last"));
    }
    EXPECT_EQ(contents(path), QByteArray("last\r\n"));
}

TEST(TraceFile, OpeningEmptiesAnExistingFileAndMakesAMissingFolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("temp/t.txt"));
    TraceFile file;
    file.open(path);
    file.writeLine(QStringLiteral("old"));
    file.close();
    file.open(path);
    file.close();
    EXPECT_EQ(contents(path), QByteArray());
}

TEST(TraceFile, AFileThatIsAFolderCannotBeOpened) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("temp/t.txt")));
    TraceFile file;
    int failures = 0;
    file.onFailure = [&] { ++failures; };
    EXPECT_EQ(raisedText([&] { file.open(dir.filePath(QStringLiteral("temp/t.txt"))); }),
              QStringLiteral("File access denied"));
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(file.isOpen());
}

TEST(TraceFile, AFullDiskIsReportedWhenTheBufferGoesOutAndClosesTheFile) {
    TraceFile file;
    int failures = 0;
    file.onFailure = [&] { ++failures; };
    file.open(QStringLiteral("/dev/full"));
    file.writeLine(QStringLiteral("20 01 21 "));
    EXPECT_EQ(raisedText([&] { file.close(); }), QStringLiteral("Disk full"));
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(raisedText([&] { file.close(); }), QString());  // closing again is harmless
}

TEST(TraceFile, AFullDiskStopsALongTraceWhileItRuns) {
    TraceFile file;
    file.open(QStringLiteral("/dev/full"));
    QString failure;
    for (int i = 0; i < 5000 && failure.isEmpty(); ++i) {
        failure = raisedText([&] { file.writeLine(QStringLiteral("20 01 21 ")); });
    }
    EXPECT_EQ(failure, QStringLiteral("Disk full"));
    EXPECT_FALSE(file.isOpen());
}

TEST(TraceFile, WritingWithoutAnOpenFileIsReported) {
    TraceFile file;
    EXPECT_EQ(raisedText([&] { file.writeLine(QStringLiteral("x")); }),
              QStringLiteral("File not open"));
}

TEST(TraceText, HeaderWordsStartWhereTheLineFieldsDo) {
    const QString header = tracetext::header();
    EXPECT_EQ(header.size(), 47);
    EXPECT_EQ(header.indexOf(QLatin1String("Time")), 4);
    EXPECT_EQ(header.indexOf(QLatin1String("Position")), 14);
    EXPECT_EQ(header.indexOf(QLatin1String("Command/Status")), 26);
    EXPECT_EQ(header.indexOf(QLatin1String("Code")), 43);
}

TEST(TraceText, PlayLineIsFiftyTwoCharactersWithTheHexAtColumnFortyThree) {
    const QString line =
        tracetext::commandLine(QStringLiteral("09:05:03.042"), QStringLiteral("00:01:00:00"),
                               QStringLiteral("Play           "), QStringLiteral("20 01 21 "));
    EXPECT_EQ(line, QStringLiteral("09:05:03.042  00:01:00:00 Play             20 01 21 "));
    EXPECT_EQ(line.size(), 52);
    EXPECT_EQ(line.indexOf(QLatin1String("20 01 21")), 43);
}

TEST(TraceText, FilesGoInsideTheProgramFolderWithOrWithoutItsTrailingSeparator) {
    EXPECT_EQ(tracetext::inFolder(QStringLiteral("/opt/q/"), QStringLiteral("extend.txt")),
              QStringLiteral("/opt/q/extend.txt"));
    EXPECT_EQ(
        tracetext::inFolder(QStringLiteral("/home/user"), QStringLiteral("temp/traceall.txt")),
        QStringLiteral("/home/user/temp/traceall.txt"));
    EXPECT_EQ(tracetext::inFolder(QString(), QStringLiteral("extend.txt")),
              QStringLiteral("extend.txt"));
}

}  // namespace
