// The move and size arrows pressed on what a click selected: each press
// changes the selected thing's fields by the step the keys ask for, and a
// move stops at the board's edge.
#include "moveboard.h"

#include "editing/controlids.h"

#include <memory>

namespace zorvan {
namespace {

using namespace ctl;
using test::MoveBoard;

enum class Pick { MainText, Box, Picture };

struct PressCase {
    const char *name;
    Pick pick;
    int button;
    bool shift, alt, macro;
    double (*field)(const StripData &);
    double change;
};

double MainX(const StripData &s) { return s.MainItemTextParams.Xref; }
double MainY(const StripData &s) { return s.MainItemTextParams.Yref; }
double MainSize(const StripData &s) { return s.MainItemTextParams.ScaleFactor; }
double MainLines(const StripData &s) { return s.MainItemTextParams.LineSpacingFactor; }
double OffsetX(const StripData &s) { return s.XOffsetFactor; }
double OffsetY(const StripData &s) { return s.YOffsetFactor; }
double SizeX(const StripData &s) { return s.XSizeFactor; }
double SizeY(const StripData &s) { return s.YSizeFactor; }

TEST(MoveSizePressTest, OnePressChangesTheSelectionByTheStepOfTheTable)
{
    const PressCase cases[] = {
        {"text left", Pick::MainText, MoveLeft, false, false, false, MainX, -0.01},
        {"text left, Macro", Pick::MainText, MoveLeft, false, false, true, MainX, -0.1},
        {"text left, Alt", Pick::MainText, MoveLeft, false, true, false, MainX, -0.1},
        {"text left, Shift", Pick::MainText, MoveLeft, true, false, false, MainX, -0.001},
        {"text left, Shift and Alt", Pick::MainText, MoveLeft, true, true, false, MainX, -0.1},
        {"text right", Pick::MainText, MoveRight, false, false, false, MainX, 0.01},
        {"text up", Pick::MainText, MoveUp, false, false, false, MainY, -0.1},
        {"text up, Alt: a whole cell", Pick::MainText, MoveUp, false, true, false, MainY, -1.0},
        {"text up, Shift", Pick::MainText, MoveUp, true, false, false, MainY, -0.1},
        {"text down", Pick::MainText, MoveDown, false, false, false, MainY, 0.1},
        {"text down, Macro", Pick::MainText, MoveDown, false, false, true, MainY, 1.0},
        {"text size up", Pick::MainText, SizeUp, false, false, false, MainSize, 0.1},
        {"text size up, Alt", Pick::MainText, SizeUp, false, true, false, MainSize, 1.0},
        {"text size up, Shift", Pick::MainText, SizeUp, true, false, false, MainSize, 0.1},
        {"text size down", Pick::MainText, SizeDown, false, false, false, MainSize, -0.1},
        {"line spacing up", Pick::MainText, LineSpacingUp, false, false, false, MainLines, 0.1},
        {"line spacing up, Alt", Pick::MainText, LineSpacingUp, false, true, false, MainLines, 0.01},
        {"line spacing up, Macro", Pick::MainText, LineSpacingUp, false, false, true, MainLines, 0.1},
        {"line spacing down", Pick::MainText, LineSpacingDown, false, false, false, MainLines, -0.1},
        {"box left", Pick::Box, MoveLeft, false, false, false, OffsetX, -0.01},
        {"box left, Macro", Pick::Box, MoveLeft, false, false, true, OffsetX, -0.1},
        {"box left, Shift", Pick::Box, MoveLeft, true, false, false, OffsetX, -0.001},
        {"box right", Pick::Box, MoveRight, false, false, false, OffsetX, 0.01},
        {"box right, Alt", Pick::Box, MoveRight, false, true, false, OffsetX, 0.1},
        {"box up", Pick::Box, MoveUp, false, false, false, OffsetY, -0.1},
        {"box up, Alt", Pick::Box, MoveUp, false, true, false, OffsetY, -1.0},
        {"box up, Shift", Pick::Box, MoveUp, true, false, false, OffsetY, -0.01},
        {"box down", Pick::Box, MoveDown, false, false, false, OffsetY, 0.1},
        {"box taller", Pick::Box, SizeUp, false, false, false, SizeY, 0.1},
        {"box taller, Macro", Pick::Box, SizeUp, false, false, true, SizeY, 1.0},
        {"box taller, Shift", Pick::Box, SizeUp, true, false, false, SizeY, 0.01},
        {"box shorter", Pick::Box, SizeDown, false, false, false, SizeY, -0.1},
        {"box wider", Pick::Box, SizeRight, false, false, false, SizeX, 0.01},
        {"box wider, Alt", Pick::Box, SizeRight, false, true, false, SizeX, 0.1},
        {"box wider, Shift", Pick::Box, SizeRight, true, false, false, SizeX, 0.001},
        {"box narrower", Pick::Box, SizeLeft, false, false, false, SizeX, -0.01},
        {"picture left", Pick::Picture, MoveLeft, false, false, false, OffsetX, -0.01},
        {"picture down, Shift", Pick::Picture, MoveDown, true, false, false, OffsetY, 0.01},
        {"picture taller", Pick::Picture, SizeUp, false, false, false, SizeY, 0.1},
        {"picture narrower, Macro", Pick::Picture, SizeLeft, false, false, true, SizeX, -0.1},
    };
    for (const PressCase &c : cases) {
        SCOPED_TRACE(c.name);
        MoveBoard b;
        ColumnRow strip;
        switch (c.pick) {
        case Pick::MainText:
            strip = {0, 1};
            b.selectText(0, 1, MainItem);
            break;
        case Pick::Box:
            strip = {1, 1};
            b.selectBox(1, 1);
            EXPECT_TRUE(b.editor.modes().background);
            break;
        case Pick::Picture:
            strip = {1, 0};
            b.selectBox(1, 0);
            EXPECT_TRUE(b.editor.modes().picture);
            break;
        }
        if (c.macro)
            b.check(Macro);
        const StripData before = b.doc.strip(strip.column, strip.row);
        const int discards = b.f.window.clickDiscards;
        b.press(c.button, c.shift, c.alt);
        const StripData &after = b.doc.strip(strip.column, strip.row);
        EXPECT_NEAR(c.field(after) - c.field(before), c.change, 1e-9);
        // Nothing but the field moved: the other blocks and the box stay.
        for (auto *other : {MainX, MainY, MainSize, MainLines, OffsetX, OffsetY, SizeX, SizeY}) {
            if (other != c.field) {
                EXPECT_DOUBLE_EQ(other(after), other(before));
            }
        }
        EXPECT_EQ(after.SubItemsTextParams.Xref, before.SubItemsTextParams.Xref);
        EXPECT_EQ(after.PricesTextParams.Yref, before.PricesTextParams.Yref);
        EXPECT_TRUE(b.doc.Modified);
        const bool moveOrSize = c.button != LineSpacingUp && c.button != LineSpacingDown;
        EXPECT_EQ(b.f.window.clickDiscards, discards + (moveOrSize ? 1 : 0));
        EXPECT_EQ(b.f.window.waits, 0) << "the wait cursor is gone after the press";
    }
}

TEST(MoveSizePressTest, AllTextMovesTheThreeBlocksTogether)
{
    MoveBoard b;
    b.selectText(0, 1, SubItems);
    b.check(AllText);
    EXPECT_FALSE(b.f.panel.isChecked(SelectedText));
    const StripData before = b.doc.strip(0, 1);
    b.press(MoveRight);
    b.press(MoveUp);
    const StripData &after = b.doc.strip(0, 1);
    for (int k = 0; k < kTextItemCount; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(after.block(k).Xref - before.block(k).Xref, 0.01, 1e-9);
        EXPECT_NEAR(after.block(k).Yref - before.block(k).Yref, -0.1, 1e-9);
    }
    // "Selected Text" again: only the edited block moves.
    b.check(SelectedText);
    EXPECT_FALSE(b.f.panel.isChecked(AllText));
    b.press(MoveLeft);
    EXPECT_NEAR(b.doc.strip(0, 1).SubItemsTextParams.Xref, before.SubItemsTextParams.Xref, 1e-9);
    EXPECT_NEAR(b.doc.strip(0, 1).MainItemTextParams.Xref, before.MainItemTextParams.Xref + 0.01, 1e-9);
}

TEST(MoveSizePressTest, AllTextMovesOffABoxThatFillsTheFirstColumnAndRow)
{
    struct Case {
        const char *name;
        int button;
        double (*field)(const StripData &);
        double change;
    };
    const Case cases[] = {
        {"left", MoveLeft, MainX, -0.01},
        {"up", MoveUp, MainY, -0.1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MoveBoard b;
        // The red box of (0, 1) moved into the top left cell, filling it.
        b.doc.strip(0, 0) = b.doc.strip(0, 1);
        ResetStrip(b.doc.strip(0, 1));
        b.editor.RefreshPreview();
        ASSERT_LE(b.boxRect(0, 0).left(), b.board().left);
        ASSERT_LE(b.boxRect(0, 0).top(), b.board().top);
        b.selectText(0, 0, MainItem);
        b.check(AllText);
        const StripData before = b.doc.strip(0, 0);
        b.press(c.button);
        EXPECT_NEAR(c.field(b.doc.strip(0, 0)) - c.field(before), c.change, 1e-9);
        EXPECT_DOUBLE_EQ(b.doc.strip(0, 0).XOffsetFactor, before.XOffsetFactor);
        EXPECT_DOUBLE_EQ(b.doc.strip(0, 0).YOffsetFactor, before.YOffsetFactor);
    }
}

TEST(MoveSizePressTest, WithoutASelectionTheArrowsChangeNothing)
{
    MoveBoard b;
    ASSERT_FALSE(b.editor.modes().anyStripMode());
    const auto before = std::make_unique<MenuData>(b.doc);
    for (int id : {MoveLeft, MoveUp, MoveRight, MoveDown, SizeUp, SizeDown, SizeLeft, SizeRight, LineSpacingUp,
                   LineSpacingDown, TabSpacingUp, TabSpacingDown, CalSpacingUp, CalSpacingDown})
        b.press(id);
    EXPECT_TRUE(*before == b.doc);
}

} // namespace
} // namespace zorvan
