#include "fakeservices.h"

#include "editing/controlids.h"
#include "editing/groupmode.h"
#include "editing/undolist.h"

#include "tempdir.h"

#include <QImage>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

GroupItem Item(int row, double top, double height)
{
    return {{0, row}, QRectF(10, top, 100, height)};
}

TEST(EvenSpacingShiftsTest, FirstAndLastPickedStayTheOnesBetweenShareTheGaps)
{
    struct Case {
        const char *name;
        std::vector<GroupItem> items;
        std::vector<double> shifts;
    };
    const Case cases[] = {
        {"three of 20 at 100, 130, 300", {Item(0, 100, 20), Item(1, 130, 20), Item(2, 300, 20)}, {0, 70, 0}},
        {"picking order, not board order",
         {Item(5, 300, 20), Item(1, 130, 20), Item(0, 100, 20)},
         {0, 70, 0}},
        {"four of different heights",
         {Item(0, 0, 10), Item(1, 20, 30), Item(2, 100, 10), Item(3, 200, 10)},
         {0, 40, 40, 0}},
        {"two items", {Item(0, 100, 20), Item(1, 300, 20)}, {0, 0}},
        {"one item", {Item(0, 100, 20)}, {0}},
        {"none", {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<double> shifts = EvenSpacingShifts(c.items);
        ASSERT_EQ(shifts.size(), c.shifts.size());
        for (size_t i = 0; i < shifts.size(); ++i)
            EXPECT_DOUBLE_EQ(shifts[i], c.shifts[i]) << i;
    }
}

// A 2 x 8 grid on an 800 x 800 board shown 1:1: cells of 400 x 100 pixels,
// a main item in rows 0 to 5 of both columns.
class GroupModeTest : public ::testing::Test {
protected:
    test::TempDir temp;
    test::EditorFixture f{temp.file(QStringLiteral("Trelmont/QRT100"))};

    GroupModeTest()
    {
        const QString background = temp.file(QStringLiteral("Menu.jpg"));
        QImage image(800, 800, QImage::Format_RGB32);
        image.fill(Qt::black);
        EXPECT_TRUE(QImageWriter(background, "jpeg").write(image));
        f.dialogs.files.push_back(background);
        EXPECT_TRUE(f.editor.RunCommand(CommandEvent{MenuOpen, false, false}));
        MenuData &doc = f.editor.document();
        doc.NumberOfColumns = 2;
        doc.NumberOfRows = 8;
        for (int c = 0; c < 2; ++c)
            for (int r = 0; r < 6; ++r)
                doc.strip(c, r).MainItemTextParams.Text = QStringLiteral("Item %1 %2").arg(c).arg(r);
        f.editor.RefreshPreview();
    }

    QRectF text(int c, int r) { return f.editor.render().textScreenRects.at(c, r)[MainItem]; }
    QPoint on(int c, int r) { return text(c, r).center().toPoint(); }
    void click(const QPoint &p, bool shift = true) { GroupModeClick(f.editor, p, shift); }
    std::vector<ColumnRow> members()
    {
        std::vector<ColumnRow> strips;
        for (const GroupItem &item : f.editor.group().members)
            strips.push_back(item.strip);
        return strips;
    }
    void press(int id) { ASSERT_TRUE(f.editor.RunCommand(CommandEvent{id, false, false})); }
};

TEST_F(GroupModeTest, ShiftClicksCollectStripsOfOneColumnOnce)
{
    ASSERT_FALSE(text(0, 0).isEmpty());
    click(on(0, 1));
    EXPECT_TRUE(f.editor.modes().group);
    EXPECT_EQ(f.editor.status(), kStatusGroup);
    EXPECT_EQ(f.editor.group().column, 0);
    EXPECT_FALSE(f.panel.isEnabled(ctl::SpaceGroupEvenly));
    EXPECT_EQ(f.editor.group().members[0].textUnion, text(0, 1));

    click(on(0, 1)); // the same strip again
    click(on(1, 1)); // another strip of the same row: rows are compared only
    EXPECT_EQ(members(), (std::vector<ColumnRow>{{0, 1}}));
    EXPECT_FALSE(f.panel.isEnabled(ctl::SpaceGroupEvenly));

    click(on(0, 4));
    EXPECT_TRUE(f.panel.isEnabled(ctl::SpaceGroupEvenly));
    EXPECT_EQ(members(), (std::vector<ColumnRow>{{0, 1}, {0, 4}}));
    EXPECT_TRUE(f.dialogs.texts.isEmpty());
}

TEST_F(GroupModeTest, MixedColumnsAndClicksOnNoTextStartAfresh)
{
    click(on(0, 1));
    click(on(1, 3));
    EXPECT_EQ(f.dialogs.texts, QStringList{QStringLiteral("Grouped menu items must be in the same column.")});
    EXPECT_TRUE(members().empty());
    EXPECT_TRUE(f.editor.modes().group);

    // The next pick starts a group of its own column.
    click(on(1, 3));
    EXPECT_EQ(f.editor.group().column, 1);
    click(on(1, 5));
    EXPECT_EQ(members().size(), 2u);

    click(QPoint(790, 790)); // no text there
    EXPECT_TRUE(members().empty());
    EXPECT_TRUE(f.editor.modes().group);
    EXPECT_EQ(f.dialogs.texts.size(), 1);
}

TEST_F(GroupModeTest, AClickWithoutShiftLeavesGroupModeAndAShiftClickLeavesStripModes)
{
    click(on(0, 1));
    click(on(0, 2));
    click(on(0, 3), false);
    EXPECT_FALSE(f.editor.modes().group);
    EXPECT_TRUE(members().empty());
    EXPECT_FALSE(f.panel.isEnabled(ctl::SpaceGroupEvenly));

    f.editor.modes().picture = true;
    const size_t entries = f.editor.undo().entries.size();
    click(on(0, 2));
    EXPECT_FALSE(f.editor.modes().anyStripMode());
    EXPECT_TRUE(f.editor.modes().group);
    EXPECT_EQ(members(), (std::vector<ColumnRow>{{0, 2}}));
    EXPECT_EQ(f.editor.undo().entries.size(), entries);
}

TEST_F(GroupModeTest, SpacingMovesTheInnerStripsAndOneUndoPutsThemBack)
{
    MenuData &doc = f.editor.document();
    const MenuData before = doc;
    for (const ColumnRow &pick : {ColumnRow{0, 0}, ColumnRow{0, 1}, ColumnRow{0, 2}, ColumnRow{0, 5}})
        click(on(pick.column, pick.row));
    const std::vector<double> shifts = EvenSpacingShifts(f.editor.group().members);
    press(ctl::SpaceGroupEvenly);

    EXPECT_FALSE(f.editor.modes().group);
    EXPECT_TRUE(members().empty());
    EXPECT_FALSE(f.panel.isEnabled(ctl::SpaceGroupEvenly));
    EXPECT_EQ(f.editor.status(), kStatusIdle);
    EXPECT_EQ(doc.strip(0, 0), before.strip(0, 0));
    EXPECT_EQ(doc.strip(0, 5), before.strip(0, 5));
    EXPECT_DOUBLE_EQ(doc.strip(0, 1).YOffsetFactor, shifts[1] / 100.0);
    EXPECT_DOUBLE_EQ(doc.strip(0, 2).YOffsetFactor, shifts[2] / 100.0);
    EXPECT_GT(shifts[1], 0.0);
    // Equal gaps, measured again on the board as drawn now.
    const double gap1 = text(0, 1).top() - text(0, 0).bottom();
    const double gap2 = text(0, 2).top() - text(0, 1).bottom();
    const double gap3 = text(0, 5).top() - text(0, 2).bottom();
    EXPECT_NEAR(gap1, gap2, 1.0);
    EXPECT_NEAR(gap2, gap3, 1.0);

    std::vector<std::pair<ColumnRow, int>> entries;
    for (const UndoEntry &e : f.editor.undo().entries)
        entries.emplace_back(e.strip, e.kind);
    EXPECT_EQ(entries, (std::vector<std::pair<ColumnRow, int>>{{{0, 1}, 0}, {{0, 2}, 1}}));

    press(ctl::Undo);
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(doc.strip(0, r), before.strip(0, r)) << r;
    EXPECT_FALSE(f.panel.isEnabled(ctl::Undo));
}

TEST_F(GroupModeTest, AStripGoneFromTheGridNeitherMovesNorChainsIntoOlderSteps)
{
    MenuData &doc = f.editor.document();
    PushUndoEntry(f.editor, {1, 0}); // an older step
    for (const ColumnRow &pick : {ColumnRow{0, 0}, ColumnRow{0, 5}, ColumnRow{0, 1}, ColumnRow{0, 4}})
        click(on(pick.column, pick.row));
    doc.NumberOfRows = 5; // row 5 is no longer part of the board
    const StripData row1 = doc.strip(0, 1);
    const StripData row5 = doc.strip(0, 5);
    press(ctl::SpaceGroupEvenly);
    EXPECT_EQ(doc.strip(0, 5), row5);
    EXPECT_NE(doc.strip(0, 1), row1);
    press(ctl::Undo);
    EXPECT_EQ(doc.strip(0, 1), row1);
    ASSERT_EQ(f.editor.undo().entries.size(), 1u);
    EXPECT_EQ(f.editor.undo().entries[0].strip, (ColumnRow{1, 0}));
}

TEST_F(GroupModeTest, TwoItemsEnableTheButtonWhichThenOnlyEndsGroupMode)
{
    const MenuData before = f.editor.document();
    click(on(0, 0));
    click(on(0, 3));
    ASSERT_TRUE(f.panel.isEnabled(ctl::SpaceGroupEvenly));
    press(ctl::SpaceGroupEvenly);
    EXPECT_EQ(f.editor.document(), before);
    EXPECT_FALSE(f.editor.modes().group);
    EXPECT_TRUE(f.editor.undo().entries.empty());
}

} // namespace
} // namespace zorvan
