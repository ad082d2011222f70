// The compact and details views, the resize rule of the raw-traffic grids and the window's
// placement on activation.
#include "link/StringGrid.h"
#include "tests/support/paramname.h"
#include "tests/support/wait.h"
#include "tests/window/mainwindow_fixture.h"

#include <QFrame>
#include <QPushButton>
#include <QTest>

namespace {

using Views = MainWindowTest;

TEST_F(Views, StartsInTheCompactViewWithTheRawTrafficBelowTheStatusPanels) {
    start();
    w->show();
    EXPECT_EQ(w->size(), QSize(796, 387));
    EXPECT_TRUE(w->ledComms->isHidden());
    EXPECT_GE(w->RawComms->y(), w->Misc->geometry().bottom());
    EXPECT_GE(w->RawComms->y(), w->LogiRecTrks->geometry().bottom());
}

TEST_F(Views, DetailsTwiceReturnsToTheCompactView) {
    start();
    w->show();
    QTest::mouseClick(w->Details, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return w->height() == 600; }));
    EXPECT_TRUE(w->ledComms->isVisible());
    EXPECT_EQ(w->RawComms->geometry().bottom(), 579);  // the whole raw-traffic panel shows
    QTest::mouseClick(w->Details, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return w->height() == 387; }));
    EXPECT_FALSE(w->ledComms->isVisible());
    EXPECT_EQ(w->width(), 796);
}

TEST_F(Views, DetailsWorksBeforeTheWindowIsShown) {
    start();
    w->DetailsClick();
    EXPECT_EQ(w->height(), 600);
    EXPECT_FALSE(w->ledComms->isHidden());
    EXPECT_EQ(w->grid1->height(), 174);
    w->DetailsClick();
    EXPECT_EQ(w->height(), 387);
    EXPECT_TRUE(w->ledComms->isHidden());
}

TEST_F(Views, ATallerWindowGrowsTheMachineGridAndTheShortCommandGrid) {
    start();
    w->show();
    w->resize(796, 700);
    ASSERT_TRUE(waitFor([&] { return w->height() == 700; }));
    EXPECT_EQ(w->mcngrid->height(), 168);
    EXPECT_EQ(w->grid1->height(), 274);
    EXPECT_EQ(w->grid2->height(), 102);
    // The raw-traffic panel follows the bottom edge and still holds both grids.
    EXPECT_EQ(w->height() - w->RawComms->geometry().bottom(), 600 - 579);
    EXPECT_LT(w->mcngrid->geometry().bottom(), w->RawComms->height());
    EXPECT_LT(w->grid1->geometry().bottom(), w->RawComms->height());
}

class UpToDetailsHeight : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(UpToDetailsHeight, KeepsTheGridsAtTheirDetailsSize) {
    start();
    w->show();
    w->resize(796, 700);
    ASSERT_TRUE(waitFor([&] { return w->height() == 700; }));
    w->resize(796, GetParam());
    ASSERT_TRUE(waitFor([&] { return w->height() == GetParam(); }));
    EXPECT_EQ(w->mcngrid->height(), 68);
    EXPECT_EQ(w->grid1->height(), 174);
}

INSTANTIATE_TEST_SUITE_P(Heights, UpToDetailsHeight, ::testing::Values(387, 450, 599, 600),
                         paramname::ByValue());

TEST_F(Views, OneMoreThanTheDetailsHeightAlreadyGrows) {
    start();
    w->show();
    w->resize(796, 601);
    ASSERT_TRUE(waitFor([&] { return w->height() == 601; }));
    EXPECT_EQ(w->mcngrid->height(), 69);
    EXPECT_EQ(w->grid1->height(), 175);
}

TEST_F(Views, ActivationMovesTheWindowToTheTopEdgeKeepingItsLeft) {
    start();
    w->show();
    w->move(120, 300);
    ASSERT_TRUE(waitFor([&] { return w->y() == 300; }));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w.get(), &activate);
    ASSERT_TRUE(waitFor([&] { return w->y() == 0; }));
    EXPECT_EQ(w->x(), 120);
}

}  // namespace
