// The key definition file on disk, below the windows: an open never creates, a creation never
// replaces, and a record read in part never reaches the caller.
#include "control/keyfile.h"
#include "serial/AppError.h"

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

TEST_F(KeyFile, CreationInAMissingFolderReportsThePath) {
    const QString missingFolder = keyfile::path(dir.path() + QStringLiteral("/absent/"));
    EXPECT_EQ(failureOf([&] { keyfile::createDefault(missingFolder); }),
              QStringLiteral("Path not found"));
    EXPECT_FALSE(QFile::exists(missingFolder));
}
}  // namespace
