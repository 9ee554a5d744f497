// The size arrows: text sizes between 0.1 and 48.0, box sizes from 0.0 up to the board's edges.
#include "moveboard.h"

#include "editing/controlids.h"
#include "editing/sizecommands.h"

namespace zorvan {
namespace {

using namespace ctl;
using test::MoveBoard;

TEST(SizeCommandsTest, TextSizeStopsAtItsLimits)
{
    struct Case {
        const char *name;
        double start;
        int button;
        bool alt;
        double stored;      // in the working copy after the press
        double shown;       // in the strip and the read-out after the press
    };
    const Case cases[] = {
        {"a step short of the top", 47.9, SizeUp, false, 48.0, 48.0},
        {"overshooting the top: stored, not yet shown", 47.95, SizeUp, false, 48.0, 47.95},
        {"a coarse step overshooting the top", 47.5, SizeUp, true, 48.0, 47.5},
        {"at the top", 48.0, SizeUp, false, 48.0, 48.0},
        {"a step short of the bottom", 0.2, SizeDown, false, 0.1, 0.1},
        {"overshooting the bottom: stored, not yet shown", 0.15, SizeDown, false, 0.1, 0.15},
        {"at the bottom", 0.1, SizeDown, false, 0.1, 0.1},
        {"repeated steps reaching the bottom exactly", 0.3, SizeDown, false, 0.2, 0.2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MoveBoard b;
        b.doc.strip(0, 1).MainItemTextParams.ScaleFactor = c.start;
        b.editor.RefreshPreview();
        b.selectText(0, 1, MainItem);
        const QString readout = b.caption(SizeValue);
        b.press(c.button, false, c.alt);
        EXPECT_NEAR(b.doc.StyleTemplate.MainItemTextParams.ScaleFactor, c.stored, 1e-12);
        EXPECT_NEAR(b.doc.strip(0, 1).MainItemTextParams.ScaleFactor, c.shown, 1e-12);
        EXPECT_TRUE(b.editor.render().text.lineHeightChanged || c.stored == c.shown);
        if (c.start == c.stored) {
            EXPECT_FALSE(b.editor.render().text.lineHeightChanged) << "a press that changes no size";
        }
        if (c.stored != c.shown)
            EXPECT_EQ(b.caption(SizeValue), readout);
        else
            EXPECT_EQ(b.caption(SizeValue), QString::asprintf("%0.1f", c.shown));
    }
}

TEST(SizeCommandsTest, TheNextPressShowsTheLimitThatWasStored)
{
    for (const int next : {SizeUp, SizeDown}) {
        SCOPED_TRACE(next == SizeUp ? "then up" : "then down");
        MoveBoard b;
        b.doc.strip(0, 1).MainItemTextParams.ScaleFactor = 47.95;
        b.editor.RefreshPreview();
        b.selectText(0, 1, MainItem);
        b.press(SizeUp);
        b.press(next);
        const double expected = next == SizeUp ? 48.0 : 47.9;
        EXPECT_NEAR(b.doc.strip(0, 1).MainItemTextParams.ScaleFactor, expected, 1e-9);
        EXPECT_EQ(b.caption(SizeValue), QString::asprintf("%0.1f", expected));
    }
}

TEST(SizeCommandsTest, RepeatedStepsDownEndAtTheSmallestSize)
{
    MoveBoard b;
    b.selectText(0, 1, MainItem);
    for (int press = 0; press < 5; ++press)
        b.press(SizeDown);
    EXPECT_EQ(b.doc.strip(0, 1).MainItemTextParams.ScaleFactor, kSmallestTextSize);
    EXPECT_EQ(b.caption(SizeValue), QStringLiteral("0.1"));
}

TEST(SizeCommandsTest, BoxSizesStopAtNothingAndAtTheBoardsEdges)
{
    struct Case {
        const char *name;
        int button;
        bool macro;
        int presses;
        double (*size)(const StripData &);
        double expected;
    };
    const auto width = [](const StripData &s) { return s.XSizeFactor; };
    const auto height = [](const StripData &s) { return s.YSizeFactor; };
    const Case cases[] = {
        // 0.5 in steps of 0.1: the sixth press would go below nothing.
        {"narrower past nothing", SizeLeft, true, 6, width, 0.0},
        {"narrower at nothing", SizeLeft, true, 9, width, 0.0},
        {"shorter past nothing", SizeDown, false, 6, height, 0.0},
        // The box starts 80 pixels into its 400 pixel cell in the right column: it can reach 1.8 cells.
        {"wider up to the right edge", SizeRight, true, 20, width, 319.0 / 400.0},
        // 40 pixels into the middle row of three: 1.8 cells reach the bottom.
        {"taller up to the bottom edge", SizeUp, true, 4, height, 359.0 / 200.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MoveBoard b;
        b.selectBox(1, 1);
        if (c.macro)
            b.check(Macro);
        for (int press = 0; press < c.presses; ++press)
            b.press(c.button);
        EXPECT_NEAR(c.size(b.doc.strip(1, 1)), c.expected, 1e-9);
        EXPECT_GE(c.size(b.doc.strip(1, 1)), 0.0);
        EXPECT_LE(b.boxRect(1, 1).right(), b.board().right + 0.5);
        EXPECT_LE(b.boxRect(1, 1).bottom(), b.board().bottom + 0.5);
    }
}

TEST(SizeCommandsTest, ABoxReachingPastTheBottomIsPulledBackByTaller)
{
    MoveBoard b;
    b.doc.strip(1, 1).YSizeFactor = 2.5; // 100 pixels past the bottom
    b.editor.RefreshPreview();
    b.selectBox(1, 1);
    const double past = b.boxRect(1, 1).bottom() - b.board().bottom;
    ASSERT_GT(past, 0.0);
    b.press(SizeUp);
    EXPECT_NEAR(b.boxRect(1, 1).bottom(), b.board().bottom, 0.5);

    // A box lying wholly below the board is pulled back no further than to nothing.
    b.doc.strip(1, 1).YOffsetFactor = 2.2;
    b.editor.RefreshPreview();
    b.press(SizeUp);
    EXPECT_EQ(b.doc.strip(1, 1).YSizeFactor, 0.0);
}

TEST(SizeCommandsTest, AWidthAlreadyNothingIsNotRedrawn)
{
    MoveBoard b;
    b.selectBox(1, 1);
    b.doc.strip(1, 1).XSizeFactor = 0.005;
    b.editor.RefreshPreview();
    int repaints = b.f.window.repaints;
    b.press(SizeLeft);
    EXPECT_EQ(b.doc.strip(1, 1).XSizeFactor, 0.0);
    // The board shows the box gone.
    EXPECT_GT(b.f.window.repaints, repaints);
    repaints = b.f.window.repaints;
    b.doc.Modified = false;
    b.press(SizeLeft);
    EXPECT_EQ(b.doc.strip(1, 1).XSizeFactor, 0.0);
    EXPECT_EQ(b.f.window.repaints, repaints);
    EXPECT_FALSE(b.doc.Modified) << "a press that changes nothing";
}

} // namespace
} // namespace zorvan
