#include "render/boardgeometry.h"
#include "render/pictureframe.h"

#include "renderfixture.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::BoardFixture;
using test::RgbAt;

constexpr QRgb kGrey = 0x646464; // the fixture's background

TEST(StripBox, FillsOnlyStripsWithoutPictures)
{
    BoardFixture f;
    f.doc.strip(0, 0).BackGroundColor = MakeColour(255, 0, 0);
    // Blue in the document's byte order lands blue on the board.
    f.doc.strip(1, 0).BackGroundColor = MakeColour(0, 0, 255);
    StripData &withPicture = f.doc.strip(0, 1);
    withPicture.BackGroundColor = MakeColour(0, 255, 0);
    withPicture.SubImageFileName = f.picture(QStringLiteral("pic.png"), Qt::white);
    const QImage board = f.refresh().board;
    ASSERT_FALSE(board.isNull());
    EXPECT_EQ(RgbAt(board, 50, 25), 0xFF0000u);
    EXPECT_EQ(RgbAt(board, 150, 25), 0x0000FFu);
    // The box is one pixel larger than the cell on every side; the later
    // strip lies over the earlier one.
    EXPECT_EQ(RgbAt(board, 99, 25), 0x0000FFu);
    EXPECT_EQ(RgbAt(board, 150, 50), 0x0000FFu);
    EXPECT_EQ(RgbAt(board, 150, 51), kGrey);
    // The picture strip shows its picture, and no fill where the picture does not reach.
    EXPECT_EQ(RgbAt(board, 50, 75), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(board, 100, 75), kGrey);
    EXPECT_EQ(RgbAt(board, 150, 75), kGrey); // strip not in use
}

TEST(StripBox, RecordsTheEnlargedBoxInScreenSpace)
{
    BoardFixture f;
    f.doc.strip(1, 1).BackGroundColor = kWhite;
    f.refresh();
    // Graphics box (100, 50, 100, 50), one pixel more each side, board at (10, 20).
    EXPECT_EQ(f.state->stripScreenRects.at(1, 1), QRectF(109, 69, 102, 52));
    // Strips not in use draw nothing and record nothing.
    EXPECT_EQ(f.state->stripScreenRects.at(0, 0), QRectF());
}

TEST(StripBox, ScaledBoardCoversTheLastScreenRow)
{
    BoardFixture f(400, 200);
    f.area = {0, 0, 200, 100}; // half size
    f.doc.strip(0, 0).BackGroundColor = kWhite;
    f.refresh();
    const QRectF rect = f.state->stripScreenRects.at(0, 0);
    // (-1, -1, 202, 102 + 1 / 0.5 - 1) in graphics space, halved.
    EXPECT_DOUBLE_EQ(rect.x(), -0.5);
    EXPECT_DOUBLE_EQ(rect.width(), 101);
    EXPECT_DOUBLE_EQ(rect.height(), 51.5);
}

struct FrameCase {
    int index;
    QColor colour;
    double widthFactor; // of the base width
};

TEST(PictureFrame, TenStylesByIndex)
{
    auto state = std::make_unique<RenderState>();
    state->imageWidth = 1920;
    state->imageHeight = 1080;
    const double base = 3000 * 0.0016;
    const QColor black(0, 0, 0), white(255, 255, 255), grey(128, 128, 128);
    const FrameCase cases[] = {
        {1, black, 1.0}, {2, black, 1.5}, {3, black, 2.25}, {4, white, 1.0}, {5, white, 1.5},
        {6, white, 2.25}, {7, grey, 1.0}, {8, grey, 1.5}, {9, grey, 2.25}, {10, black, 0.0}, {42, black, 0.0},
    };
    StripData strip;
    for (const FrameCase &c : cases) {
        strip.SubImageFrameIndex = c.index;
        const FrameStyle style = PictureFrameStyle(strip, *state);
        EXPECT_TRUE(style.visible) << c.index;
        EXPECT_EQ(style.colour, c.colour) << c.index;
        EXPECT_NEAR(style.width, base * c.widthFactor, 1e-9) << c.index;
    }
    strip.SubImageFrameIndex = 9;
    EXPECT_NEAR(PictureFrameStyle(strip, *state).width, 10.8, 1e-9);
    for (int none : {0, -3}) {
        strip.SubImageFrameIndex = none;
        EXPECT_FALSE(PictureFrameStyle(strip, *state).visible);
    }
}

TEST(PictureFrame, HiddenOnWhiteAndWhitePrintOverride)
{
    auto state = std::make_unique<RenderState>();
    state->imageWidth = 1920;
    state->imageHeight = 1080;
    StripData strip;
    strip.SubImageFrameIndex = 6;
    strip.ImageHiddenOnWhite = true;
    FrameStyle style = PictureFrameStyle(strip, *state);
    EXPECT_EQ(style.colour, QColor(128, 128, 128));
    EXPECT_NEAR(style.width, 2.4, 1e-9);
    state->whitePrint = true;
    EXPECT_FALSE(PictureFrameStyle(strip, *state).visible);
    strip.ImageHiddenOnWhite = false;
    style = PictureFrameStyle(strip, *state);
    EXPECT_EQ(style.colour, QColor(0, 0, 0));
    EXPECT_NEAR(style.width, 3.0, 1e-9);
    strip.SubImageFrameIndex = 0;
    EXPECT_FALSE(PictureFrameStyle(strip, *state).visible);
}

TEST(PictureFrame, DrawnCentredOnTheBoxEdge)
{
    // 1000 x 500: base width 2.4, "White Wide" 5.4 pixels.
    BoardFixture f(1000, 500);
    f.doc.strip(0, 0).SubImageFrameIndex = 6;
    const QImage board = f.refresh().board;
    // The enlarged box of strip (0, 0) ends at x = 501.
    EXPECT_EQ(RgbAt(board, 501, 100), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(board, 499, 100), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(board, 495, 100), kGrey);
    EXPECT_EQ(RgbAt(board, 507, 100), kGrey);
    EXPECT_EQ(RgbAt(board, 250, 125), kGrey); // nothing inside
}

} // namespace
} // namespace zorvan
