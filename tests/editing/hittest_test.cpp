#include "editing/hittest.h"

#include "document/menudata.h"
#include "render/boardgeometry.h"
#include "render/renderstate.h"

#include <memory>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

// A 3 x 3 grid of 100 x 50 cells at the origin; rectangles are set by hand
// so that each case shows one rule of the scan order.
class HitTestTest : public ::testing::Test {
protected:
    HitTestTest()
    {
        doc.NumberOfColumns = 3;
        doc.NumberOfRows = 3;
        render->screenRatio = 1.0;
        render->boardRect = {0, 0, 300, 150};
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 3; ++r)
                render->cellGrid.at(c, r) = QRectF(c * 100, r * 50, 100, 50);
    }
    void picture(int c, int r, const QRectF &box)
    {
        doc.strip(c, r).SubImageFileName = QStringLiteral("/p/pic%1%2.jpg").arg(c).arg(r);
        render->stripScreenRects.at(c, r) = box;
    }

    MenuData doc;
    std::unique_ptr<RenderState> render = std::make_unique<RenderState>();
};

TEST_F(HitTestTest, RectangleEdgesFollowTheHalfOpenRule)
{
    const QRectF r(10, 20, 30, 40);
    EXPECT_TRUE(RectContains(r, QPointF(10, 20)));
    EXPECT_TRUE(RectContains(r, QPointF(39.9, 59.9)));
    EXPECT_FALSE(RectContains(r, QPointF(40, 30)));
    EXPECT_FALSE(RectContains(r, QPointF(20, 60)));
    EXPECT_FALSE(RectContains(QRectF(), QPointF(0, 0)));
}

TEST_F(HitTestTest, TextGoesToHigherBlockThenHigherColumnThenHigherRow)
{
    const QRectF overlap(50, 20, 100, 60);
    render->textScreenRects.at(0, 0)[2] = overlap;
    render->textScreenRects.at(2, 2)[1] = overlap;
    render->textScreenRects.at(1, 0)[0] = overlap;
    TextHit hit = HitTestText(doc, *render, QPointF(60, 30));
    EXPECT_EQ(hit.strip, (ColumnRow{0, 0}));
    EXPECT_EQ(hit.textItem, 2);

    render->textScreenRects.at(0, 0)[2] = QRectF();
    render->textScreenRects.at(2, 2)[1] = QRectF();
    render->textScreenRects.at(1, 1)[0] = overlap;
    render->textScreenRects.at(1, 2)[0] = overlap;
    hit = HitTestText(doc, *render, QPointF(60, 30));
    EXPECT_EQ(hit.strip, (ColumnRow{1, 2}));
    EXPECT_EQ(hit.textItem, 0);

    render->textScreenRects.at(0, 2)[0] = overlap;
    render->textScreenRects.at(2, 0)[0] = overlap;
    EXPECT_EQ(HitTestText(doc, *render, QPointF(60, 30)).strip, (ColumnRow{2, 0}));

    hit = HitTestText(doc, *render, QPointF(5, 5));
    EXPECT_TRUE(hit.strip.isNone());
    EXPECT_EQ(hit.textItem, -1);
}

TEST_F(HitTestTest, StripsOutsideTheGridInUseAreNeverHit)
{
    doc.NumberOfColumns = 1;
    render->textScreenRects.at(2, 0)[0] = QRectF(0, 0, 300, 150);
    picture(1, 0, QRectF(0, 0, 300, 150));
    doc.strip(2, 1).BackGroundColor = 0x0000FF;
    EXPECT_TRUE(HitTestText(doc, *render, QPointF(10, 10)).strip.isNone());
    EXPECT_TRUE(HitTestPicture(doc, *render, QPointF(10, 10)).isNone());
    EXPECT_TRUE(HitTestFilledStrip(doc, *render, QPointF(250, 60)).isNone());
}

TEST_F(HitTestTest, OverlappingPicturesGoToTheSecondFoundScanningBackwards)
{
    struct Case {
        const char *name;
        std::vector<ColumnRow> strips;
        ColumnRow expected;
    };
    const Case cases[] = {
        {"one picture", {{1, 1}}, {1, 1}},
        {"two columns: the lower column", {{2, 1}, {0, 1}}, {0, 1}},
        {"one column: the lower row", {{1, 2}, {1, 0}}, {1, 0}},
        // Three overlap: the scan stops at the second, so the third (lowest) is never reached.
        {"three: the second found", {{2, 2}, {1, 1}, {0, 0}}, {1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MenuData fresh;
        doc = fresh;
        doc.NumberOfColumns = 3;
        doc.NumberOfRows = 3;
        render->stripScreenRects.fill(QRectF());
        for (const ColumnRow &s : c.strips)
            picture(s.column, s.row, QRectF(0, 0, 300, 150));
        EXPECT_EQ(HitTestPicture(doc, *render, QPointF(150, 75)), c.expected);
    }
    // A drawn box without a picture file does not count.
    render->stripScreenRects.at(2, 0) = QRectF(0, 0, 300, 150);
    EXPECT_EQ(HitTestPicture(doc, *render, QPointF(150, 75)), (ColumnRow{1, 1}));
}

TEST_F(HitTestTest, FilledStripsUseTheBoxComputedFromTheCell)
{
    StripData &wide = doc.strip(0, 1);
    wide.BackGroundColor = 0x0000FF;
    wide.XSizeFactor = 2.0; // reaches into column 1
    doc.strip(1, 1).BackGroundColor = 0x00FF00;
    // The drawn box is ignored: only the cell-based box counts.
    render->stripScreenRects.at(0, 1) = QRectF(0, 0, 1, 1);
    EXPECT_EQ(HitTestFilledStrip(doc, *render, QPointF(150, 60)), (ColumnRow{0, 1}));
    EXPECT_EQ(HitTestFilledStrip(doc, *render, QPointF(50, 60)), (ColumnRow{0, 1}));
    EXPECT_EQ(HitTestFilledStrip(doc, *render, QPointF(250, 60)), kNoStrip);
    doc.strip(0, 1).BackGroundColor = kNoColour;
    EXPECT_EQ(HitTestFilledStrip(doc, *render, QPointF(150, 60)), (ColumnRow{1, 1}));
}

TEST_F(HitTestTest, CellScanRunsForwards)
{
    EXPECT_EQ(HitTestCell(doc, *render, QPointF(150, 75)), (ColumnRow{1, 1}));
    EXPECT_EQ(HitTestCell(doc, *render, QPointF(0, 0)), (ColumnRow{0, 0}));
    EXPECT_EQ(HitTestCell(doc, *render, QPointF(300, 0)), kNoStrip);
    render->cellGrid.at(0, 0) = QRectF(0, 0, 300, 150);
    EXPECT_EQ(HitTestCell(doc, *render, QPointF(150, 75)), (ColumnRow{0, 0}));
}

} // namespace
} // namespace zorvan
