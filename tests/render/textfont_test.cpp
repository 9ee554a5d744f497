#include "render/textfont.h"

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace zorvan;

namespace {

// Columns and rows that hold any pixel brighter than half.
QRect InkBounds(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (qGray(img.pixel(x, y)) > 128)
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

QImage Canvas(int w = 600, int h = 120)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

} // namespace

TEST(TextFont, MeasuredBoxCarriesOneSixthEmEachSideAndOneLineSpacingPerLine)
{
    const TextFont font("DejaVu Sans", 36.8, false, false);
    ASSERT_TRUE(font.isValid());
    const double em = 36.8;
    const QRectF one = font.measure(u"12.99");
    EXPECT_DOUBLE_EQ(one.x(), 0.0);
    EXPECT_NEAR(one.width(), font.advance(u"12.99") + em / 3.0, 1e-9);
    EXPECT_NEAR(one.height(), font.lineSpacing(), 1e-9);
    EXPECT_GT(font.lineSpacing(), em);

    // Trailing spaces count; lines are as wide as the widest.
    EXPECT_GT(font.measure(u"12.99   ").width(), one.width() + 2 * font.advance(u" "));
    const QRectF two = font.measure(u"12.99\r\nBurger deluxe");
    EXPECT_NEAR(two.height(), 2 * font.lineSpacing(), 1e-9);
    EXPECT_NEAR(two.width(), font.measure(u"Burger deluxe").width(), 1e-9);
    // A break at the very end opens no line; a lone break is one line.
    EXPECT_NEAR(font.measure(u"A\r\n").height(), font.lineSpacing(), 1e-9);
    EXPECT_NEAR(font.measure(u"\r").height(), font.lineSpacing(), 1e-9);

    // Never wraps, however narrow the layout.
    const QRectF narrow = font.measure(u"A long line of text", QRectF(10, 20, 30, 500), TextAlign::Near);
    EXPECT_NEAR(narrow.height(), font.lineSpacing(), 1e-9);
    EXPECT_GT(narrow.width(), 200.0);
    EXPECT_DOUBLE_EQ(narrow.y(), 20.0);

    const QRectF empty = font.measure(u"", QRectF(10, 20, 30, 40), TextAlign::Far);
    EXPECT_EQ(empty, QRectF(10, 20, 0, 0));
}

TEST(TextFont, AlignmentPlacesThePaddedBoxInTheLayout)
{
    const TextFont font("Liberation Sans", 30.0, true, false);
    const QRectF layout(100, 10, 300, 40);
    const double w = font.measure(u"Large").width();
    EXPECT_NEAR(font.measure(u"Large", layout, TextAlign::Near).x(), 100.0, 1e-9);
    EXPECT_NEAR(font.measure(u"Large", layout, TextAlign::Center).x(), 100.0 + (300.0 - w) / 2, 1e-9);
    EXPECT_NEAR(font.measure(u"Large", layout, TextAlign::Far).right(), 400.0, 1e-9);
    EXPECT_EQ(TextAlignFromGroupAlignment(0), TextAlign::Near);
    EXPECT_EQ(TextAlignFromGroupAlignment(1), TextAlign::Center);
    EXPECT_EQ(TextAlignFromGroupAlignment(2), TextAlign::Far);
    EXPECT_EQ(TextAlignFromGroupAlignment(7), TextAlign::Far);
}

TEST(TextFont, SizesAreFractionalAndScaleLinearly)
{
    const TextFont small("Liberation Sans", 36.8, false, false);
    const TextFont big("Liberation Sans", 73.6, false, false);
    const TextFont rounded("Liberation Sans", 37.0, false, false);
    EXPECT_NEAR(big.advance(u"Hamburger 12.99"), 2 * small.advance(u"Hamburger 12.99"), 1e-6);
    EXPECT_LT(small.advance(u"Hamburger 12.99"), rounded.advance(u"Hamburger 12.99"));
    // 72 / dpi points of 0.736 x cell height make 0.736 x cell height pixels.
    const int dpi = 300;
    EXPECT_NEAR(TextFont::EmPixelsFromPoints(72.0 / dpi * 0.736 * 100.0, dpi), 73.6, 1e-9);
    EXPECT_NEAR(TextFont::EmPixelsFromPoints(72.0, 0), 96.0, 1e-9);
    EXPECT_FALSE(TextFont("Liberation Sans", 0.0, false, false).isValid());
    EXPECT_FALSE(TextFont("Liberation Sans", std::nan(""), false, false).isValid());
    EXPECT_EQ(TextFont().measure(u"x"), QRectF(0, 0, 0, 0));
}

TEST(TextFont, DrawsInsideThePaddedBoxAtTheRequestedAlignment)
{
    const TextFont font("DejaVu Sans", 40.0, false, false);
    struct Case {
        TextAlign align;
    } cases[] = {{TextAlign::Near}, {TextAlign::Center}, {TextAlign::Far}};
    for (const Case &c : cases) {
        QImage img = Canvas();
        const QRectF layout(50, 20, 500, font.lineSpacing());
        {
            QPainter p(&img);
            font.draw(p, u"1234", layout, c.align, Qt::white);
        }
        const QRect ink = InkBounds(img);
        ASSERT_FALSE(ink.isEmpty());
        const QRectF box = font.measure(u"1234", layout, c.align);
        const double pad = font.padding();
        // Digits sit on their advance: the ink starts a little after the
        // padding and ends a little before the far padding.
        EXPECT_GE(ink.left(), box.left() + pad - 1) << int(c.align);
        EXPECT_LE(ink.left(), box.left() + pad + 6) << int(c.align);
        EXPECT_LE(ink.right(), box.right() - pad + 1) << int(c.align);
        EXPECT_GE(ink.right(), box.right() - pad - 8) << int(c.align);
        EXPECT_GE(ink.top(), box.top());
        EXPECT_LE(ink.bottom(), box.bottom());
    }
}

TEST(TextFont, TextBeyondTheLayoutIsClipped)
{
    const TextFont font("DejaVu Sans", 40.0, false, false);
    QImage img = Canvas();
    const QRectF layout(50, 20, 60, font.lineSpacing());
    {
        QPainter p(&img);
        font.draw(p, u"88888888", layout, TextAlign::Near, Qt::white);
    }
    const QRect ink = InkBounds(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.right(), 110);
}

TEST(TextFont, MissingFaceDrawsInTheSansSerifFallback)
{
    const TextFont missing("No Such Face Zorvan", 40.0, false, false);
    const TextFont generic("sans-serif", 40.0, false, false);
    ASSERT_TRUE(missing.isValid());
    EXPECT_FALSE(missing.resolvedFamily().isEmpty());
    EXPECT_EQ(missing.resolvedFamily(), generic.resolvedFamily());
    EXPECT_NEAR(missing.advance(u"Menu 4.99"), generic.advance(u"Menu 4.99"), 1e-9);

    QImage a = Canvas(), b = Canvas();
    const QRectF layout(10, 10, 500, 60);
    {
        QPainter p(&a);
        missing.draw(p, u"Menu 4.99", layout, TextAlign::Near, Qt::white);
    }
    {
        QPainter p(&b);
        generic.draw(p, u"Menu 4.99", layout, TextAlign::Near, Qt::white);
    }
    EXPECT_FALSE(InkBounds(a).isEmpty());
    EXPECT_EQ(a, b);
}

TEST(TextFont, BoldAndItalicAreKept)
{
    const TextFont regular("Liberation Sans", 40.0, false, false);
    const TextFont bold("Liberation Sans", 40.0, true, false);
    const TextFont italic("Liberation Sans", 40.0, false, true);
    EXPECT_TRUE(bold.bold());
    EXPECT_FALSE(bold.italic());
    EXPECT_TRUE(italic.italic());
    EXPECT_GT(bold.advance(u"Burger"), regular.advance(u"Burger"));
}
