// The Define Key window: opened on a key by a right click, showing that key's record, and
// saving it in place whenever it closes, by Exit or by its frame.
#include "tests/window/control_fixture.h"

#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray KeyA = keyRecord("A", {}, {});
const QByteArray KeyB = keyRecord("Bee", "second key", bytes("22 33 44 55 66"));

class DefineKey : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFileBytes(rig.keydef(), KeyA + KeyB + keyRecord("C", {}, {}) + keyRecord("D", {}, {}));
        ASSERT_TRUE(ControlRig::activate(rig.c));
    }
    // A right click on key k, as the user opens the window on it.
    bool edit(int key) {
        QTest::mouseClick(rig.c.Select[static_cast<std::size_t>(key)], Qt::RightButton);
        return waitFor([&] { return rig.k.isActiveWindow(); });
    }
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    QByteArray record(int key) { return fileBytes(rig.keydef()).mid(55 * key, 55); }
    std::vector<int> shownData() const {
        std::vector<int> shown;
        for (int i = 0; i < 15; ++i) {
            if (!rig.k.data[static_cast<std::size_t>(i)]->isHidden()) shown.push_back(i);
        }
        return shown;
    }
    void closeBox() {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QApplication::instance()->notify(&rig.k, &close);
    }
    ControlRig rig;
};

TEST_F(DefineKey, IsANonModalDefineKeyWindowOnTopWithItsFields) {
    EXPECT_EQ(rig.k.windowTitle(), QStringLiteral("Define Key"));
    EXPECT_TRUE(rig.k.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(rig.k.windowModality(), Qt::NonModal);
    EXPECT_EQ(rig.k.description->width(), 200);
    EXPECT_EQ(rig.k.Exit->text(), QStringLiteral("Exit"));
    QStringList labels;
    for (const QLabel* l : rig.k.findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Key Label")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Key Description")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Hexadecial Command without checksum")));
    QStringList fields{"cmd1", "cmd2"};
    for (int i = 0; i < 15; ++i) fields << QStringLiteral("data%1").arg(i);
    for (const QString& name : fields) {
        auto* field = rig.k.findChild<QLineEdit*>(name);
        ASSERT_NE(field, nullptr) << name.toStdString();
        EXPECT_EQ(field->accessibleDescription(), name);
        EXPECT_EQ(field->inputMask(), QStringLiteral("NN;_"));
        EXPECT_EQ(field->text(), QStringLiteral("00"));
    }
    EXPECT_EQ(shownData(), std::vector<int>{}) << "data fields hidden until shown for CMD1";
}

TEST_F(DefineKey, RightClickShowsTheKeysRecord) {
    ASSERT_TRUE(edit(1));
    EXPECT_EQ(rig.k.EditKeyIndex, 1);
    EXPECT_EQ(rig.k.Caption->text(), QStringLiteral("Bee"));
    EXPECT_EQ(rig.k.description->text(), QStringLiteral("second key"));
    EXPECT_EQ(rig.k.cmd1->text(), QStringLiteral("22"));
    EXPECT_EQ(rig.k.cmd2->text(), QStringLiteral("33"));
    EXPECT_EQ(rig.k.data[0]->text(), QStringLiteral("44"));
    EXPECT_EQ(rig.k.data[1]->text(), QStringLiteral("55"));
    EXPECT_EQ(shownData(), (std::vector<int>{0, 1}));
    EXPECT_EQ(QApplication::focusWidget(), rig.k.Caption);
}

TEST_F(DefineKey, ALeftClickDoesNotOpenTheWindow) {
    QTest::mouseClick(rig.c.Select[1], Qt::LeftButton);
    EXPECT_FALSE(rig.k.isVisible());
}

TEST_F(DefineKey, LabelAndDescriptionAreCutWhenSaved) {
    ASSERT_TRUE(edit(0));
    type(rig.k.Caption, QStringLiteral("Record"));
    type(rig.k.description, QStringLiteral("Arms every track of the machine A"));
    QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    EXPECT_FALSE(rig.k.isVisible());
    EXPECT_EQ(record(0).mid(0, 6), QByteArray("\x05Recor"));
    EXPECT_EQ(record(0).mid(6, 31), QByteArray("\x1E") + "Arms every track of the machin");
    EXPECT_EQ(rig.c.Select[0]->text(), QStringLiteral("Recor"));
    EXPECT_EQ(record(1), KeyB) << "the other records stay as they were";
}

TEST_F(DefineKey, LeavingCmd1ShowsTheDataFieldsItCounts) {
    ASSERT_TRUE(edit(0));
    type(rig.k.cmd1, QStringLiteral("23"));
    rig.k.cmd2->setFocus();
    EXPECT_EQ(shownData(), (std::vector<int>{0, 1, 2}));
    type(rig.k.cmd1, QStringLiteral("0F"));
    rig.k.cmd2->setFocus();
    EXPECT_EQ(shownData().size(), 15U);
}

TEST_F(DefineKey, HiddenDataFieldsKeepTheirBytes) {
    ASSERT_TRUE(edit(0));
    type(rig.k.cmd1, QStringLiteral("23"));
    rig.k.cmd2->setFocus();
    type(rig.k.data[0], QStringLiteral("11"));
    type(rig.k.data[1], QStringLiteral("22"));
    type(rig.k.data[2], QStringLiteral("33"));
    type(rig.k.cmd1, QStringLiteral("21"));
    rig.k.cmd2->setFocus();
    EXPECT_EQ(shownData(), (std::vector<int>{0}));
    QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    EXPECT_EQ(record(0).mid(37, 5), bytes("21 00 11 22 33"));

    ASSERT_TRUE(ControlRig::activate(rig.c));
    ASSERT_TRUE(edit(0));
    type(rig.k.cmd1, QStringLiteral("23"));
    rig.k.cmd2->setFocus();
    EXPECT_EQ(rig.k.data[2]->text(), QStringLiteral("33")) << "raising CMD1 shows the old value";
}

TEST_F(DefineKey, LowerCaseHexIsStoredAsItsByte) {
    ASSERT_TRUE(edit(0));
    type(rig.k.cmd2, QStringLiteral("af"));
    EXPECT_EQ(rig.k.cmd2->text(), QStringLiteral("af"));
    QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    EXPECT_EQ(static_cast<unsigned char>(record(0).at(38)), 0xAF);
    ASSERT_TRUE(ControlRig::activate(rig.c));
    ASSERT_TRUE(edit(0));
    EXPECT_EQ(rig.k.cmd2->text(), QStringLiteral("AF"));
}

TEST_F(DefineKey, SavedKeySendsItsNewFrame) {
    rig.w.Timer1Timer();
    ASSERT_TRUE(edit(3));
    type(rig.k.cmd1, QStringLiteral("20"));
    type(rig.k.cmd2, QStringLiteral("01"));
    QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    QTest::mouseClick(rig.c.Select[3], Qt::LeftButton);
    EXPECT_EQ(rig.sentBefore(), bytes("200121"));
}

TEST_F(DefineKey, ClosingByTheFrameSavesLikeExit) {
    ASSERT_TRUE(edit(2));
    type(rig.k.Caption, QStringLiteral("Frame"));
    type(rig.k.cmd1, QStringLiteral("20"));
    closeBox();
    EXPECT_FALSE(rig.k.isVisible());
    EXPECT_EQ(record(2), keyRecord("Frame", {}, bytes("20")));
    EXPECT_EQ(rig.c.Select[2]->text(), QStringLiteral("Frame"));
}

TEST_F(DefineKey, SpareByteIsWrittenBackAsItWasRead) {
    QByteArray withSpare = KeyA;
    withSpare[54] = '\x77';
    writeFileBytes(rig.keydef(), withSpare + KeyB + KeyB + KeyB);
    ASSERT_TRUE(edit(0));
    type(rig.k.cmd1, QStringLiteral("0F"));
    QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    EXPECT_EQ(record(0).at(54), '\x77');
    EXPECT_EQ(record(0).at(37), '\x0F');
}

TEST_F(DefineKey, RightClickOnAnotherKeySwitchesWithoutWriting) {
    ASSERT_TRUE(edit(0));
    type(rig.k.Caption, QStringLiteral("Zed"));
    ASSERT_TRUE(ControlRig::activate(rig.c));
    ASSERT_TRUE(edit(1));
    EXPECT_EQ(rig.k.EditKeyIndex, 1);
    EXPECT_EQ(rig.k.Caption->text(), QStringLiteral("Bee"));
    EXPECT_EQ(record(0), KeyA);
    EXPECT_EQ(rig.c.Select[0]->text(), QStringLiteral("A"));
}

// A click on Exit is refused as it leaves the field; the close box takes no focus, so the save
// itself refuses the field. Either way there is one box and the file stays as it was.
class IncompleteByteField : public DefineKey, public ::testing::WithParamInterface<bool> {};

TEST_P(IncompleteByteField, IsRefusedAndTheWindowStays) {
    const bool byExit = GetParam();
    ASSERT_TRUE(edit(1));
    type(rig.k.cmd2, QStringLiteral("A"));
    if (byExit) {
        QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    } else {
        closeBox();
    }
    EXPECT_EQ(
        testsupport::errorBoxes(),
        QStringList{QStringLiteral("Invalid input value.  Use escape key to abandon changes.")});
    EXPECT_TRUE(rig.k.isVisible());
    EXPECT_EQ(record(1), KeyB);
}

INSTANTIATE_TEST_SUITE_P(Closing, IncompleteByteField, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "ByExit" : "ByCloseBox");
                         });

TEST_F(DefineKey, FailedSaveLeavesTheFileIntact) {
    ASSERT_TRUE(edit(1));
    type(rig.k.Caption, QStringLiteral("Lost"));
    const QByteArray before = fileBytes(rig.keydef());
    const ImmutableFile locked(rig.keydef());
    if (!locked.ok()) GTEST_SKIP() << "this file system cannot make a file immutable";
    QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("File access denied.")});
    EXPECT_EQ(fileBytes(rig.keydef()), before);
}

TEST_F(DefineKey, FullDiskIsReported) {
    ASSERT_TRUE(QFile::remove(rig.keydef()));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), rig.keydef()));
    ASSERT_TRUE(edit(0));
    QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    EXPECT_EQ(testsupport::errorBoxes(), QStringList{QStringLiteral("Disk full.")});
}

TEST_F(DefineKey, RecordsBeyondTheFourthSurviveASave) {
    const QByteArray extra = keyRecord("E", "fifth", bytes("20 10")) + keyRecord("F", {}, {});
    writeFileBytes(rig.keydef(), fileBytes(rig.keydef()) + extra);
    ASSERT_TRUE(edit(3));
    type(rig.k.Caption, QStringLiteral("Dee"));
    QTest::mouseClick(rig.k.Exit, Qt::LeftButton);
    const QByteArray after = fileBytes(rig.keydef());
    EXPECT_EQ(after.size(), 330);
    EXPECT_EQ(after.mid(220), extra);
    EXPECT_EQ(record(3).mid(0, 4), QByteArray("\x03"
                                              "Dee"));
}

}  // namespace
