#include "editing/undolist.h"

#include "fakeservices.h"

#include "editing/controlids.h"

#include "tempdir.h"

#include <functional>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(StripsEqualTest, OnlyTheDerivedFieldsAreIgnored)
{
    StripData base;
    base.MainItemTextParams.Text = QStringLiteral("Burger");

    StripData hidden = base;
    hidden.ImageHiddenOnWhite = !base.ImageHiddenOnWhite;
    hidden.SubImageCropPercentageX = 40;
    hidden.SubImageCropPercentageY = 7;
    EXPECT_TRUE(StripsEqual(base, hidden));

    StripData renamed = base;
    renamed.MainItemTextParams.Text = QStringLiteral("Burger ");
    EXPECT_FALSE(StripsEqual(base, renamed));

    StripData nudged = base;
    nudged.SubImageFrameIndex = base.SubImageFrameIndex + 1;
    EXPECT_FALSE(StripsEqual(base, nudged));
}

class UndoListTest : public ::testing::Test {
protected:
    test::TempDir temp;
    test::EditorFixture f{temp.file(QStringLiteral("Trelmont/QRT100"))};

    StripData &strip(int c, int r) { return f.editor.document().strip(c, r); }
    size_t count() const { return f.editor.undo().entries.size(); }
};

TEST_F(UndoListTest, LeavingAModeWithoutAChangeAddsNoStep)
{
    strip(0, 1).MainItemTextParams.Text = QStringLiteral("Soup");
    struct Case {
        const char *name;
        std::function<void(StripData &)> edit;
        size_t entriesAfter;
    };
    const Case cases[] = {
        {"nothing changed", [](StripData &) {}, 0},
        {"only the crop changed", [](StripData &s) { s.SubImageCropPercentageX = 50; }, 0},
        {"the text changed", [](StripData &s) { s.MainItemTextParams.Text += QLatin1Char('!'); }, 1},
        {"the offset changed", [](StripData &s) { s.YOffsetFactor += 0.01; }, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        f.editor.undo().clear();
        PushUndoEntry(f.editor, {0, 1});
        EXPECT_TRUE(f.panel.isEnabled(ctl::Undo));
        c.edit(strip(0, 1));
        DropUnchangedUndoEntry(f.editor, {0, 1});
        EXPECT_EQ(count(), c.entriesAfter);
        EXPECT_EQ(f.editor.undo().index, int(c.entriesAfter) - 1);
        EXPECT_EQ(f.panel.isEnabled(ctl::Undo), c.entriesAfter > 0);
    }
    // The newest entry belongs to another strip: it stays.
    f.editor.undo().clear();
    PushUndoEntry(f.editor, {1, 1});
    DropUnchangedUndoEntry(f.editor, {0, 1});
    EXPECT_EQ(count(), 1u);
}

TEST_F(UndoListTest, EntriesOutsideTheGridAreNeverMade)
{
    for (const ColumnRow cell : {ColumnRow{-1, 0}, ColumnRow{0, -1}, ColumnRow{2, 0}, ColumnRow{0, 16}})
        PushUndoEntry(f.editor, cell);
    EXPECT_EQ(count(), 0u);
    EXPECT_FALSE(f.panel.isEnabled(ctl::Undo));
}

TEST_F(UndoListTest, UndoRestoresTheWholeRecordAndMarksTheLayoutModified)
{
    StripData &s = strip(1, 3);
    s.SubImageCropPercentageX = 100;
    s.SubImageCropPercentageY = 100;
    PushUndoEntry(f.editor, {1, 3});
    // A zoom that came with another change: Undo takes the zoom back too.
    s.SubImageCropPercentageX = 60;
    s.SubImageCropPercentageY = 60;
    s.SubImageCropOriginPercentageX = 20;
    f.editor.document().Modified = false;
    ASSERT_TRUE(f.editor.RunCommand(CommandEvent{ctl::Undo, false, false}));
    EXPECT_EQ(s.SubImageCropPercentageX, 100);
    EXPECT_EQ(s.SubImageCropPercentageY, 100);
    EXPECT_EQ(s.SubImageCropOriginPercentageX, 0);
    EXPECT_TRUE(f.editor.document().Modified);
}

} // namespace
} // namespace zorvan
