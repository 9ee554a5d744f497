#include "document/menudata.h"
#include "editing/stripfitting.h"
#include "editing/striprelocation.h"
#include "render/renderstate.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvan {
namespace {

// A 3 x 5 grid; strips marked "in use" by a fill.
struct Grid {
    std::unique_ptr<MenuData> doc = std::make_unique<MenuData>();
    std::unique_ptr<RenderState> rects = std::make_unique<RenderState>();
    Grid()
    {
        doc->NumberOfColumns = 3;
        doc->NumberOfRows = 5;
    }
    StripData &use(int c, int r, Colour fill = MakeColour(1, 2, 3))
    {
        doc->strip(c, r).BackGroundColor = fill;
        return doc->strip(c, r);
    }
};

TEST(RelocateStripTest, MovesIntoTheCellItShowsInOrStaysWhenThereIsNone)
{
    struct Case {
        const char *name;
        ColumnRow from;
        double x, y;
        std::vector<ColumnRow> occupied;
        ColumnRow expected;
        double expectedX, expectedY;
    };
    const Case cases[] = {
        {"two rows down", {0, 0}, 0.0, 2.25, {}, {0, 2}, 0.0, 0.25},
        {"one row up", {1, 3}, 0.0, -1.0, {}, {1, 2}, 0.0, 0.0},
        {"below the grid stays", {0, 3}, 0.0, 3.0, {}, {0, 3}, 0.0, 3.0},
        {"above the grid stays", {0, 1}, 0.0, -2.0, {}, {0, 1}, 0.0, -2.0},
        {"row taken: the next free one below", {0, 0}, 0.0, 1.0, {{0, 1}}, {0, 2}, 0.0, -1.0},
        {"no free row below: stays", {0, 3}, 0.0, 1.0, {{0, 4}}, {0, 3}, 0.0, 1.0},
        {"no free row above: stays", {0, 2}, 0.0, -2.0, {{0, 0}, {0, 1}}, {0, 2}, 0.0, -2.0},
        {"one column right", {0, 0}, 1.0, 0.0, {}, {1, 0}, 0.0, 0.0},
        {"a hair short of a column counts as one", {0, 4}, 1.9985, 0.0, {}, {1, 4}, 0.9985, 0.0},
        {"beyond the last column stays", {1, 0}, 2.5, 0.0, {}, {1, 0}, 2.5, 0.0},
        {"column taken and none free: stays", {1, 0}, 1.0, 0.0, {{2, 0}}, {1, 0}, 1.0, 0.0},
        {"starts left of its cell: column to the left", {2, 1}, -0.25, 0.0, {}, {1, 1}, 0.75, 0.0},
        {"left cell taken: the next free row there", {2, 1}, -0.25, 0.0, {{1, 1}}, {1, 2}, 0.75, -1.0},
        {"left of column 0 stays", {0, 1}, -0.5, 0.0, {}, {0, 1}, -0.5, 0.0},
        {"within its cell stays", {1, 1}, 0.4, 0.6, {}, {1, 1}, 0.4, 0.6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Grid g;
        for (const ColumnRow &o : c.occupied)
            g.use(o.column, o.row, MakeColour(9, 9, 9));
        StripData &s = g.use(c.from.column, c.from.row);
        s.XOffsetFactor = c.x;
        s.YOffsetFactor = c.y;
        s.MainItemTextParams.Text = QStringLiteral("moving");
        g.rects->stripScreenRects.at(c.from.column, c.from.row) = QRectF(1, 2, 3, 4);

        const ColumnRow result = RelocateStrip(*g.doc, *g.rects, c.from);
        EXPECT_EQ(result.column, c.expected.column);
        EXPECT_EQ(result.row, c.expected.row);
        const StripData &now = g.doc->strip(result.column, result.row);
        EXPECT_EQ(now.MainItemTextParams.Text, QStringLiteral("moving"));
        EXPECT_NEAR(now.XOffsetFactor, c.expectedX, 1e-9);
        EXPECT_NEAR(now.YOffsetFactor, c.expectedY, 1e-9);
        // Nothing is lost: the occupied strips are untouched, the old cell is freed only on a move.
        for (const ColumnRow &o : c.occupied)
            EXPECT_EQ(g.doc->strip(o.column, o.row).BackGroundColor, MakeColour(9, 9, 9));
        if (!(result == c.from)) {
            EXPECT_FALSE(IsStripInUse(g.doc->strip(c.from.column, c.from.row)));
            EXPECT_TRUE(g.rects->stripScreenRects.at(c.from.column, c.from.row).isNull());
        }
    }
}

// A board of 100 x 50 pixel cells, drawn texts set by hand.
struct FitGrid : Grid {
    FitGrid()
    {
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 5; ++r)
                rects->cellGrid.at(c, r) = QRectF(c * 100.0, r * 50.0, 100.0, 50.0);
    }
};

TEST(StripFittingTest, TheBoxOfABareStripHugsItsTextsWhichStayPut)
{
    FitGrid g;
    StripData &s = g.doc->strip(1, 1);
    s.MainItemTextParams.Text = QStringLiteral("Tea");
    s.MainItemTextParams.Xref = 0.2;
    s.MainItemTextParams.Yref = 0.1;
    s.PricesTextParams.Text = QStringLiteral("1.00");
    s.PricesTextParams.Xref = 0.6;
    s.PricesTextParams.Yref = 0.5;
    g.rects->textScreenRects.at(1, 1)[0] = QRectF(120, 55, 30, 10);
    g.rects->textScreenRects.at(1, 1)[2] = QRectF(160, 75, 20, 10);

    const ColumnRow at = FitStripBoxToText(*g.doc, *g.rects, {1, 1}, FitOrder::VerticalFirst);
    EXPECT_EQ(at, (ColumnRow{1, 1}));
    EXPECT_NEAR(s.YOffsetFactor, 0.1, 1e-9);
    EXPECT_NEAR(s.YSizeFactor, 0.6, 1e-9);
    EXPECT_NEAR(s.XOffsetFactor, 0.2, 1e-9);
    EXPECT_NEAR(s.XSizeFactor, 0.6 + 0.05, 1e-9);
    EXPECT_NEAR(s.MainItemTextParams.Xref, 0.0, 1e-9);
    EXPECT_NEAR(s.PricesTextParams.Xref, 0.4, 1e-9);
    EXPECT_NEAR(s.MainItemTextParams.Yref, 0.0, 1e-9);
    EXPECT_NEAR(s.PricesTextParams.Yref, 0.4, 1e-9);

    // A strip with a fill keeps its box.
    StripData &filled = g.use(0, 0);
    filled.MainItemTextParams.Text = QStringLiteral("Tea");
    g.rects->textScreenRects.at(0, 0)[0] = QRectF(10, 10, 30, 10);
    FitStripBoxToText(*g.doc, *g.rects, {0, 0}, FitOrder::HorizontalFirst);
    EXPECT_EQ(filled.XSizeFactor, 1.0);
    EXPECT_EQ(filled.YOffsetFactor, 0.0);
}

TEST(StripFittingTest, PricesPushedIntoTheNextCellMoveThereOnlyIntoAFreeCell)
{
    for (const bool nextTaken : {false, true}) {
        SCOPED_TRACE(nextTaken ? "next cell taken" : "next cell free");
        FitGrid g;
        StripData &s = g.doc->strip(0, 2);
        s.PricesTextParams.Text = QStringLiteral("2.50");
        s.PricesTextParams.Xref = 1.3;
        s.XOffsetFactor = 0.0;
        g.rects->textScreenRects.at(0, 2)[2] = QRectF(130, 110, 40, 10);
        if (nextTaken)
            g.use(1, 2, MakeColour(9, 9, 9));

        const ColumnRow at = FitStripBoxToTextHorizontally(*g.doc, *g.rects, {0, 2});
        if (nextTaken) {
            EXPECT_EQ(at, (ColumnRow{0, 2}));
            EXPECT_EQ(g.doc->strip(1, 2).BackGroundColor, MakeColour(9, 9, 9));
            EXPECT_EQ(g.doc->strip(0, 2).PricesTextParams.Text, QStringLiteral("2.50"));
        } else {
            EXPECT_EQ(at, (ColumnRow{1, 2}));
            EXPECT_FALSE(IsStripInUse(g.doc->strip(0, 2)));
            const StripData &moved = g.doc->strip(1, 2);
            // The box starts at the cell's left edge; the prices stay where they were drawn.
            EXPECT_NEAR(moved.XOffsetFactor, 0.0, 1e-9);
            EXPECT_NEAR(moved.PricesTextParams.Xref, 0.3, 1e-9);
            EXPECT_NEAR(moved.XSizeFactor, 0.7 + 0.05, 1e-9);
        }
    }
}

// Prices-only strips pushed further right, and strips the horizontal half
// leaves alone. Cells are 100 x 50 in a 3 x 5 grid; the prices are drawn 40
// pixels wide at textsX in row 2.
TEST(StripFittingTest, PricesTravelColumnByColumnAndOnlyBareUncentredStripsAreFitted)
{
    const struct {
        const char *name;
        int column;
        double xOffset;
        double textsX;
        bool centred;
        int frame;
        int toColumn;
        double xref;  // the prices' Xref afterwards
        double xSize; // the box's width afterwards: from the cell's left edge to the prices' right one
    } cases[] = {
        // Two cells on: the first step takes the old offset off, the second a whole cell.
        {"two columns on", 0, 0.2, 230.0, false, 0, 2, 2.5 - 0.8 - 1.0, 0.7 + 0.05},
        // The last column keeps it, however far right it was pushed.
        {"stops at the last column", 1, 0.0, 330.0, false, 0, 2, 2.5 - 1.0, 1.7 + 0.05},
        {"a centred block keeps its box", 0, 0.2, 230.0, true, 0, 0, 2.5, 1.0},
        {"a frame is a box to keep", 0, 0.2, 230.0, false, 3, 0, 2.5, 1.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FitGrid g;
        StripData &s = g.doc->strip(c.column, 2);
        s.PricesTextParams.Text = QStringLiteral("2.50");
        s.PricesTextParams.Xref = 2.5;
        s.PricesTextParams.CenterInStrip = c.centred;
        s.SubImageFrameIndex = c.frame;
        s.XOffsetFactor = c.xOffset;
        g.rects->textScreenRects.at(c.column, 2)[2] = QRectF(c.textsX, 110, 40, 10);

        const ColumnRow at = FitStripBoxToTextHorizontally(*g.doc, *g.rects, {c.column, 2});
        ASSERT_EQ(at, (ColumnRow{c.toColumn, 2}));
        const StripData &fitted = g.doc->strip(c.toColumn, 2);
        EXPECT_NEAR(fitted.PricesTextParams.Xref, c.xref, 1e-9);
        EXPECT_NEAR(fitted.XSizeFactor, c.xSize, 1e-9);
        EXPECT_NEAR(fitted.XOffsetFactor, c.toColumn == c.column ? c.xOffset : 0.0, 1e-9);
        for (int column = c.column; column < c.toColumn; ++column)
            EXPECT_FALSE(IsStripInUse(g.doc->strip(column, 2))) << "column " << column << " was left behind";
    }
}

} // namespace
} // namespace zorvan
