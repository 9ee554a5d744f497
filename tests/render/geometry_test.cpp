#include "render/boardgeometry.h"

#include "renderfixture.h"

#include <gtest/gtest.h>

namespace zorvan {

void PrintTo(const BoardRect &r, std::ostream *os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

struct FitCase {
    const char *name;
    BoardRect area;
    int imageWidth;
    int imageHeight;
    BoardRect expected;
};

TEST(BoardGeometry, FitsTheBoardIntoTheAvailableArea)
{
    const BoardRect area{0, 0, 1600, 900};
    const BoardRect shifted{10, 20, 1610, 920};
    const FitCase cases[] = {
        {"smaller both ways: 1:1 at the top-left", area, 800, 600, {0, 0, 800, 600}},
        {"1:1 keeps the area's offset", shifted, 800, 600, {10, 20, 810, 620}},
        {"as wide as the area: scaled, centred vertically", area, 1600, 600, {0, 150, 1600, 750}},
        {"as tall as the area: scaled, left-aligned", area, 1000, 900, {0, 0, 1000, 900}},
        {"tall image sits at the left edge", area, 1080, 1920, {0, 0, 506, 900}},
        {"tall image keeps the area's left", shifted, 1080, 1920, {10, 20, 516, 920}},
        {"same shape fills the area", area, 3840, 2160, {0, 0, 1600, 900}},
        {"odd leftover pixel goes to the bottom", area, 1600, 601, {0, 149, 1600, 751}},
        {"empty image gives an empty board", area, 0, 0, {0, 0, 0, 0}},
        {"empty area gives an empty board", {5, 5, 5, 400}, 800, 600, {5, 5, 5, 5}},
    };
    for (const FitCase &c : cases)
        EXPECT_EQ(FitBoardRect(c.area, c.imageWidth, c.imageHeight), c.expected) << c.name;
    // The 1:1 case needs both sides strictly smaller.
    EXPECT_EQ(FitBoardRect(area, 1599, 899), (BoardRect{0, 0, 1599, 899}));
}

class GeometryTest : public ::testing::Test {
protected:
    // A 3840 x 2160 board shown in a 1600 x 900 area: 2.4 graphics pixels per screen pixel.
    void SetUp() override
    {
        state->imageWidth = 3840;
        state->imageHeight = 2160;
        state->boardRect = FitBoardRect({0, 0, 1600, 900}, 3840, 2160);
        state->screenRatio = static_cast<double>(state->boardRect.width()) / state->imageWidth;
        doc.NumberOfColumns = 2;
        doc.NumberOfRows = 2;
        ComputeCellGrid(*state, doc);
    }

    MenuData doc;
    std::unique_ptr<RenderState> state = std::make_unique<RenderState>();
};

TEST_F(GeometryTest, CellGridStartsOnePixelInAndZeroesUnusedCells)
{
    EXPECT_EQ(state->cellGrid.at(0, 0), QRectF(1, 1, 800, 450));
    EXPECT_EQ(state->cellGrid.at(1, 1), QRectF(801, 451, 800, 450));
    EXPECT_EQ(state->cellGrid.at(2, 0), QRectF());
    EXPECT_EQ(state->cellGrid.at(0, 2), QRectF());
    EXPECT_EQ(state->cellGrid.at(kMaxColumns, kMaxRows), QRectF());
}

TEST_F(GeometryTest, RightmostCellEndsOnePixelPastTheBoard)
{
    doc.NumberOfColumns = 8;
    doc.NumberOfRows = 200;
    state->boardRect = {3, 0, 1004, 900}; // 1001 / 8 = 125.125 per cell
    ComputeCellGrid(*state, doc);
    const QRectF last = state->cellGrid.at(7, 199);
    EXPECT_FLOAT_EQ(static_cast<float>(last.right()), 3.0f + 1.0f + 8 * 125.125f);
    EXPECT_FLOAT_EQ(static_cast<float>(last.bottom()), 1.0f + 900.0f);
    EXPECT_EQ(state->cellGrid.at(8, 0), QRectF());
}

TEST_F(GeometryTest, StripBoxInBothSpaces)
{
    StripData &s = doc.strip(1, 1);
    s.XOffsetFactor = 0.5;
    s.YOffsetFactor = 0.25;
    s.XSizeFactor = 0.5;
    s.YSizeFactor = 2.0;
    const QRectF screen = StripRectInScreenSpace(*state, doc, 1, 1);
    EXPECT_DOUBLE_EQ(screen.x(), 801 + 400);
    EXPECT_DOUBLE_EQ(screen.y(), 451 + 112.5);
    EXPECT_DOUBLE_EQ(screen.width(), 400);
    EXPECT_DOUBLE_EQ(screen.height(), 900);
    // Graphics space is counted from the board's corner, without the first cell's pixel.
    const QRectF graphics = StripRectInGraphicsSpace(*state, doc, 1, 1);
    EXPECT_NEAR(graphics.x(), 2880, 1e-9);
    EXPECT_NEAR(graphics.y(), 1350, 1e-9);
    EXPECT_NEAR(graphics.width(), 960, 1e-9);
    EXPECT_NEAR(graphics.height(), 2160, 1e-9);
    const QRectF back = GraphicsToScreen(*state, graphics);
    EXPECT_NEAR(back.x(), screen.x() - 1, 1e-9);
    EXPECT_NEAR(back.height(), screen.height(), 1e-9);
}

TEST_F(GeometryTest, ScreenPointsMapFromTheFirstCell)
{
    EXPECT_EQ(ScreenToGraphics(*state, QPointF(801, 451)), QPoint(1920, 1080));
    EXPECT_EQ(ScreenToGraphics(*state, QPointF(1.9, 1.9)), QPoint(2, 2));
}

TEST(BoardRefresh, SmallBackgroundIsShownAtOneToOne)
{
    test::BoardFixture f;
    const PreviewRefresh r = f.refresh(true);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.board.isNull()); // geometry only
    EXPECT_EQ(f.state->boardRect, (BoardRect{10, 20, 210, 120}));
    EXPECT_DOUBLE_EQ(f.state->screenRatio, 1.0);
    EXPECT_EQ(f.state->imageWidth, 200);
    EXPECT_EQ(f.state->imageHeight, 100);
    EXPECT_EQ(f.state->cellGrid.at(1, 1), QRectF(111, 71, 100, 50));
    EXPECT_EQ(f.state->backgroundExtension, QStringLiteral("png"));
}

TEST(BoardRefresh, UnreadableOrMissingBackgroundGivesAnEmptyBoard)
{
    test::BoardFixture f;
    f.doc.strip(0, 0).BackGroundColor = kBlack;
    const QString broken = f.file(QStringLiteral("Broken.jpg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    for (const QString &path : {broken, f.file(QStringLiteral("Missing.jpg"))}) {
        f.doc.BackgroundPath = path;
        const PreviewRefresh r = f.refresh();
        EXPECT_FALSE(r.noBackground);
        EXPECT_TRUE(r.board.isNull());
        EXPECT_EQ(f.state->imageWidth, 0);
        EXPECT_EQ(f.state->boardRect.width(), 0);
        EXPECT_EQ(f.state->screenRatio, 0.0);
        EXPECT_EQ(StripRectInGraphicsSpace(*f.state, f.doc, 0, 0), QRectF());
        EXPECT_EQ(ScreenToGraphics(*f.state, QPointF(50, 50)), QPoint());
    }
}

TEST(BoardRefresh, NoBackgroundTouchesNothing)
{
    test::BoardFixture f;
    f.refresh(true);
    const BoardRect before = f.state->boardRect;
    f.doc.BackgroundPath.clear();
    EXPECT_TRUE(f.refresh().noBackground);
    EXPECT_EQ(f.state->boardRect, before);
}

} // namespace
} // namespace zorvan
