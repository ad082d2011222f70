// The key definition file on disk: created byte for byte, read and written a whole record at a
// time, and never truncated or rewritten by a failure.
#include "control/keyfile.h"
#include "serial/AppError.h"
#include "tests/unit/keyrecord_immutable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {
QString failureOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("(no failure)");
}

QByteArray contents(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArrayLiteral("(unreadable)");
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Bytes that make every record recognisable: byte i of the file is i modulo 251.
QByteArray patterned(int size) {
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i) out[i] = static_cast<char>(i % 251);
    return out;
}

class KeyFile : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path = keyfile::path(dir.path() + QLatin1Char('/'));
};

TEST_F(KeyFile, IsNamedKeydefInTheProgramFolder) {
    EXPECT_EQ(keyfile::path(QStringLiteral("/opt/q/")), QStringLiteral("/opt/q/keydef"));
}

TEST_F(KeyFile, NewFileHoldsFourRecordsLabelledAToDAndOtherwiseZero) {
    keyfile::createDefault(path);
    QByteArray expected(220, '\0');
    for (int key = 0; key < 4; ++key) {
        expected[55 * key] = 1;
        expected[55 * key + 1] = static_cast<char>('A' + key);
    }
    EXPECT_EQ(contents(path), expected);
}

TEST_F(KeyFile, CreationLeavesAnExistingFileAlone) {
    writeFile(path, QByteArrayLiteral("mine"));
    keyfile::createDefault(path);
    EXPECT_EQ(contents(path), QByteArrayLiteral("mine"));
}

TEST_F(KeyFile, OpeningAMissingFileFailsAndCreatesNothing) {
    EXPECT_EQ(failureOf([&] { keyfile::File f(path); }), QStringLiteral("File not found"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(KeyFile, ShortFileFailsAtTheFirstMissingRecordAndStaysAsItWas) {
    const QByteArray twoAndAHalf = patterned(55 * 2 + 20);
    writeFile(path, twoAndAHalf);
    keyfile::File f(path);
    keyrecord::Record r{};
    f.read(1, r);
    EXPECT_EQ(r[0], 55);
    keyrecord::Record kept = r;
    EXPECT_EQ(failureOf([&] { f.read(2, r); }), QStringLiteral("Read beyond end of file"));
    EXPECT_EQ(r, kept) << "a record read in part does not reach the caller";
    f.close();
    EXPECT_EQ(contents(path), twoAndAHalf);
}

TEST_F(KeyFile, DirectoryNamedKeydefIsRefusedAsAccessDenied) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("keydef")));
    keyfile::createDefault(path);
    EXPECT_EQ(failureOf([&] { keyfile::File f(path); }), QStringLiteral("File access denied"));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(KeyFile, ReadOnlyFileIsRefusedAsAccessDeniedAndKeepsItsBytes) {
    const QByteArray before = patterned(220);
    writeFile(path, before);
    const ImmutableFile locked(path);
    if (!locked.ok()) GTEST_SKIP() << "this file system cannot make a file immutable";
    EXPECT_EQ(failureOf([&] { keyfile::File f(path); }), QStringLiteral("File access denied"));
    EXPECT_EQ(contents(path), before);
}

TEST_F(KeyFile, RecordIsWrittenInPlaceAndRecordsBeyondTheFourthSurvive) {
    const QByteArray before = patterned(55 * 6);
    writeFile(path, before);
    keyrecord::Record r{};
    r.fill(0xEE);
    keyfile::File f(path);
    f.write(2, r);
    f.close();
    QByteArray expected = before;
    expected.replace(110, 55, QByteArray(55, static_cast<char>(0xEE)));
    EXPECT_EQ(contents(path), expected);
}

TEST_F(KeyFile, FullDiskReportsDiskFull) {
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path));
    keyfile::File f(path);
    EXPECT_EQ(failureOf([&] { f.write(0, keyrecord::Record{}); }), QStringLiteral("Disk full"));
}

TEST_F(KeyFile, CreationInAMissingFolderReportsThePath) {
    const QString missingFolder = keyfile::path(dir.path() + QStringLiteral("/absent/"));
    EXPECT_EQ(failureOf([&] { keyfile::createDefault(missingFolder); }),
              QStringLiteral("Path not found"));
    EXPECT_FALSE(QFile::exists(missingFolder));
}
}  // namespace
