// The four user keys: keydef created on the machine control window's first activation, the keys
// loaded from it on every activation, their frames on the line, and files that cannot be loaded.
#include "app/Application.h"
#include "tests/window/control_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <utility>

namespace {

class UserKeys : public ::testing::Test {
  protected:
    void SetUp() override { rig.w.Timer1Timer(); }  // sending allowed
    QStringList captions() const {
        QStringList out;
        for (const QPushButton* key : rig.c.Select) out << key->text();
        return out;
    }
    ControlRig rig;
};

TEST_F(UserKeys, FirstActivationCreatesTheFileByteForByte) {
    ASSERT_FALSE(QFile::exists(rig.keydef()));
    ASSERT_TRUE(ControlRig::activate(rig.c));
    QByteArray expected;
    for (const char* letter : {"A", "B", "C", "D"}) expected += keyRecord(letter, {}, {});
    EXPECT_EQ(fileBytes(rig.keydef()), expected);
    EXPECT_EQ(expected.size(), 220);
    EXPECT_EQ(captions(), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(testsupport::errorBoxes(), QStringList());
}

TEST_F(UserKeys, EachNewKeySendsTheEmptyCommand) {
    ASSERT_TRUE(ControlRig::activate(rig.c));
    for (QPushButton* key : rig.c.Select) {
        QTest::mouseClick(key, Qt::LeftButton);
        EXPECT_EQ(rig.take(3), bytes("000000")) << key->objectName().toStdString();
    }
}

TEST_F(UserKeys, ActivationLoadsLabelsAndCommandsFromTheFile) {
    writeFileBytes(rig.keydef(), keyRecord("Rec", "arm all", bytes("20 02")) +
                                     keyRecord("Eject", {}, bytes("20 0F")) +
                                     keyRecord({}, {}, {}) + keyRecord("x", {}, bytes("61 0C 01")));
    ASSERT_TRUE(ControlRig::activate(rig.c));
    EXPECT_EQ(captions(), QStringList({"Rec", "Eject", "", "x"}));
    QTest::mouseClick(rig.c.Select[1], Qt::LeftButton);
    QTest::mouseClick(rig.c.Select[3], Qt::LeftButton);
    EXPECT_EQ(rig.sentBefore(), bytes("20 0F 2F  61 0C 01 6E"));
}

TEST_F(UserKeys, KeyFrameDoesNotDependOnTheCommandForm) {
    writeFileBytes(rig.keydef(), keyRecord("P", {}, bytes("20 01")).repeated(4));
    ASSERT_TRUE(ControlRig::activate(rig.c));
    for (int form = 0; form < 4; ++form) {
        rig.c.CommandItems[static_cast<std::size_t>(form)]->click();
        QTest::mouseClick(rig.c.Select[0], Qt::LeftButton);
        EXPECT_EQ(rig.take(3), bytes("200121")) << "form " << form;
    }
}

TEST_F(UserKeys, KeyWithFifteenDataBytesSendsEighteenWithTheChecksumInPlaceOfTheSpare) {
    const QByteArray image = bytes("0F 20 0102030405060708090A0B0C0D0E0F 77");
    writeFileBytes(rig.keydef(), keyRecord("Long", {}, image).repeated(4));
    ASSERT_TRUE(ControlRig::activate(rig.c));
    QTest::mouseClick(rig.c.Select[2], Qt::LeftButton);
    QByteArray expected = image.left(17);
    int sum = 0;
    for (const char b : expected) sum += static_cast<unsigned char>(b);
    expected += static_cast<char>(sum & 0xFF);
    EXPECT_EQ(rig.sentBefore().toHex(' '), expected.toHex(' '));
    EXPECT_EQ(fileBytes(rig.keydef()).at(55 * 2 + 54), '\x77') << "the file keeps its spare byte";
}

TEST_F(UserKeys, EveryActivationReloadsTheKeys) {
    ASSERT_TRUE(ControlRig::activate(rig.c));
    writeFileBytes(rig.keydef(), keyRecord("New", {}, {}).repeated(4));
    ASSERT_TRUE(ControlRig::activate(rig.k));
    ASSERT_TRUE(ControlRig::activate(rig.c));
    EXPECT_EQ(captions(), QStringList({"New", "New", "New", "New"}));
}

TEST_F(UserKeys, ShortFileLoadsTheKeysBeforeTheGapAndStaysAsItWas) {
    const QByteArray shortFile =
        keyRecord("K1", {}, bytes("2001")) + keyRecord("K2", {}, {}) + QByteArray(20, 'z');
    writeFileBytes(rig.keydef(), shortFile);
    ASSERT_TRUE(ControlRig::activate(rig.c));
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("Read beyond end of file.")});
    EXPECT_EQ(captions(), QStringList({"K1", "K2", "C", "D"}));
    EXPECT_EQ(fileBytes(rig.keydef()), shortFile);
    QTest::mouseClick(rig.c.Select[0], Qt::LeftButton);
    EXPECT_EQ(rig.sentBefore(), bytes("200121"));
}

TEST_F(UserKeys, ReadOnlyFileIsRefusedAndLeftAlone) {
    const QByteArray content = keyRecord("Ro", {}, bytes("2001")).repeated(4);
    writeFileBytes(rig.keydef(), content);
    const ImmutableFile locked(rig.keydef());
    if (!locked.ok()) GTEST_SKIP() << "this file system cannot make a file immutable";
    ASSERT_TRUE(ControlRig::activate(rig.c));
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("File access denied.")});
    EXPECT_EQ(captions(), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(fileBytes(rig.keydef()), content);
}

TEST_F(UserKeys, DirectoryNamedKeydefIsRefusedAndLeftAlone) {
    ASSERT_TRUE(QDir(rig.w.AppDir).mkdir(QStringLiteral("keydef")));
    ASSERT_TRUE(ControlRig::activate(rig.c));
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("File access denied.")});
    EXPECT_TRUE(QFileInfo(rig.keydef()).isDir());
    EXPECT_EQ(captions(), QStringList({"A", "B", "C", "D"}));
}

TEST_F(UserKeys, ClosingTheErrorBoxOfAFailedLoadDoesNotLoadAgain) {
    ASSERT_TRUE(QDir(rig.w.AppDir).mkdir(QStringLiteral("keydef")));
    // A real modal box over the window, as the application shows it, closed by the user.
    Application* app = Application::instance();
    const auto recordOnly = app->errorSink;
    bool boxShown = false;
    app->errorSink = [&](const QString& text) {
        recordOnly(text);
        if (std::exchange(boxShown, true)) return;
        QMessageBox box(QMessageBox::Critical, app->Title, text, QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        EXPECT_TRUE(waitFor([&] { return box.isActiveWindow(); }));
        box.hide();
        rig.c.activateWindow();  // the window system hands the activation back
    };
    rig.c.show();
    rig.c.activateWindow();
    const bool backAgain = waitFor([&] {
        return testsupport::errorBoxes().size() >= 2 ||
               (testsupport::errorBoxes().size() == 1 && rig.c.isActiveWindow() &&
                !app->errorBoxOpen());
    });
    app->errorSink = recordOnly;
    ASSERT_TRUE(backAgain);
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("File access denied.")});
}

}  // namespace
