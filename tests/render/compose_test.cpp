#include "render/boardcomposer.h"

#include "renderfixture.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::BoardFixture;
using test::RgbAt;

TEST(Compose, LogoNamesAreCaseSensitive)
{
    const struct {
        const char *path;
        bool logo;
    } cases[] = {
        {"/work/Company_logo.png", true},
        {"/work/Logo.jpg", true},
        {"/work/wine_symbol.gif", true},
        {"C:\\Pictures\\Burger_logo.jpg", true},
        {"/work/LOGO.png", false},
        {"/work/Symbol.png", false},
        {"/logo/Burger.png", false},
        {"C:\\logos\\Burger.jpg", false},
        {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsLogoPicture(QString::fromLatin1(c.path)), c.logo) << c.path;
}

class ComposeOrderTest : public ::testing::TestWithParam<std::pair<const char *, bool>> {};

// A blue picture strip reaches into the next column, where a red strip
// without picture lies. Plain strips are drawn over pictures; logos and
// symbols over everything.
TEST_P(ComposeOrderTest, PicturesThenPlainStripsThenLogos)
{
    const auto [name, onTop] = GetParam();
    BoardFixture f;
    StripData &picture = f.doc.strip(0, 0);
    picture.SubImageFileName = f.picture(QString::fromLatin1(name), Qt::blue);
    picture.XSizeFactor = 1.5;
    f.doc.strip(1, 0).BackGroundColor = MakeColour(255, 0, 0);
    const QImage board = f.refresh().board;
    EXPECT_EQ(RgbAt(board, 125, 25), onTop ? 0x0000FFu : 0xFF0000u) << name;
    EXPECT_EQ(RgbAt(board, 50, 25), 0x0000FFu);
    EXPECT_EQ(RgbAt(board, 175, 25), 0xFF0000u);
}

INSTANTIATE_TEST_SUITE_P(Names, ComposeOrderTest,
                         ::testing::Values(std::pair{"Burger.png", false}, std::pair{"Company_logo.png", true},
                                           std::pair{"Logo.png", true}, std::pair{"symbol.png", true},
                                           std::pair{"LOGO.png", false}));

TEST(Compose, LaterPictureStripsLieOverEarlierOnes)
{
    BoardFixture f;
    StripData &first = f.doc.strip(0, 0);
    first.SubImageFileName = f.picture(QStringLiteral("first.png"), Qt::blue);
    first.YSizeFactor = 1.5;
    f.doc.strip(0, 1).SubImageFileName = f.picture(QStringLiteral("second.png"), Qt::green);
    const QImage board = f.refresh().board;
    EXPECT_EQ(RgbAt(board, 50, 60), 0x00FF00u);
}

TEST(Compose, OnlyTheGridInUseIsDrawnAndTheFontListIsEmptied)
{
    BoardFixture f;
    f.doc.strip(2, 0).BackGroundColor = MakeColour(255, 0, 0); // beyond the last column
    f.doc.strip(0, 2).BackGroundColor = MakeColour(255, 0, 0); // beyond the last row
    f.state->usedFontList = QStringLiteral("Arial,arial.ttf;");
    const QImage board = f.refresh().board;
    for (int y = 0; y < board.height(); y += 7)
        for (int x = 0; x < board.width(); x += 7)
            ASSERT_EQ(RgbAt(board, x, y), 0x646464u) << x << "," << y;
    EXPECT_TRUE(f.state->usedFontList.isEmpty());
}

TEST(Compose, GreyBackgroundsStillGetTheirStrips)
{
    BoardFixture f;
    QImage grey(200, 100, QImage::Format_Grayscale8);
    grey.fill(qRgb(80, 80, 80));
    f.doc.BackgroundPath = test::WriteImage(f.file(QStringLiteral("grey.png")), grey, "png");
    f.doc.strip(0, 0).BackGroundColor = MakeColour(255, 0, 0);
    const PreviewRefresh r = f.refresh();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(RgbAt(r.board, 50, 25), 0xFF0000u);
    EXPECT_EQ(RgbAt(r.board, 150, 75), 0x505050u);
}

} // namespace
} // namespace zorvan
