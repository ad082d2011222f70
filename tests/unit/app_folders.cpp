// Where the user's files and the protocol documents are, from the program's folder, whether it
// may be written to, and the environment.
#include "app/appfolders.h"
#include "tests/support/paramname.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct Case {
    const char* name;
    const char* programFolder;
    bool writable;
    const char* xdgDataHome;
    const char* home;
    const char* appDir;
    const char* documents;
};

class Folders : public ::testing::TestWithParam<Case> {};

TEST_P(Folders, AreChosen) {
    const Case& c = GetParam();
    const appfolders::Folders f =
        appfolders::choose({QString::fromLatin1(c.programFolder), c.writable,
                            QString::fromLatin1(c.xdgDataHome), QString::fromLatin1(c.home)});
    EXPECT_EQ(f.appDir, QString::fromLatin1(c.appDir));
    EXPECT_EQ(f.documents, QString::fromLatin1(c.documents));
}

INSTANTIATE_TEST_SUITE_P(
    Places, Folders,
    ::testing::Values(
        Case{"BuildFolderKeepsEverythingBesideTheProgram", "/work/build/", true, "/x", "/home/op",
             "/work/build/", "/work/build/"},
        Case{"CurrentFolderStaysWithoutSeparator", "/home/op/work", true, "", "/home/op",
             "/home/op/work", "/home/op/work"},
        Case{"InstalledUsesTheDefaultDataFolder", "/usr/bin/", false, "", "/home/op",
             "/home/op/.local/share/quenlar/", "/usr/share/quenlar/"},
        Case{"InstalledUsesXdgDataHome", "/usr/bin/", false, "/data/op/", "/home/op",
             "/data/op/quenlar/", "/usr/share/quenlar/"},
        Case{"RelativeXdgDataHomeIsIgnored", "/usr/bin/", false, "data", "/home/op",
             "/home/op/.local/share/quenlar/", "/usr/share/quenlar/"},
        Case{"OtherPrefixFindsItsOwnShareFolder", "/opt/quenlar/bin/", false, "", "/home/op",
             "/home/op/.local/share/quenlar/", "/opt/quenlar/share/quenlar/"},
        Case{"ReadOnlyCurrentFolder", "/media/cd/bin", false, "", "/home/op",
             "/home/op/.local/share/quenlar/", "/media/cd/share/quenlar/"},
        Case{"NoHomeStaysBesideTheProgram", "/usr/bin/", false, "", "", "/usr/bin/", "/usr/bin/"}),
    paramname::from([](const Case& c) { return c.name; }));

// Root may write into any folder of a writable file system whatever its mode, so a folder that
// is not writable for everyone alike is one that does not exist, or a path through a file.
TEST(FolderWritable, AnswersForAFolderAMissingFolderAndAPathThroughAFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(appfolders::writable(dir.path() + QLatin1Char('/')));
    EXPECT_FALSE(appfolders::writable(dir.filePath(QStringLiteral("missing/"))));
    EXPECT_FALSE(appfolders::writable(dir.filePath(QStringLiteral("file/bin/"))));
}

}  // namespace
