#include "textstep_fixture.h"

#include "render/fontcollector.h"
#include "render/textblocklayout.h"

#include <QDir>
#include <QFile>

using namespace zorvan;
using namespace zorvan::test;

namespace {

class RecordingCollector : public FontCollector {
public:
    QStringList faces;
    QString CollectFontFile(const QString &face, const QString &) override
    {
        faces.append(face);
        return face == QLatin1String("No Such Face") ? QString() : face.toLower().remove(u' ') + ".ttf";
    }
};

} // namespace

class StripTextTest : public TextStepTest {
protected:
    TextParams &setMain(const QString &text, int column = 0, int row = 0)
    {
        TextParams &m = strip(column, row).MainItemTextParams;
        m.Text = text;
        m.Font = QStringLiteral("Liberation Sans");
        m.ScaleFactor = 0.4;
        m.Xref = 0.1;
        m.Yref = 0.1;
        m.TextColor = kRed;
        return m;
    }
    TextFont mainFont() const
    {
        const TextParams &m = doc.strip(0, 0).MainItemTextParams;
        return TextFont(m.Font, 0.736 * m.ScaleFactor * kCellH, m.Bold, m.Italics);
    }
};

TEST_F(StripTextTest, BlocksAnchorAtTheirReferencePointByAlignment)
{
    struct Case {
        int alignment;
        bool centred;
    } cases[] = {{AlignLeft, false}, {AlignCenter, false}, {AlignRight, false}, {AlignLeft, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.alignment);
        TextParams &m = setMain("Cheeseburger");
        m.Xref = 0.5;
        m.GroupAlignment = c.alignment;
        m.CenterInStrip = c.centred;
        const QImage img = drawn();
        const QRect ink = InkBounds(img, IsReddish);
        ASSERT_FALSE(ink.isEmpty());
        const TextFont font = mainFont();
        const double pad = font.padding();
        const double ref = 0.5 * kCellW;
        if (c.centred) {
            EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, box().center().x(), 3.0);
        } else if (c.alignment == AlignLeft) {
            EXPECT_NEAR(ink.left(), ref + pad, 3.0);
        } else if (c.alignment == AlignCenter) {
            EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, ref, 3.0);
        } else {
            EXPECT_NEAR(ink.right() + 1, ref - pad, 3.0);
        }
        // The reference point counts cell heights from the strip box's top.
        EXPECT_GE(ink.top(), 0.1 * kCellH);
        EXPECT_LT(ink.top(), 0.1 * kCellH + font.lineSpacing() / 2);
    }
}

TEST_F(StripTextTest, ReferencePointCountsCellsNotBoxSizes)
{
    setMain("Fries");
    const QRect normal = InkBounds(drawn(), IsReddish);
    // A box twice as wide and tall, moved half a cell: the text follows the
    // box's corner but keeps its size and its distance in cells.
    strip().XSizeFactor = 2.0;
    strip().YSizeFactor = 2.0;
    strip().XOffsetFactor = 0.25;
    strip().YOffsetFactor = 0.5;
    const QRect moved = InkBounds(drawn(), IsReddish);
    EXPECT_EQ(moved.size(), normal.size());
    EXPECT_EQ(moved.topLeft(), normal.topLeft() + QPoint(100, 50));
}

TEST_F(StripTextTest, AZeroHeightBoxStillSizesItsTextFromTheGrid)
{
    setMain("Fries");
    const QRect normal = InkBounds(drawn(), IsReddish);
    strip().YSizeFactor = 0.0;
    const QRect flat = InkBounds(drawn(), IsReddish);
    EXPECT_EQ(flat, normal);
}

TEST_F(StripTextTest, ShadowIsOffsetAndAbsentForTheNoneColour)
{
    TextParams &m = setMain("Fish");
    m.ScaleFactor = 1.0;
    m.DropShadowColor = kBlue;
    const QImage withShadow = drawn();
    const QRect red = InkBounds(withShadow, IsReddish);
    const QRect blue = InkBounds(withShadow, IsBluish);
    ASSERT_FALSE(blue.isEmpty());
    // 0.736 x 100 pixels at 96 dpi is 55.2 points: a 5.52 pixel offset.
    EXPECT_NEAR(blue.right() - red.right(), 5.5, 1.5);
    EXPECT_NEAR(blue.bottom() - red.bottom(), 5.5, 1.5);

    m.DropShadowColor = kNoColour;
    const QImage without = drawn();
    EXPECT_TRUE(InkBounds(without, [](QRgb p) { return qBlue(p) > 20; }).isEmpty());
    const QRect alone = InkBounds(without, IsReddish);
    EXPECT_NEAR(alone.left(), red.left(), 1);
    EXPECT_NEAR(alone.right(), red.right(), 1);

    // Small text still gets a whole pixel of shadow.
    TextParams small;
    small.ScaleFactor = 0.5;
    EXPECT_DOUBLE_EQ(ComputeBlockSizes(small, 100.0, 300).shadowOffset, 1.0);
    EXPECT_NEAR(ComputeBlockSizes(small, 100.0, 96).shadowOffset, 2.76, 1e-9);
}

TEST_F(StripTextTest, LinePitchFollowsTheLineSpacingFactor)
{
    TextParams &m = setMain("A\r\nA");
    const QRect single = InkBounds(drawn(), IsReddish);
    m.LineSpacingFactor = 2.0;
    const QRect doubled = InkBounds(drawn(), IsReddish);
    const double pitch = 0.736 * 0.4 * kCellH * 1.14;
    EXPECT_NEAR(doubled.height() - single.height(), pitch, 1.5);
}

TEST_F(StripTextTest, PlaceholderShowsOnTheScreenOnly)
{
    setMain("[]");
    EXPECT_FALSE(InkBounds(drawn(), IsReddish).isEmpty());
    const QRectF onScreen = state.textScreenRects.at(0, 0)[MainItem];
    EXPECT_GT(onScreen.width(), 0.0);
    state.ForgetAllStripRects();
    state.outputRender = true;
    EXPECT_TRUE(InkBounds(drawn(), IsLit).isEmpty());
    EXPECT_TRUE(state.textScreenRects.at(0, 0)[MainItem].isNull());
    // Only a block that is exactly the placeholder is left out.
    setMain("[] Combo");
    EXPECT_FALSE(InkBounds(drawn(), IsReddish).isEmpty());
}

TEST_F(StripTextTest, EmptyFirstLineStillGivesARectangle)
{
    setMain("Soup");
    draw();
    const QRectF one = state.textScreenRects.at(0, 0)[MainItem];
    state.ForgetAllStripRects();
    setMain("\r\nSoup");
    draw();
    const QRectF two = state.textScreenRects.at(0, 0)[MainItem];
    ASSERT_GT(two.width(), 0.0);
    EXPECT_NEAR(two.top() - one.top(), 0.736 * 0.4 * kCellH * 1.14, 1e-6);
    EXPECT_DOUBLE_EQ(two.height(), one.height());

    // Several lines unite into one rectangle.
    setMain("Soup\r\nof the day");
    draw();
    const QRectF united = state.textScreenRects.at(0, 0)[MainItem];
    EXPECT_DOUBLE_EQ(united.top(), one.top());
    EXPECT_GT(united.bottom(), two.bottom() - 1e-6);
    EXPECT_GT(united.width(), one.width());
}

TEST_F(StripTextTest, SkippedBlocksKeepTheirRectangles)
{
    setMain("Soup");
    draw();
    const QRectF before = state.textScreenRects.at(0, 0)[MainItem];
    setMain("");
    draw();
    EXPECT_EQ(state.textScreenRects.at(0, 0)[MainItem], before);
}

TEST_F(StripTextTest, ScreenRectanglesFollowTheBoardRectAndRatio)
{
    setMain("Salad");
    setPrices("4.99^5.99");
    draw();
    const QRectF main1 = state.textScreenRects.at(0, 0)[MainItem];
    const QRectF price1 = state.textScreenRects.at(0, 0)[Prices];
    setBoard(0.5, 10, 20);
    draw();
    for (auto [a, b] : {std::pair{main1, state.textScreenRects.at(0, 0)[MainItem]},
                        std::pair{price1, state.textScreenRects.at(0, 0)[Prices]}}) {
        EXPECT_NEAR(b.x(), a.x() * 0.5 + 10, 1e-6);
        EXPECT_NEAR(b.y(), a.y() * 0.5 + 20, 1e-6);
        EXPECT_NEAR(b.width(), a.width() * 0.5, 1e-6);
        EXPECT_NEAR(b.height(), a.height() * 0.5, 1e-6);
    }
    // Drawn in below the descenders and inside the padding.
    const TextFont font = mainFont();
    EXPECT_LT(main1.height(), font.lineSpacing() * 0.85);
    EXPECT_LT(main1.width(), font.measure(u"Salad").width() + static_cast<int>(1.2 * font.measure(u"00000000000000000000").width() / 20));
}

TEST_F(StripTextTest, WhitePrintDrawsBlackWithWhiteShadowAndGreyCalories)
{
    const QColor grey(128, 128, 128);
    auto isBlack = [](QRgb p) { return qRed(p) < 30 && qGreen(p) < 30 && qBlue(p) < 30; };
    auto isWhite = [](QRgb p) { return qRed(p) > 225 && qGreen(p) > 225 && qBlue(p) > 225; };
    auto isCalories = [](QRgb p) { return qRed(p) == 0x40 && qGreen(p) == 0x40 && qBlue(p) == 0x40; };
    state.whitePrint = true;
    setMain("Pasta");
    strip().CaloriesTextColor = kGreen;
    strip().CaloriesSpacingFactor = 9.0;
    setPrices("~4.99>250");
    image.fill(grey);
    draw();
    EXPECT_FALSE(InkBounds(image, isBlack).isEmpty());
    EXPECT_FALSE(InkBounds(image, isWhite).isEmpty());
    EXPECT_FALSE(InkBounds(image, isCalories).isEmpty());
    EXPECT_TRUE(InkBounds(image, IsReddish).isEmpty());
    EXPECT_TRUE(InkBounds(image, IsGreenish).isEmpty());
    // The "~" box of a regular part is black whatever the current colour.
    state.currentTextColour = kBlue;
    image.fill(grey);
    draw();
    EXPECT_TRUE(InkBounds(image, IsBluish).isEmpty());

    // A strip showing its picture keeps its own colours; one hidden on white does not.
    strip().SubImageFileName = "/nowhere/picture.jpg";
    image.fill(grey);
    draw();
    EXPECT_FALSE(InkBounds(image, IsReddish).isEmpty());
    strip().ImageHiddenOnWhite = true;
    image.fill(grey);
    draw();
    EXPECT_TRUE(InkBounds(image, IsReddish).isEmpty());
}

TEST_F(StripTextTest, MissingFaceDrawsWithoutError)
{
    TextParams &m = setMain("Tacos");
    m.Font = "No Such Face";
    EXPECT_FALSE(InkBounds(drawn(), IsReddish).isEmpty());
    EXPECT_GT(state.textScreenRects.at(0, 0)[MainItem].width(), 0.0);
}

TEST_F(StripTextTest, LineHeightFlagClearsWhenTheHeightRepeats)
{
    setMain("Wings");
    state.text.lineHeightChanged = true;
    state.text.lastMeasuredLineHeight = 0;
    draw();
    const int height = static_cast<int>(mainFont().lineSpacing());
    EXPECT_EQ(state.text.lastMeasuredLineHeight, height);
    EXPECT_TRUE(state.text.lineHeightChanged);
    draw();
    EXPECT_FALSE(state.text.lineHeightChanged);
}

TEST_F(StripTextTest, FontsAreCollectedOncePerFaceDuringOutput)
{
    RecordingCollector collector;
    state.fontCollector = &collector;
    setMain("Burger");
    setPrices("4.99");
    prices().Font = "Liberation Sans";
    strip().SubItemsTextParams.Text = "with fries";
    strip().SubItemsTextParams.Font = "DejaVu Sans";
    setMain("Hot dog", 1, 0);
    strip(1, 0).MainItemTextParams.Font = "No Such Face";

    draw();
    EXPECT_TRUE(collector.faces.isEmpty());
    EXPECT_TRUE(state.usedFontList.isEmpty());

    state.outputRender = true;
    draw();
    draw(1, 0);
    EXPECT_EQ(collector.faces, QStringList({"Liberation Sans", "DejaVu Sans", "No Such Face"}));
    EXPECT_EQ(state.usedFontList, "Liberation Sans,liberationsans.ttf;DejaVu Sans,dejavusans.ttf;");

    // A face whose name ends another face's is still collected.
    collector.faces.clear();
    state.usedFontList = "Open Sans,opensans.ttf;";
    state.outputRender = false;
    state.fontCollection = true;
    strip().MainItemTextParams.Font = "Sans";
    draw();
    EXPECT_TRUE(collector.faces.contains("Sans"));
    EXPECT_TRUE(state.usedFontList.contains(";Sans,sans.ttf;"));

    // Without a collector nothing is collected.
    state.fontCollector = nullptr;
    state.usedFontList.clear();
    draw();
    EXPECT_TRUE(state.usedFontList.isEmpty());
}

TEST(FontCollector, BaseCollectsNothing)
{
    FontCollector none;
    EXPECT_TRUE(none.CollectFontFile("DejaVu Sans", QDir::tempPath()).isEmpty());
}
