// Trace files and protocol documents opened in outside programs: a fake opener on QUENLAR_OPEN
// records the one argument it got and the folder it was started in.
#include "app/Zr8a.h"
#include "control/Mcnctl.h"
#include "control/keydefine.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include "tests/support/analysertest.h"
#include "tests/support/recordingviewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

class Viewers : public AnalyserTest {
  protected:
    void SetUp() override {
        testsupport::errorBoxes().clear();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(viewer.install());
        open();
    }

    void key(Qt::Key k, Qt::KeyboardModifier m = Qt::ControlModifier) {
        QTest::keyClick(w.get(), k, m);
    }
    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    // The files opened so far, oldest first.
    QStringList opened() const { return entries(0); }
    QStringList folders() const { return entries(1); }
    QStringList entries(int field) const {
        QStringList out;
        for (const QString& start : viewer.starts())
            out << start.section(QLatin1Char('\t'), field, field);
        return out;
    }
    // Waits until `n` files have been opened; returns them.
    QStringList waitOpened(int n) const {
        EXPECT_TRUE(waitFor([&] { return opened().size() >= n; })) << "only " << opened().size();
        return opened();
    }
    QString at(const char* name) const { return w->AppDir + QLatin1String(name); }

    RecordingViewer viewer;
};

TEST_F(Viewers, EditBeforeAnyTraceOrEditActionOpensNothing) {
    key(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(w->Traces.fileName, QString());
    click(w->Protocol);  // something that does open, to know the opener has had its chance
    EXPECT_EQ(waitOpened(1), QStringList{at("Extended.pdf")});
}

TEST_F(Viewers, ProtocolDocumentOpensWithTheProgramFolderAsWorkingFolder) {
    click(w->Protocol);
    EXPECT_EQ(waitOpened(1), QStringList{at("Extended.pdf")});
    EXPECT_EQ(folders(), QStringList{QFileInfo(dir.path()).canonicalFilePath()});
}

TEST_F(Viewers, ProtocolTextThenEditOpenTheProtocolTextTwice) {
    key(Qt::Key_P, Qt::AltModifier);
    waitOpened(1);
    key(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(waitOpened(2), (QStringList{at("extend.txt"), at("extend.txt")}));
}

TEST_F(Viewers, EditDuringTheTraceAllStopsItAndOpensItsFileThenOnlyOpensIt) {
    key(Qt::Key_A);
    click(w->Editall);
    EXPECT_TRUE(w->ledta->isHidden());
    waitOpened(1);
    click(w->Editall);
    EXPECT_EQ(waitOpened(2), (QStringList{at("temp/traceall.txt"), at("temp/traceall.txt")}));
    EXPECT_TRUE(w->ledta->isHidden());
}

TEST_F(Viewers, SwitchingACommandTraceOffOpensTheFileLastNamed) {
    key(Qt::Key_T);
    click(w->Editall);  // opens the trace-all file and names it
    EXPECT_FALSE(w->ledt->isHidden());
    waitOpened(1);
    key(Qt::Key_T);
    EXPECT_EQ(waitOpened(2), (QStringList{at("temp/traceall.txt"), at("temp/traceall.txt")}));
}

TEST_F(Viewers, CommandTraceEditOpensItsFileWithOrWithoutTheTrace) {
    click(w->editcmd);
    waitOpened(1);
    key(Qt::Key_T);
    click(w->editcmd);
    EXPECT_TRUE(w->ledt->isHidden());
    EXPECT_EQ(waitOpened(2), (QStringList{at("temp/tracecmd.txt"), at("temp/tracecmd.txt")}));
}

TEST_F(Viewers, AFolderWithBlanksQuotesAndSemicolonsOpensExactlyThatFile) {
    closeWindows();
    const QString odd = dir.filePath(QStringLiteral("a b'c\"d; e $(x)"));
    ASSERT_TRUE(QDir().mkpath(odd));
    open(odd);
    key(Qt::Key_A);
    key(Qt::Key_A);
    EXPECT_EQ(waitOpened(1), QStringList{odd + QStringLiteral("/temp/traceall.txt")});
    EXPECT_TRUE(QFileInfo::exists(odd + QStringLiteral("/temp/traceall.txt")));
}

TEST_F(Viewers, AnOpenerThatCannotStartIsNotReported) {
    qputenv("QUENLAR_OPEN", viewer.pathOf(QStringLiteral("missing")).toLocal8Bit());
    click(w->Protocol);
    key(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(testsupport::errorBoxes(), QStringList());
    EXPECT_EQ(w->Traces.fileName, at("extend.txt"));
}

}  // namespace
