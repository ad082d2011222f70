// The analyser started from a folder it may not write to, as when it is installed: traces and
// keydef go to the user's data folder, the protocol documents come from the installed share
// folder. The program's folder here does not exist, which no user, root included, can write to;
// a folder without write bits would not do, since these tests may run as root.
#include "control/Mcnctl.h"
#include "tests/support/analysertest.h"
#include "tests/support/recordingviewer.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Installed : public AnalyserTest {
  protected:
    void SetUp() override {
        AnalyserTest::SetUp();
        ASSERT_TRUE(viewer.install());
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
        closeWindows();
        open(prefix(QStringLiteral("bin")));
    }
    void TearDown() override {
        AnalyserTest::TearDown();
        qunsetenv("XDG_DATA_HOME");
    }

    QString prefix(const QString& path) const {
        return dir.filePath(QStringLiteral("usr/") + path);
    }
    QString userFile(const char* name) const {
        return dir.filePath(QStringLiteral("data/quenlar/") + QLatin1String(name));
    }
    void key(Qt::Key k) { QTest::keyClick(w.get(), k, Qt::ControlModifier); }

    // Each start of the opener: the file it was given and the folder it ran in, once `n` came.
    QStringList waitOpened(int n) const {
        QStringList lines;
        EXPECT_TRUE(waitFor([&] {
            lines = viewer.starts();
            return lines.size() >= n;
        }));
        return lines;
    }

    RecordingViewer viewer;
};

TEST_F(Installed, TracesAndKeysGoToTheUsersDataFolder) {
    EXPECT_EQ(w->AppDir, userFile(""));
    EXPECT_TRUE(QFileInfo(w->AppDir).isDir()) << "made on the first run";

    key(Qt::Key_A);
    feedAndWait(*w->serial, *line, QByteArray::fromHex("200121"));
    key(Qt::Key_A);
    QFile trace(userFile("temp/traceall.txt"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    EXPECT_EQ(trace.readAll(), QByteArray("20 01 21 \r\n"));

    control->show();
    control->activateWindow();
    ASSERT_TRUE(waitFor([&] { return control->isActiveWindow(); }));
    EXPECT_EQ(QFileInfo(userFile("keydef")).size(), 220);

    EXPECT_FALSE(QFileInfo::exists(prefix(QStringLiteral("bin"))))
        << "nothing is written beside the program";
}

TEST_F(Installed, ProtocolDocumentsComeFromTheShareFolder) {
    QTest::mouseClick(w->Protocol, Qt::LeftButton);
    waitOpened(1);
    key(Qt::Key_P);
    const QString userFolder = QFileInfo(userFile("")).canonicalFilePath();
    EXPECT_EQ(
        waitOpened(2),
        (QStringList{prefix(QStringLiteral("share/quenlar/Extended.pdf")) + '\t' + userFolder,
                     prefix(QStringLiteral("share/quenlar/extend.txt")) + '\t' + userFolder}));
}

}  // namespace
