// A strip without fill or picture keeps its invisible box round its texts
// while they are moved and sized, and a prices-only strip pushed past its
// cell moves into the next column.
#include "moveboard.h"

#include "editing/controlids.h"
#include "render/boardgeometry.h"

namespace zorvan {
namespace {

using namespace ctl;
using test::MoveBoard;

QRectF Box(const MoveBoard &b, int c, int r) { return StripRectInScreenSpace(b.editor.render(), b.doc, c, r); }

// The working copy holds the strip as fitted, but for the styles of blocks
// not typed yet, which the fitting clears in the strip only.
bool HoldsFittedStrip(const StripData &style, const StripData &strip)
{
    StripData expected = strip;
    for (int k = 0; k < kTextItemCount; ++k) {
        if (!strip.block(k).Text.isEmpty())
            continue;
        expected.block(k) = style.block(k);
        expected.block(k).Xref = strip.block(k).Xref;
        expected.block(k).Yref = strip.block(k).Yref;
    }
    return style == expected;
}

TEST(BareStripMovesTest, TheBoxFollowsItsTextAndTheTextMovesByTheStep)
{
    struct Case {
        const char *name;
        int button;
        double dx, dy; // pixels the text moves
        bool widthFitted;
    };
    const Case cases[] = {
        {"right", MoveRight, 4.0, 0.0, true},
        {"left", MoveLeft, -4.0, 0.0, true},
        {"down", MoveDown, 0.0, 20.0, true},
        {"up", MoveUp, 0.0, -20.0, true},
        // Sizing fits the height only.
        {"size up", SizeUp, 0.0, 0.0, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MoveBoard b;
        b.selectText(0, 0, MainItem);
        const QRectF before = b.textRect(0, 0, MainItem);
        const double widthBefore = b.doc.strip(0, 0).XSizeFactor;
        b.press(c.button);
        const QRectF text = b.textRect(0, 0, MainItem);
        if (c.button != SizeUp) {
            EXPECT_NEAR(text.left(), before.left() + c.dx, 0.5);
            EXPECT_NEAR(text.top(), before.top() + c.dy, 0.5);
        }
        const QRectF box = Box(b, 0, 0);
        const QRectF cell = b.editor.render().cellGrid.at(0, 0);
        EXPECT_NEAR(box.top(), text.top(), 1e-6);
        EXPECT_NEAR(box.height(), text.height(), 1e-6);
        if (c.widthFitted) {
            EXPECT_NEAR(box.left(), text.left(), 1e-6);
            EXPECT_NEAR(box.width(), text.width() + 0.05 * cell.width(), 1e-6);
        } else {
            EXPECT_EQ(b.doc.strip(0, 0).XSizeFactor, widthBefore);
        }
        // The working copy holds the fitted box: the next press does not put the old one back.
        EXPECT_TRUE(HoldsFittedStrip(b.doc.StyleTemplate, b.doc.strip(0, 0)));
        // Outlines and hit tests use the recorded box, which follows too.
        EXPECT_NEAR(b.boxRect(0, 0).top(), box.top() - 1.0, 1.01);
    }
}

TEST(BareStripMovesTest, PricesMovedPastTheirCellGoToTheNextColumn)
{
    MoveBoard b;
    b.doc.strip(0, 2).PricesTextParams.Xref = 1.25;
    b.editor.RefreshPreview();
    b.selectText(0, 2, Prices);
    const QRectF before = b.textRect(0, 2, Prices);
    const QRectF nextCell = b.editor.render().cellGrid.at(1, 2);
    ASSERT_LT(before.left(), nextCell.left());
    ASSERT_GT(before.left() + 40.0, nextCell.left());
    b.check(Macro);
    b.press(MoveRight);

    EXPECT_FALSE(IsStripInUse(b.doc.strip(0, 2)));
    EXPECT_EQ(b.editor.selection().textEditStrip, (ColumnRow{1, 2}));
    EXPECT_TRUE(b.editor.modes().text);
    const StripData &moved = b.doc.strip(1, 2);
    EXPECT_EQ(moved.PricesTextParams.Text, QStringLiteral("2.50"));
    EXPECT_NEAR(moved.PricesTextParams.Xref, 0.35, 1e-9);
    EXPECT_NEAR(moved.XOffsetFactor, 0.0, 1e-9);
    // The prices kept their place on the board, one step to the right.
    EXPECT_NEAR(b.textRect(1, 2, Prices).left(), before.left() + 40.0, 0.5);
    EXPECT_TRUE(b.textRect(0, 2, Prices).isNull());
    EXPECT_TRUE(HoldsFittedStrip(b.doc.StyleTemplate, moved));

    // The next press works on the strip where it is now.
    b.press(MoveLeft);
    EXPECT_NEAR(b.doc.strip(1, 2).PricesTextParams.Xref, 0.25, 1e-9);
    EXPECT_FALSE(IsStripInUse(b.doc.strip(0, 2)));
}

TEST(BareStripMovesTest, OneUndoTakesMovedPricesBackToTheirOldCell)
{
    MoveBoard b;
    b.doc.strip(0, 2).PricesTextParams.Xref = 1.25;
    b.editor.RefreshPreview();
    const StripData original = b.doc.strip(0, 2);
    b.selectText(0, 2, Prices);
    b.check(Macro);
    b.press(MoveRight);
    ASSERT_EQ(b.editor.selection().textEditStrip, (ColumnRow{1, 2}));
    // Leaving Text mode on the board's empty corner, then Undo.
    HandleLeftClick(b.editor, QPoint(790, 590), false);
    ASSERT_FALSE(b.editor.modes().text);
    b.press(Undo);
    EXPECT_TRUE(b.doc.strip(0, 2) == original);
    EXPECT_FALSE(IsStripInUse(b.doc.strip(1, 2)));
}

TEST(BareStripMovesTest, PricesStayWhenTheNextCellIsTaken)
{
    MoveBoard b;
    b.doc.strip(0, 2).PricesTextParams.Xref = 1.25;
    b.doc.strip(1, 2).BackGroundColor = test::kBlue;
    b.editor.RefreshPreview();
    b.selectText(0, 2, Prices);
    b.check(Macro);
    b.press(MoveRight);
    EXPECT_EQ(b.editor.selection().textEditStrip, (ColumnRow{0, 2}));
    EXPECT_EQ(b.doc.strip(0, 2).PricesTextParams.Text, QStringLiteral("2.50"));
    EXPECT_EQ(b.doc.strip(1, 2).BackGroundColor, test::kBlue);
    EXPECT_TRUE(b.doc.strip(1, 2).PricesTextParams.Text.isEmpty());
}

} // namespace
} // namespace zorvan
