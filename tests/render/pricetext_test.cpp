#include "textstep_fixture.h"

#include "render/textblocklayout.h"

using namespace zorvan;
using namespace zorvan::test;

namespace {

// Right edge of the text as drawn right-aligned at x: the widened part box
// ends 1.6 space widths right of x and the text one padding inside it.
double TextEndAt(double x, const TextFont &font, double spaceWidth)
{
    return x + 1.6 * spaceWidth - font.padding();
}

// Ink ends where the advance of the last letter ends, less its right bearing.
void ExpectInkEndsAt(int inkRight, double end)
{
    EXPECT_LE(inkRight + 1, end + 1.0);
    EXPECT_GE(inkRight + 1, end - 4.5);
}

} // namespace

using PriceTextTest = TextStepTest;

TEST_F(PriceTextTest, RightAlignedPriceEndsAtTheAnchorPlusTheWidening)
{
    setPrices("12.99");
    draw();
    const TextFont font = pricesFont();
    const QRect ink = InkBounds(image, IsReddish);
    ASSERT_FALSE(ink.isEmpty());
    const double end = TextEndAt(anchorX(), font, spaceWidth(font));
    ExpectInkEndsAt(ink.right(), end);
    EXPECT_GT(ink.left(), end - font.measure(u"12.99").width());
    // The recorded rectangle covers the ink, in screen space (1:1 here).
    const QRectF rect = state.textScreenRects.at(0, 0)[Prices];
    EXPECT_GT(rect.width(), 0.0);
    EXPECT_LE(rect.left(), ink.left() + 1);
    EXPECT_GE(rect.right(), ink.right() - 1);
    EXPECT_EQ(state.priceTabSpacing.at(0, 0), static_cast<int>(8.0 * digitWidth(font)));
}

TEST_F(PriceTextTest, TabColumnsStandOneTabSpacingApart)
{
    struct Case {
        QString text;
        QString leftColumn;
        double tabSpanInTabs;
    } cases[] = {
        {"Small^Large", "Small", 1.0},
        // Two "^" count twice when measured but move the anchor once.
        {"A^^B", "A", 2.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        setPrices(c.text);
        strip().PriceTabSpacingFactor = 10.0;
        image.fill(Qt::black);
        draw();
        const TextFont font = pricesFont();
        const double tab = 10.0 * digitWidth(font);
        const double x = anchorX();
        // Split the ink at the middle between the two column ends.
        const int split = static_cast<int>(x - tab / 2);
        const QRect right = InkBounds(image, QRect(split, 0, 400, 400), IsReddish);
        const QRect left = InkBounds(image, QRect(0, 0, split, 400), IsReddish);
        ASSERT_FALSE(right.isEmpty());
        ASSERT_FALSE(left.isEmpty());
        const double sw = spaceWidth(font);
        ExpectInkEndsAt(right.right(), TextEndAt(x, font, sw));
        ExpectInkEndsAt(left.right(), TextEndAt(x - tab, font, sw));
        EXPECT_TRUE(state.text.tabsUsed);
        EXPECT_NEAR(state.text.tabSpan, c.tabSpanInTabs * tab, 1e-9);
        EXPECT_NEAR(state.text.leftOverflow, font.measure(c.leftColumn).width(), 1e-9);
        EXPECT_DOUBLE_EQ(state.text.rightOverflow, 0.0);
    }
}

TEST_F(PriceTextTest, OverflowsFollowTheAlignment)
{
    struct Case {
        int alignment;
        double left;  // in measured widths of "Small"
        double right; // in measured widths of "Large"
    } cases[] = {
        {AlignLeft, 0.0, 1.0},
        {AlignCenter, 0.5, 0.5},
        {AlignRight, 1.0, 0.0},
    };
    for (const Case &c : cases) {
        setPrices("Small^Large\r\n1^2", c.alignment);
        draw();
        const TextFont font = pricesFont();
        EXPECT_NEAR(state.text.leftOverflow, c.left * font.measure(u"Small").width(), 1e-9) << c.alignment;
        EXPECT_NEAR(state.text.rightOverflow, c.right * font.measure(u"Large").width(), 1e-9) << c.alignment;
    }
    // A calories mark cuts the measured column and adds the calories spacing.
    setPrices("Small^4.99>250", AlignLeft);
    draw();
    const TextFont font = pricesFont();
    EXPECT_NEAR(state.text.rightOverflow, font.measure(u"4.99").width() + 3.8 * digitWidth(font), 1e-9);
    // Without tabs the line is measured up to its mark, plus the spacing.
    setPrices("4.99>250", AlignRight);
    draw();
    EXPECT_FALSE(state.text.tabsUsed);
    EXPECT_NEAR(state.text.tabSpan, font.measure(u"4.99").width() + 3.8 * digitWidth(font), 1e-9);
}

TEST_F(PriceTextTest, CaloriesPartsTakeTheCaloriesColour)
{
    strip().CaloriesTextColor = kGreen;
    // Room enough between the parts that their ink does not overlap.
    strip().CaloriesSpacingFactor = 9.0;
    strip().PriceTabSpacingFactor = 14.0;

    setPrices("4.99>250 Cal");
    const TextFont font = pricesFont();
    draw();
    QRect red = InkBounds(image, IsReddish);
    QRect green = InkBounds(image, IsGreenish);
    ASSERT_FALSE(red.isEmpty());
    ASSERT_FALSE(green.isEmpty());
    const double sw = spaceWidth(pricesFont());
    const double cs = 9.0 * digitWidth(pricesFont());
    ExpectInkEndsAt(green.right(), TextEndAt(anchorX(), font, sw));
    ExpectInkEndsAt(red.right(), TextEndAt(anchorX() - cs, font, sw));
    EXPECT_LT(red.right(), green.left());

    // "<" is dropped where ">" rules: the same picture as without it.
    const QImage withGt = drawn();
    setPrices("<4.99>250 Cal");
    EXPECT_EQ(drawn(), withGt);

    // "<" makes the part before it the calories part.
    setPrices("Cal<4.99");
    image.fill(Qt::black);
    draw();
    red = InkBounds(image, IsReddish);
    green = InkBounds(image, IsGreenish);
    ASSERT_FALSE(red.isEmpty());
    ASSERT_FALSE(green.isEmpty());
    EXPECT_LT(green.right(), red.left());
    ExpectInkEndsAt(red.right(), TextEndAt(anchorX(), font, sw));
}

TEST_F(PriceTextTest, AtMostTwoPriceLinesAreDrawn)
{
    setPrices("1.99\r\n2.99\r\n3.99");
    const QImage three = drawn();
    const QRectF threeRect = state.textScreenRects.at(0, 0)[Prices];
    setPrices("1.99\r\n2.99");
    const QImage two = drawn();
    EXPECT_EQ(three, two);
    EXPECT_EQ(state.textScreenRects.at(0, 0)[Prices], threeRect);
    setPrices("1.99");
    EXPECT_NE(drawn(), two);
}

TEST_F(PriceTextTest, OutlineMarkBoxesThePartAndIsNeverDrawn)
{
    state.currentTextColour = kBlue;
    setPrices("~12.99");
    const QImage marked = drawn();
    const QRect blue = InkBounds(marked, IsBluish);
    const QRect red = InkBounds(marked, IsReddish);
    ASSERT_FALSE(blue.isEmpty());
    // The box goes round the text.
    EXPECT_LT(blue.left(), red.left());
    EXPECT_GT(blue.right(), red.right());
    EXPECT_LT(blue.top(), red.top());
    // Inside the box (above its bottom edge, which runs along the baseline),
    // the very same picture as without the mark: no "~" is drawn.
    setPrices("12.99");
    const QImage plain = drawn();
    const QRect inside(QPoint(blue.left() + 5, blue.top() + 5), QPoint(blue.right() - 5, red.bottom() - 5));
    EXPECT_EQ(marked.copy(inside), plain.copy(inside));

    // A boxed calories part is boxed in the calories colour.
    strip().CaloriesTextColor = kGreen;
    strip().CaloriesSpacingFactor = 9.0;
    setPrices("4.99>~250");
    const QImage cal = drawn();
    EXPECT_TRUE(InkBounds(cal, IsBluish).isEmpty());
    const QRect green = InkBounds(cal, IsGreenish);
    EXPECT_LT(green.top(), InkBounds(cal, IsReddish).top());
}

TEST_F(PriceTextTest, PriceProbeAnswersWhichPartWasHit)
{
    strip().CaloriesTextColor = kGreen;
    strip().CaloriesSpacingFactor = 9.0;
    setPrices("Cal<4.99");
    draw();
    const QRect red = InkBounds(image, IsReddish);
    const QRect green = InkBounds(image, IsGreenish);

    state.text.priceProbePoint = red.center();
    draw();
    EXPECT_TRUE(state.text.rightPartHit);
    EXPECT_FALSE(state.text.leftPartHit);
    EXPECT_EQ(state.text.priceProbePoint, QPoint(0, 0));

    state.text.rightPartHit = false;
    state.text.priceProbePoint = green.center();
    draw();
    EXPECT_TRUE(state.text.leftPartHit);
    EXPECT_FALSE(state.text.rightPartHit);

    state.text.leftPartHit = false;
    state.text.priceProbePoint = QPoint(5, 390);
    draw();
    EXPECT_FALSE(state.text.leftPartHit || state.text.rightPartHit);
    EXPECT_EQ(state.text.priceProbePoint, QPoint(5, 390));
}

TEST_F(PriceTextTest, DigitWidthProbeIsAnsweredOnlyWhenAsked)
{
    setPrices("12.99");
    state.text.digitWidthAnswer = -1.0;
    draw();
    EXPECT_DOUBLE_EQ(state.text.digitWidthAnswer, -1.0);
    state.text.digitWidthProbe = 0;
    draw();
    const TextFont font = pricesFont();
    EXPECT_NEAR(state.text.digitWidthAnswer, font.measure(u"0000000000").width() / 10.0, 1e-9);
}

TEST_F(PriceTextTest, ABareTabLineLeavesNoRectangle)
{
    setPrices("^");
    draw();
    EXPECT_TRUE(state.textScreenRects.at(0, 0)[Prices].isNull());
    EXPECT_TRUE(InkBounds(image, IsLit).isEmpty());
}

TEST_F(PriceTextTest, CentredPricesAnchorFromTheStripMiddle)
{
    TextParams &p = setPrices("12.99", AlignRight);
    p.CenterInStrip = true;
    draw();
    const TextFont font = pricesFont();
    const double block = static_cast<int>(font.measure(u"12.99").width());
    const double x = box().center().x() + block / 2 - digitWidth(font);
    const QRect ink = InkBounds(image, IsReddish);
    ExpectInkEndsAt(ink.right(), TextEndAt(x, font, spaceWidth(font)));
}

TEST_F(PriceTextTest, CentredPricesSitMidStripWhateverTheirAlignment)
{
    for (int alignment : {AlignLeft, AlignCenter, AlignRight}) {
        TextParams &p = setPrices("12.99", alignment);
        p.CenterInStrip = true;
        p.Xref = 0.1; // not used when centred
        const QRect ink = InkBounds(drawn(), IsReddish);
        ASSERT_FALSE(ink.isEmpty());
        const double em = pricesFont().emPixels();
        EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, box().center().x(), 0.35 * em) << alignment;
    }
}

TEST_F(PriceTextTest, CentreAlignedColumnsCentreOnTheirAnchors)
{
    setPrices("Small^Large", AlignCenter);
    strip().PriceTabSpacingFactor = 10.0;
    draw();
    const TextFont font = pricesFont();
    const double tab = 10.0 * digitWidth(font);
    const double x = anchorX();
    const int split = static_cast<int>(x - tab / 2);
    const QRect right = InkBounds(image, QRect(split, 0, 400, 400), IsReddish);
    const QRect left = InkBounds(image, QRect(0, 0, split, 400), IsReddish);
    // The widened box is 1.6 space widths wider on the right than on the left.
    const double shift = -0.2 * spaceWidth(font);
    EXPECT_NEAR((right.left() + right.right() + 1) / 2.0, x + shift, 3.0);
    EXPECT_NEAR((left.left() + left.right() + 1) / 2.0, x - tab + shift, 3.0);
}
