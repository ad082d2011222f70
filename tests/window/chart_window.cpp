// The sync chart window of the main window: Ctrl+G under the shortcut rule and a double-click on
// the sync error open it, it redraws on its timer and not per frame, and "Save CSV..." writes the
// samples that came over the line.
#include "chart/ChartPane.h"
#include "chart/SyncChartWindow.h"
#include "chart/SyncHistory.h"
#include "tests/support/wait.h"
#include "tests/window/mainwindow_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <set>

namespace {

QByteArray frameOf(std::vector<std::uint8_t> body) {
    return frame::complete(body);
}
// A status tally: machine, transport state, status byte 1, sync error byte.
QByteArray status(std::uint8_t m, std::uint8_t state, std::uint8_t s1, std::uint8_t error) {
    return frameOf({0x1A, 0xA0, 0x81, m, state, s1, 0x00, 0x00, 0x01, 0x00, error, 0x00});
}
QByteArray offset(std::uint8_t m, std::uint8_t hi, std::uint8_t mid, std::uint8_t lo) {
    return frameOf({0x16, 0xA0, 0x82, m, hi, mid, lo, 0x00});
}

class SyncChart : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
        w->show();
    }
    void keys(std::initializer_list<Qt::Key> sequence) {
        for (Qt::Key k : sequence) QTest::keyClick(w.get(), k);
    }
    bool chartShown() const { return w->SyncChart != nullptr && w->SyncChart->isVisible(); }
    void feed(const QByteArray& bytes) {
        for (qsizetype i = 0; i < bytes.size(); i += 30)
            feedAndWait(*w->serial, *line, bytes.mid(i, 30));
    }
};

TEST_F(SyncChart, CtrlThenGOpensItAndCloseItAgain) {
    keys({Qt::Key_G});
    EXPECT_FALSE(chartShown());
    keys({Qt::Key_Control, Qt::Key_G});
    ASSERT_TRUE(chartShown());
    EXPECT_EQ(w->SyncChart->windowTitle(), QStringLiteral("Sync Chart"));
    EXPECT_EQ(w->SyncChart->parentWidget(), w.get());
    keys({Qt::Key_Alt, Qt::Key_G});
    EXPECT_FALSE(chartShown());
    keys({Qt::Key_Control, Qt::Key_Shift, Qt::Key_G});
    EXPECT_FALSE(chartShown());
}

TEST_F(SyncChart, ADoubleClickOnTheSyncErrorOpensIt) {
    QTest::mouseClick(w->SyncError, Qt::LeftButton);
    EXPECT_FALSE(chartShown());
    QTest::mouseDClick(w->SyncError, Qt::LeftButton);
    EXPECT_TRUE(chartShown());
}

// Redraws come from a timer of 200 ms, never from a frame: however fast frames arrive, there are
// at most five a second (one more for the opening), and none while the window is hidden.
TEST_F(SyncChart, RedrawsAtMostFiveTimesASecondAndOnlyWhileShown) {
    QByteArray tallies;
    for (int i = 0; i < 40; ++i)
        tallies += status(1, 3, 0, static_cast<std::uint8_t>(i)) + offset(1, 0, 0, 250);
    QElapsedTimer clock;
    clock.start();
    keys({Qt::Key_Control, Qt::Key_G});
    ASSERT_TRUE(chartShown());
    for (int round = 0; round < 10; ++round) feed(tallies);
    ASSERT_TRUE(waitFor([&] { return w->SyncChart->redrawCount() >= 2; }));
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(w->SyncHistory->samples(0).size(), 800u);
    // The redraw on showing, one per timer interval since, and one for the interval the clock
    // and the timer may round differently.
    EXPECT_LE(w->SyncChart->redrawCount(), 2 + elapsed / chart::SyncChartWindow::RedrawIntervalMs);

    keys({Qt::Key_Control, Qt::Key_G});
    ASSERT_FALSE(chartShown());
    const int before = w->SyncChart->redrawCount();
    feed(tallies);
    ASSERT_TRUE(waitForDispatchPasses(*w->serial, 6));
    EXPECT_EQ(w->SyncChart->redrawCount(), before);
    EXPECT_EQ(w->SyncHistory->samples(0).size(), 880u);  // taken all the same
}

// Every machine has a colour of its own, the same in both panes; a change of state is a marker.
TEST_F(SyncChart, EveryMachineHasItsOwnColourAndChangesAreMarked) {
    QByteArray tallies;
    for (const std::uint8_t m : {1, 2, 3, 4, 5, 6, 255})
        tallies += status(m, 3, 0, 1) + offset(m, 0, 0, 100);
    tallies += status(1, 1, 0, 1);  // A stops
    feed(tallies);
    keys({Qt::Key_Control, Qt::Key_G});
    ASSERT_TRUE(chartShown());
    ASSERT_TRUE(waitFor([&] { return w->SyncChart->ErrorPane->markers().size() == 1; }));
    std::set<QRgb> colours;
    for (int s = 0; s < chart::SeriesCount; ++s) {
        const QColor c = w->SyncChart->ErrorPane->line(s)->color();
        EXPECT_EQ(c, w->SyncChart->OffsetPane->line(s)->color()) << s;
        colours.insert(c.rgb());
    }
    EXPECT_EQ(colours.size(), std::size_t{chart::SeriesCount});
    EXPECT_EQ(w->SyncChart->OffsetPane->markers().size(), 1);
    EXPECT_EQ(w->SyncChart->ErrorPane->markers().front().y(), 1.0);
}

// Fills the save dialog as a user would: the file name, then Save.
void answerSaveDialog(const QString& path) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name == nullptr || !name->isVisible()) return;
        poll->deleteLater();
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    poll->start(20);
}

TEST_F(SyncChart, SaveCsvWritesEverySampleThatCameOverTheLine) {
    feed(status(1, 3, 0x40, 0x24) + offset(1, 0x00, 0x05, 0xDC) + status(2, 3, 0x00, 0x83) +
         status(1, 3, 0x00, 0x02) + frameOf({0x19, 0xA0, 0x80, 1, 0, 0, 0, 0, 1, 0, 0}) +
         status(255, 1, 0x00, 0x00) + offset(2, 0x00, 0x00, 0xFA));
    QTest::mouseDClick(w->SyncError, Qt::LeftButton);
    ASSERT_TRUE(chartShown());
    const QString path = dir.filePath(QStringLiteral("sync.csv"));
    answerSaveDialog(path);
    w->SyncChart->SaveCsv->click();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    // The frames came in several data events, so their times may differ by any amount: rows go
    // by time, and each machine's rows keep the order their frames came in.
    QStringList rows;
    QMap<QString, QStringList> byMachine;
    double lastTime = 0.0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.isEmpty()) continue;
        const QString row = QString::fromLatin1(line);
        rows << row;
        if (rows.size() == 1) continue;
        const double time = row.section(QLatin1Char(','), 0, 0).toDouble();
        EXPECT_GE(time, lastTime) << row.toStdString();
        lastTime = time;
        byMachine[row.section(QLatin1Char(','), 1, 1)] << row.section(QLatin1Char(','), 2);
    }
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.front(), QStringLiteral("time,machine,sync error,offset,state,lock"));
    EXPECT_EQ(byMachine.value(QStringLiteral("A")),
              (QStringList{"36,0,3,0", "36,1500,3,0", "2,1500,3,1"}));
    EXPECT_EQ(byMachine.value(QStringLiteral("B")), (QStringList{"-3,0,3,1", "-3,250,3,1"}));
    EXPECT_EQ(byMachine.value(QStringLiteral("Gen")), (QStringList{"0,0,1,1"}));
    EXPECT_EQ(byMachine.size(), 3);
    EXPECT_TRUE(testsupport::errorBoxes().empty());
}

}  // namespace
