// The string grid: what a changed cell repaints, and which writes change anything.
#include "link/StringGrid.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QPaintEvent>
#include <QScrollBar>

namespace {

// Records the regions a widget is asked to repaint.
class PaintSpy : public QObject {
  public:
    explicit PaintSpy(QWidget* w) { w->installEventFilter(this); }
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

class Grid : public ::testing::Test {
  protected:
    void SetUp() override {
        grid.resize(200, 120);
        for (int c = 0; c < 4; ++c) grid.setColWidth(c, 40);
        grid.setRowHeights(18);
        grid.show();
        settle();
    }
    // Lets the pending repaints happen and forgets them.
    void settle() {
        QCoreApplication::processEvents();
        for (PaintSpy* s : {&header, &side, &body}) s->painted = {};
    }
    // The part of a header's viewport that shows section `s`.
    static QRect section(const QHeaderView* h, int s) {
        return h->orientation() == Qt::Horizontal
                   ? QRect(h->sectionViewportPosition(s), 0, h->sectionSize(s), h->height())
                   : QRect(0, h->sectionViewportPosition(s), h->width(), h->sectionSize(s));
    }
    StringGrid grid{4, 10, nullptr};
    PaintSpy header{grid.horizontalHeader()->viewport()};
    PaintSpy side{grid.verticalHeader()->viewport()};
    PaintSpy body{grid.viewport()};
};

TEST_F(Grid, AChangedFixedRowCellRepaintsItsSectionOnly) {
    ASSERT_TRUE(grid.setCell(2, 0, QStringLiteral("88")));
    QCoreApplication::processEvents();
    const QHeaderView* h = grid.horizontalHeader();
    EXPECT_TRUE(header.painted.intersects(section(h, 1)));
    EXPECT_FALSE(header.painted.intersects(section(h, 0)));
    EXPECT_TRUE(body.painted.isEmpty()) << "the body is not laid out or drawn again";
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("88"));
}

TEST_F(Grid, AChangedFixedColumnCellRepaintsItsSection) {
    ASSERT_TRUE(grid.setCell(0, 3, QStringLiteral("42")));
    QCoreApplication::processEvents();
    EXPECT_TRUE(side.painted.intersects(section(grid.verticalHeader(), 2)));
    EXPECT_TRUE(body.painted.isEmpty());
}

TEST_F(Grid, AChangedBodyCellRepaintsIt) {
    ASSERT_TRUE(grid.setCell(1, 1, QStringLiteral("7F")));
    QCoreApplication::processEvents();
    EXPECT_TRUE(body.painted.intersects(grid.visualRect(grid.model()->index(0, 0))));
}

TEST_F(Grid, AnUnchangedCellRepaintsNothing) {
    ASSERT_TRUE(grid.setCell(2, 0, QStringLiteral("88")));
    settle();
    EXPECT_FALSE(grid.setCell(2, 0, QStringLiteral("88")));
    QCoreApplication::processEvents();
    EXPECT_TRUE(header.painted.isEmpty());
}

TEST_F(Grid, ACountCellChangingKeepsTheBodyWhereItWasScrolled) {
    grid.verticalScrollBar()->setValue(3);
    ASSERT_EQ(grid.verticalScrollBar()->value(), 3);
    for (int n = 0; n < 20; ++n) grid.setCell(1, 0, QString::number(n));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.verticalScrollBar()->value(), 3);
}

TEST_F(Grid, WritingTheSameTextOrOutsideTheGridChangesNothing) {
    ASSERT_TRUE(grid.setCell(1, 1, QStringLiteral("A")));
    EXPECT_FALSE(grid.setCell(1, 1, QStringLiteral("A")));
    EXPECT_FALSE(grid.setCell(4, 1, QStringLiteral("A")));
    EXPECT_FALSE(grid.setCell(1, -1, QStringLiteral("A")));
    EXPECT_EQ(grid.cell(4, 1), QString());
}

}  // namespace
