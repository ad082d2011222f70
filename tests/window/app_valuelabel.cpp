// Value labels look as plain labels do: the text lands where a QLabel would put it.
#include "app/ValueLabel.h"
#include "tests/support/paramname.h"
#include "tests/support/testmain.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

struct Case {
    const char* name;
    Qt::Alignment align;
    int indent;
    bool framed;
};

// The smallest rectangle holding every pixel of the text colour inside the frame.
QRect ink(QLabel& label) {
    const QImage image = label.grab().toImage();
    const int f = label.frameWidth();
    QRect box;
    for (int y = f; y < image.height() - f; ++y) {
        for (int x = f; x < image.width() - f; ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255) && qRed(image.pixel(x, y)) < 128) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

void dress(QLabel& label, const Case& c) {
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Window, Qt::white);
    label.setPalette(p);
    label.setAutoFillBackground(true);
    QFont f = label.font();
    f.setPixelSize(14);
    f.setBold(true);
    label.setFont(f);
    label.setAlignment(c.align);
    label.setIndent(c.indent);
    if (c.framed) label.setFrameStyle(QFrame::Panel | QFrame::Plain);
    label.setGeometry(0, 0, 160, 24);
}

class LabelPlacement : public ::testing::TestWithParam<Case> {};

TEST_P(LabelPlacement, MatchesAPlainLabel) {
    const QString text = QStringLiteral("09:58:00:23");
    QLabel plain(text);
    ValueLabel value(text);
    dress(plain, GetParam());
    dress(value, GetParam());
    const QRect expected = ink(plain);
    const QRect got = ink(value);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_NEAR(got.left(), expected.left(), 1);
    EXPECT_NEAR(got.right(), expected.right(), 1);
    EXPECT_NEAR(got.top(), expected.top(), 1);
    EXPECT_NEAR(got.bottom(), expected.bottom(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, LabelPlacement,
    ::testing::Values(Case{"centred", Qt::AlignCenter, -1, false},
                      Case{"left_indented", Qt::AlignLeft | Qt::AlignVCenter, 4, false},
                      Case{"left_framed", Qt::AlignLeft | Qt::AlignVCenter, 4, true},
                      Case{"left_framed_default_indent", Qt::AlignLeft | Qt::AlignVCenter, -1,
                           true},
                      Case{"right", Qt::AlignRight | Qt::AlignVCenter, -1, false}),
    paramname::from([](const Case& c) { return c.name; }));

TEST(ValueLabelText, ANewTextIsShown) {
    ValueLabel label(QStringLiteral("A"));
    dress(label, {"", Qt::AlignCenter, -1, false});
    const QRect one = ink(label);
    label.setText(QStringLiteral("A:VTR 01"));
    EXPECT_GT(ink(label).width(), one.width() * 3);
    label.setText(QString());
    EXPECT_TRUE(ink(label).isEmpty());
}

}  // namespace
