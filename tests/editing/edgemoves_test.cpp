// Moves towards the board's edges: the last step is shortened so that the
// moved thing lands on the edge, and a press at the edge does nothing.
#include "moveboard.h"

#include "editing/controlids.h"
#include "render/boardgeometry.h"

namespace zorvan {
namespace {

using namespace ctl;
using test::ClickBoard;
using test::MoveBoard;

struct EdgeCase {
    const char *name;
    bool text; // the main item of (0,1), else the box (1,1)
    int button;
    double (*edgeGap)(const MoveBoard &); // pixels left between the moved edge and the board's edge
};

QRectF MainRect(const MoveBoard &b) { return b.textRect(0, 1, MainItem); }
QRectF Box(const MoveBoard &b) { return StripRectInScreenSpace(b.editor.render(), b.doc, 1, 1); }

TEST(EdgeMovesTest, RepeatedPressesStopExactlyAtTheEdge)
{
    const EdgeCase cases[] = {
        {"text left", true, MoveLeft, [](const MoveBoard &b) { return MainRect(b).left() - b.board().left; }},
        {"text up", true, MoveUp, [](const MoveBoard &b) { return MainRect(b).top() - b.board().top; }},
        {"text right", true, MoveRight, [](const MoveBoard &b) { return b.board().right - MainRect(b).right(); }},
        // Texts stop a pixel and a half short of the bottom.
        {"text down", true, MoveDown,
         [](const MoveBoard &b) { return b.board().bottom - 1.5 - MainRect(b).bottom(); }},
        // Left, up and down the drawn box stops at the edge; right, the box computed from its cell.
        {"box left", false, MoveLeft, [](const MoveBoard &b) { return b.boxRect(1, 1).left() - b.board().left; }},
        {"box up", false, MoveUp, [](const MoveBoard &b) { return b.boxRect(1, 1).top() - b.board().top; }},
        {"box right", false, MoveRight, [](const MoveBoard &b) { return b.board().right - Box(b).right(); }},
        {"box down", false, MoveDown,
         [](const MoveBoard &b) { return b.board().bottom - (b.boxRect(1, 1).bottom()); }},
    };
    for (const EdgeCase &c : cases) {
        SCOPED_TRACE(c.name);
        MoveBoard b;
        if (c.text)
            b.selectText(0, 1, MainItem);
        else
            b.selectBox(1, 1);
        b.check(Macro);
        const ColumnRow strip = c.text ? ColumnRow{0, 1} : ColumnRow{1, 1};
        int presses = 0;
        StripData before = b.doc.strip(strip.column, strip.row);
        for (; presses < 30; ++presses) {
            before = b.doc.strip(strip.column, strip.row);
            const int repaints = b.f.window.repaints;
            b.doc.Modified = false;
            b.press(c.button);
            if (before == b.doc.strip(strip.column, strip.row)) {
                // At the edge the press leaves the board and the layout alone.
                EXPECT_EQ(b.f.window.repaints, repaints);
                EXPECT_FALSE(b.doc.Modified);
                break;
            }
            EXPECT_TRUE(b.doc.Modified);
            EXPECT_GE(c.edgeGap(b), -0.5) << "after press " << presses + 1;
        }
        EXPECT_LT(presses, 30) << "the moves never stopped";
        EXPECT_GT(presses, 0);
        EXPECT_NEAR(c.edgeGap(b), 0.0, 0.5);
    }
}

TEST(EdgeMovesTest, AShortStepMovesTheTextPartOfTheWayOntoTheEdge)
{
    MoveBoard b;
    b.doc.strip(0, 1).MainItemTextParams.Xref = 0.005;
    b.editor.RefreshPreview();
    b.selectText(0, 1, MainItem);
    const double gap = b.textRect(0, 1, MainItem).left() - b.board().left;
    ASSERT_GT(gap, 0.0);
    ASSERT_LT(gap, 9.0);
    // Shift and "Macro" together: "Macro" wins, a step of 0.1 cell or 40 pixels.
    b.check(Macro);
    b.press(MoveLeft, true);
    EXPECT_NEAR(b.doc.strip(0, 1).MainItemTextParams.Xref, 0.005 - 0.1 * gap / 40.0, 1e-9);
    EXPECT_NEAR(b.textRect(0, 1, MainItem).left(), b.board().left, 0.5);
    const int repaints = b.f.window.repaints;
    b.press(MoveLeft);
    EXPECT_NEAR(b.doc.strip(0, 1).MainItemTextParams.Xref, 0.005 - 0.1 * gap / 40.0, 1e-9);
    EXPECT_EQ(b.f.window.repaints, repaints);
}

TEST(EdgeMovesTest, ABoxMovedRightKeepsItsTextsOnTheBoard)
{
    MoveBoard b;
    // A text reaching well beyond the right edge of its box.
    ClickBoard::text(b.doc.strip(1, 1).MainItemTextParams, QStringLiteral("Blueberry pancakes"), 0.3, 0.1);
    b.editor.RefreshPreview();
    b.selectBox(1, 1);
    ASSERT_TRUE(b.editor.modes().background);
    b.check(Macro);
    for (int press = 0; press < 10; ++press) {
        SCOPED_TRACE(press);
        b.press(MoveRight);
        EXPECT_LE(b.textRect(1, 1, MainItem).right(), b.board().right + 0.5);
    }
    EXPECT_NEAR(b.textRect(1, 1, MainItem).right(), b.board().right, 0.5);
}

} // namespace
} // namespace zorvan
