// Cell texts: drawn inside their cell, clipped at its edge, the same each time they are drawn.
#include "link/CellText.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

QImage drawn(const QString& text, QRect cell) {
    QImage image(120, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont f = p.font();
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::black);
    drawCellText(p, cell, text);
    return image;
}

bool inkIn(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
        }
    }
    return false;
}

TEST(CellText, IsDrawnInsideItsCell) {
    const QRect cell(10, 5, 40, 18);
    const QImage image = drawn(QStringLiteral("7F"), cell);
    EXPECT_TRUE(inkIn(image, cell));
    EXPECT_FALSE(inkIn(image, {0, 0, 10, 30}));
    EXPECT_FALSE(inkIn(image, {51, 0, 69, 30}));
}

TEST(CellText, ALongTextIsCutAtTheCellsEdge) {
    const QRect cell(10, 5, 14, 18);
    const QImage image = drawn(QStringLiteral("Record Tracks"), cell);
    EXPECT_TRUE(inkIn(image, cell));
    EXPECT_FALSE(inkIn(image, {cell.right() + 1, 0, 120 - cell.right() - 1, 30}));
}

TEST(CellText, DrawsTheSameFromTheCacheAsTheFirstTime) {
    const QRect cell(10, 5, 40, 18);
    const QImage first = drawn(QStringLiteral("A0"), cell);
    EXPECT_EQ(drawn(QStringLiteral("A0"), cell), first);
    EXPECT_NE(drawn(QStringLiteral("0A"), cell), first);
}

TEST(CellText, DrawsTheSameAfterManyOtherTextsHaveComeAndGone) {
    const QRect cell(10, 5, 80, 18);
    const QImage first = drawn(QStringLiteral("A0"), cell);
    QImage last;
    for (int n = 0; n < 3000; ++n) last = drawn(QString::number(n), cell);
    EXPECT_EQ(drawn(QStringLiteral("A0"), cell), first);
    EXPECT_EQ(drawn(QStringLiteral("2999"), cell), last);
}

TEST(CellText, AnEmptyTextOrCellDrawsNothing) {
    EXPECT_FALSE(inkIn(drawn(QString(), {10, 5, 40, 18}), {0, 0, 120, 30}));
    EXPECT_FALSE(inkIn(drawn(QStringLiteral("7F"), {10, 5, 0, 18}), {0, 0, 120, 30}));
}

}  // namespace
