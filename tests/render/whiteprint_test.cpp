#include "renderfixture.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::BoardFixture;
using test::RgbAt;

TEST(WhitePrint, WhiteBoardWithoutFillsAndWithBlackThinFrames)
{
    // 1000 x 500: white print frames are (1000 + 500) x 0.001 = 1.5 pixels.
    BoardFixture f(1000, 500);
    f.state->whitePrint = true;
    StripData &plain = f.doc.strip(0, 0);
    plain.BackGroundColor = MakeColour(255, 0, 0);
    plain.SubImageFrameIndex = 6; // white wide, turned black and thin
    const QImage board = f.refresh().board;
    EXPECT_EQ(RgbAt(board, 250, 125), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(board, 800, 400), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(board, 501, 125), 0x000000u);
    EXPECT_EQ(RgbAt(board, 499, 125), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(board, 503, 125), 0xFFFFFFu);
}

TEST(WhitePrint, PicturesHiddenOnWhiteVanishWithTheirFrames)
{
    for (const bool whitePrint : {false, true}) {
        BoardFixture f(1000, 500);
        f.state->whitePrint = whitePrint;
        StripData &hidden = f.doc.strip(0, 0);
        hidden.SubImageFileName = f.picture(QStringLiteral("hidden.png"), Qt::blue);
        hidden.ImageHiddenOnWhite = true;
        hidden.SubImageFrameIndex = 3;
        StripData &shown = f.doc.strip(1, 0);
        shown.SubImageFileName = f.picture(QStringLiteral("shown.png"), Qt::green);
        const QImage board = f.refresh().board;
        const QRgb background = whitePrint ? 0xFFFFFF : 0x646464;
        EXPECT_EQ(RgbAt(board, 250, 125), whitePrint ? background : 0x0000FFu) << whitePrint;
        EXPECT_EQ(RgbAt(board, 750, 125), 0x00FF00u) << whitePrint;
        // Hidden-on-white frames are thin grey (1.2 pixels) on screen and absent in white print.
        EXPECT_EQ(RgbAt(board, 250, 0), whitePrint ? background : 0x808080u) << whitePrint;
        EXPECT_EQ(RgbAt(board, 250, 3), whitePrint ? background : 0x0000FFu) << whitePrint;
    }
}

} // namespace
} // namespace zorvan
