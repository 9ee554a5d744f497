#include "fakeservices.h"

#include "editing/controlids.h"
#include "editing/stripdrag.h"
#include "editing/undolist.h"
#include "render/boardgeometry.h"

#include "tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

#include <functional>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

// One line of a session: a right-button drag between the centres of two
// cells (or by a few pixels from the first), or a button.
struct Step {
    enum Kind { Drag, Nudge, Button } kind;
    ColumnRow from{};
    ColumnRow to{};
    bool shift = false;
    bool alt = false;
    QPoint by{};
    int id = 0;
};

Step DragCells(ColumnRow from, ColumnRow to, bool shift = false, bool alt = false)
{
    return {Step::Drag, from, to, shift, alt};
}
Step NudgeFrom(ColumnRow from, QPoint by)
{
    Step step{Step::Nudge, from};
    step.by = by;
    return step;
}
Step Press(int id)
{
    Step step{Step::Button};
    step.id = id;
    return step;
}

constexpr Colour kRed = 0x000000FF;
constexpr Colour kFill = 0x00204060;

// A 2 x 6 grid on an 800 x 600 board shown 1:1: cells of 400 x 100 pixels.
class StripDragTest : public ::testing::Test {
protected:
    test::TempDir temp;
    QString work = temp.file(QStringLiteral("Trelmont/QRT100"));
    test::EditorFixture f{work};

    StripDragTest()
    {
        const QString background = temp.file(QStringLiteral("Menu.jpg"));
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(Qt::black);
        EXPECT_TRUE(QImageWriter(background, "jpeg").write(image));
        f.dialogs.files.push_back(background);
        EXPECT_TRUE(f.editor.RunCommand(CommandEvent{MenuOpen, false, false}));
        doc().NumberOfColumns = 2;
        doc().NumberOfRows = 6;
        doc().Modified = false;
    }

    MenuData &doc() { return f.editor.document(); }
    StripData &strip(int c, int r) { return doc().strip(c, r); }

    StripData &item(int c, int r, const QString &text, Colour fill = kFill)
    {
        StripData &s = strip(c, r);
        s.MainItemTextParams.Text = text;
        s.BackGroundColor = fill;
        s.XSizeFactor = 0.9;
        s.YSizeFactor = 0.8;
        return s;
    }

    QPoint centre(const ColumnRow &cell)
    {
        const QRectF r = f.editor.render().cellGrid.at(cell.column, cell.row);
        return QPoint(int(r.x() + r.width() / 2), int(r.y() + r.height() / 2));
    }

    void play(const std::vector<Step> &steps)
    {
        f.editor.RefreshPreview();
        for (const Step &step : steps) {
            switch (step.kind) {
            case Step::Drag:
                StartDrag(f.editor, centre(step.from), step.shift, step.alt);
                EndDrag(f.editor, centre(step.to));
                break;
            case Step::Nudge:
                StartDrag(f.editor, centre(step.from), step.shift, step.alt);
                EndDrag(f.editor, centre(step.from) + step.by);
                break;
            case Step::Button:
                ASSERT_TRUE(f.editor.RunCommand(CommandEvent{step.id, false, false})) << step.id;
                break;
            }
        }
    }

    std::vector<std::tuple<int, int, int>> undoList()
    {
        std::vector<std::tuple<int, int, int>> list;
        for (const UndoEntry &e : f.editor.undo().entries)
            list.emplace_back(e.strip.column, e.strip.row, e.kind);
        return list;
    }
};

TEST_F(StripDragTest, PressAndReleaseWithinFourPixelsOnlyResetsTheStatus)
{
    const StripData &source = item(0, 0, QStringLiteral("Burger"));
    const StripData before = source;
    f.editor.SetStatus(kStatusText);
    for (const QPoint by : {QPoint(4, 4), QPoint(-4, 0), QPoint(0, -4), QPoint(0, 0)}) {
        SCOPED_TRACE(by.x() * 100 + by.y());
        play({NudgeFrom({0, 0}, by)});
        EXPECT_EQ(f.editor.status(), kStatusIdle);
        EXPECT_EQ(f.editor.modes().rightDrag, RightDragKind::None);
        EXPECT_EQ(f.window.dragCursor, RightDragKind::None);
        EXPECT_EQ(strip(0, 0), before);
        EXPECT_TRUE(f.editor.undo().entries.empty());
        EXPECT_NE(doc().StyleTemplate.MainItemTextParams.Text, QStringLiteral("Burger"));
    }
    // Five pixels is a drag; back onto the strip itself it picks the style up.
    play({NudgeFrom({0, 0}, QPoint(5, 0))});
    EXPECT_EQ(doc().StyleTemplate, before);
    EXPECT_TRUE(f.editor.undo().entries.empty());
    EXPECT_EQ(strip(0, 0), before);
}

TEST_F(StripDragTest, PressShowsTheKindInTheStatusAndTheCursor)
{
    item(0, 0, QStringLiteral("Burger"));
    f.editor.RefreshPreview();
    struct Case {
        bool shift, alt;
        RightDragKind kind;
        QString status;
    };
    for (const Case &c : {Case{false, false, RightDragKind::Copy, kStatusCopying},
                          Case{false, true, RightDragKind::Move, kStatusMoving},
                          Case{true, true, RightDragKind::Move, kStatusMoving},
                          Case{true, false, RightDragKind::Restyle, kStatusGroup}}) {
        f.editor.SetStatus(kStatusGroup);
        StartDrag(f.editor, centre({0, 0}), c.shift, c.alt);
        EXPECT_EQ(f.editor.modes().rightDrag, c.kind);
        EXPECT_EQ(f.window.dragCursor, c.kind);
        EXPECT_EQ(f.editor.status(), c.status);
        EXPECT_EQ(f.editor.drag().source, (ColumnRow{0, 0}));
        EXPECT_TRUE(f.panel.isChecked(AllText));
        EXPECT_FALSE(f.panel.isChecked(SelectedText));
        EndDrag(f.editor, centre({0, 0}));
        EXPECT_EQ(f.window.dragCursor, RightDragKind::None);
    }
    // An empty cell is a source for copies; a restyle needs something to take the look from.
    StartDrag(f.editor, centre({1, 3}), false, false);
    EXPECT_EQ(f.editor.modes().rightDrag, RightDragKind::Copy);
    EndDrag(f.editor, centre({1, 3}));
    StartDrag(f.editor, centre({1, 3}), true, false);
    EXPECT_EQ(f.editor.modes().rightDrag, RightDragKind::None);
    EndDrag(f.editor, centre({1, 3}));
}

TEST_F(StripDragTest, CopiesLandOnTheFirstFreeRowNeverPushedOntoTheLast)
{
    struct Case {
        const char *name;
        std::vector<int> used; // rows of column 1 in use
        ColumnRow drop;
        int landsOn; // -1: nothing happens
    };
    const Case cases[] = {
        {"free cell", {}, {1, 2}, 2},
        {"on a used strip", {1}, {1, 1}, 2},
        {"on used rows", {1, 2}, {1, 1}, 3},
        {"every row below used up to the one before the last", {1, 2, 3, 4}, {1, 1}, -1},
        {"straight onto the free last row", {}, {1, 5}, 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (int r = 0; r < 6; ++r)
            ResetStrip(strip(1, r));
        f.editor.undo().clear();
        const StripData source = item(0, 0, QStringLiteral("Burger"));
        for (int row : c.used)
            item(1, row, QStringLiteral("Row %1").arg(row));
        doc().Modified = true; // a press on a strip marks the layout modified
        const MenuData before = doc();
        play({DragCells({0, 0}, c.drop)});
        EXPECT_EQ(f.editor.status(), kStatusIdle);
        if (c.landsOn < 0) {
            EXPECT_EQ(doc(), before);
            EXPECT_TRUE(f.editor.undo().entries.empty());
            continue;
        }
        EXPECT_EQ(strip(1, c.landsOn).MainItemTextParams.Text, QStringLiteral("Burger"));
        EXPECT_EQ(strip(0, 0), source);
        for (int row : c.used)
            EXPECT_EQ(strip(1, row).MainItemTextParams.Text, QStringLiteral("Row %1").arg(row));
        EXPECT_EQ(undoList(), (std::vector<std::tuple<int, int, int>>{{1, c.landsOn, 0}}));
        EXPECT_TRUE(f.panel.isEnabled(ctl::Undo));
        EXPECT_TRUE(doc().Modified);
    }
}

TEST_F(StripDragTest, CopyingAPictureTwiceGivesEachCopyItsOwnFileAndProxy)
{
    const QString logo = work + QStringLiteral("/logo.jpg");
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(QImageWriter(logo, "jpeg").write(image));
    ASSERT_TRUE(QFile::copy(logo, work + QStringLiteral("/logo_Proxy.jpg")));
    item(0, 0, QStringLiteral("Logo")).SubImageFileName = logo;

    play({DragCells({0, 0}, {1, 0}), DragCells({0, 0}, {1, 0})});
    EXPECT_EQ(strip(1, 0).SubImageFileName, work + QStringLiteral("/logo(1).jpg"));
    EXPECT_EQ(strip(1, 1).SubImageFileName, work + QStringLiteral("/logo(2).jpg"));
    EXPECT_EQ(strip(0, 0).SubImageFileName, logo);
    for (const char *name : {"logo(1).jpg", "logo(2).jpg", "logo(1)_Proxy.jpg", "logo(2)_Proxy.jpg"})
        EXPECT_TRUE(QFileInfo::exists(work + QLatin1Char('/') + QLatin1String(name))) << name;
    EXPECT_EQ(undoList(), (std::vector<std::tuple<int, int, int>>{{1, 0, 0}, {1, 1, 0}}));
}

TEST_F(StripDragTest, AMoveIsUndoneInOneStep)
{
    StripData &source = item(0, 1, QStringLiteral("Burger"));
    source.YOffsetFactor = 0.1;
    strip(1, 3).YOffsetFactor = -0.05; // a free strip keeps its height for the moved one
    const MenuData before = doc();

    play({DragCells({0, 1}, {1, 3}, false, true)});
    EXPECT_FALSE(IsStripInUse(strip(0, 1)));
    EXPECT_EQ(strip(1, 3).MainItemTextParams.Text, QStringLiteral("Burger"));
    EXPECT_EQ(strip(1, 3).YOffsetFactor, -0.05);
    EXPECT_EQ(undoList(), (std::vector<std::tuple<int, int, int>>{{0, 1, 0}, {1, 3, 1}}));

    play({Press(ctl::Undo)});
    EXPECT_EQ(doc().strip(0, 1), before.strip(0, 1));
    EXPECT_EQ(doc().strip(1, 3), before.strip(1, 3));
    EXPECT_TRUE(f.editor.undo().entries.empty());
    EXPECT_EQ(f.editor.undo().index, -1);
    EXPECT_FALSE(f.panel.isEnabled(ctl::Undo));
}

TEST_F(StripDragTest, AShiftDragRestylesTheTargetAndKeepsItsTexts)
{
    StripData &source = item(0, 0, QStringLiteral("Pizza"));
    source.MainItemTextParams.TextColor = kRed;
    source.MainItemTextParams.Font = QStringLiteral("Liberation Serif");
    source.MainItemTextParams.ScaleFactor = 1.5;
    source.SubItemsTextParams.Text = QStringLiteral("cheese, tomato");
    source.SubItemsTextParams.TextColor = kRed;
    StripData &target = item(1, 4, QStringLiteral("Salad"), kNoColour);
    target.YOffsetFactor = 0.2;
    const StripData targetBefore = target;

    play({DragCells({0, 0}, {1, 4}, true, false)});
    EXPECT_EQ(target.MainItemTextParams.Text, QStringLiteral("Salad"));
    EXPECT_EQ(target.MainItemTextParams.TextColor, kRed);
    EXPECT_EQ(target.MainItemTextParams.Font, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(target.MainItemTextParams.ScaleFactor, 1.5);
    EXPECT_EQ(target.SubItemsTextParams, targetBefore.SubItemsTextParams);
    EXPECT_EQ(target.BackGroundColor, kFill);
    EXPECT_EQ(target.YOffsetFactor, 0.2);
    EXPECT_EQ(strip(0, 0).MainItemTextParams.Text, QStringLiteral("Pizza"));
    EXPECT_EQ(undoList(), (std::vector<std::tuple<int, int, int>>{{1, 4, 0}}));

    play({Press(ctl::Undo)});
    EXPECT_EQ(target, targetBefore);
}

TEST_F(StripDragTest, ACompletedDragEndsTheStripModesAndEmptiesTheBoxes)
{
    item(0, 0, QStringLiteral("Burger"));
    f.editor.modes().text = true;
    f.panel.setText(MainItemBox, QStringLiteral("Burger"));
    f.panel.setEnabled(ctl::DeleteStrip, true);
    play({DragCells({0, 0}, {1, 2})});
    EXPECT_FALSE(f.editor.modes().anyStripMode());
    EXPECT_TRUE(f.panel.text(MainItemBox).isEmpty());
    EXPECT_FALSE(f.panel.isEnabled(ctl::DeleteStrip));
    EXPECT_FALSE(f.panel.isEnabled(EditStripBackground));
}

TEST_F(StripDragTest, ADropPartlyOffTheBoardIsPushedBackOn)
{
    StripData &source = item(0, 0, QStringLiteral("Burger"));
    source.XSizeFactor = 1.0;
    source.XOffsetFactor = 0.5; // half of the box beyond the right edge once in the right column
    play({DragCells({0, 0}, {1, 2})});
    const QRectF box = StripRectInScreenSpace(f.editor.render(), doc(), 1, 2);
    // Cells start one pixel in from the board's left edge, so the box comes to rest one pixel left of its cell.
    EXPECT_NEAR(box.right(), f.editor.render().boardRect.right, 1e-9);
    EXPECT_NEAR(strip(1, 2).XOffsetFactor, -1.0 / 400, 1e-9);
}

TEST_F(StripDragTest, CopiedPricesLyingRightOfTheirCellArePulledBackIn)
{
    struct Case {
        const char *name;
        bool main;
        double xref;
        double xrefAfter;
    };
    for (const Case &c : {Case{"prices only, right of the cell", false, 1.5, 0.5},
                          Case{"prices only, inside the cell", false, 0.5, 0.5},
                          Case{"prices with a main item", true, 1.5, 1.5}}) {
        SCOPED_TRACE(c.name);
        ResetStrip(strip(0, 3));
        StripData &source = item(0, 0, c.main ? QStringLiteral("Burger") : QString());
        source.XSizeFactor = 0.2;
        source.PricesTextParams.Text = QStringLiteral("4.99");
        source.PricesTextParams.Xref = c.xref;
        play({DragCells({0, 0}, {0, 3})});
        ASSERT_EQ(strip(0, 3).PricesTextParams.Text, QStringLiteral("4.99"));
        EXPECT_DOUBLE_EQ(strip(0, 3).PricesTextParams.Xref, c.xrefAfter);
        EXPECT_EQ(strip(0, 0).PricesTextParams.Xref, c.xref);
    }
}

TEST_F(StripDragTest, DeleteThenUndoBringsTheStripBack)
{
    StripData &s = item(1, 2, QStringLiteral("Burger"));
    s.SubImageFrameIndex = 2;
    const StripData before = s;
    struct Case {
        const char *name;
        bool EditModes::*mode;
        ColumnRow Selection::*selected;
    };
    for (const Case &c : {Case{"text", &EditModes::text, &Selection::textEditStrip},
                          Case{"picture", &EditModes::picture, &Selection::pictureEditStrip},
                          Case{"background", &EditModes::background, &Selection::backgroundEditStrip}}) {
        SCOPED_TRACE(c.name);
        // Entering a strip mode records the strip as it is.
        f.editor.modes().*c.mode = true;
        f.editor.selection().*c.selected = {1, 2};
        PushUndoEntry(f.editor, {1, 2});
        f.editor.SetStatus(kStatusText);
        play({Press(ctl::DeleteStrip)});
        EXPECT_FALSE(IsStripInUse(strip(1, 2)));
        EXPECT_FALSE(f.editor.modes().anyStripMode());
        EXPECT_EQ(f.editor.status(), kStatusIdle);
        EXPECT_FALSE(f.panel.isEnabled(ctl::DeleteStrip));
        EXPECT_EQ(undoList().size(), 1u) << "Delete adds no entry of its own";
        play({Press(ctl::Undo)});
        EXPECT_EQ(strip(1, 2), before);
        EXPECT_FALSE(f.panel.isEnabled(ctl::Undo));
    }
}

TEST_F(StripDragTest, UndoGoesBackOneStepAtATime)
{
    item(0, 0, QStringLiteral("A"));
    item(0, 1, QStringLiteral("B"));
    doc().Modified = true;
    const MenuData start = doc();
    play({DragCells({0, 0}, {1, 0})});
    const MenuData afterCopy = doc();
    play({DragCells({0, 1}, {1, 3}, false, true)});
    const MenuData afterMove = doc();
    play({DragCells({0, 0}, {1, 3}, true, false)});
    EXPECT_EQ(undoList().size(), 4u);

    play({Press(ctl::Undo)});
    EXPECT_EQ(doc(), afterMove);
    play({Press(ctl::Undo)});
    EXPECT_EQ(doc(), afterCopy);
    EXPECT_TRUE(f.panel.isEnabled(ctl::Undo));
    play({Press(ctl::Undo)});
    EXPECT_EQ(doc(), start);
    EXPECT_FALSE(f.panel.isEnabled(ctl::Undo));
    // With nothing left, Undo changes nothing.
    play({Press(ctl::Undo)});
    EXPECT_EQ(doc(), start);
    // A new step after undoing starts the list afresh.
    play({DragCells({0, 0}, {1, 4})});
    EXPECT_EQ(undoList(), (std::vector<std::tuple<int, int, int>>{{1, 4, 0}}));
}

TEST_F(StripDragTest, UndoRemakesTheProxyOfARestoredPicture)
{
    const QString picture = work + QStringLiteral("/dish.jpg");
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(QImageWriter(picture, "jpeg").write(image));
    StripData &s = item(0, 2, QStringLiteral("Dish"));
    s.SubImageFileName = picture;
    s.SubImageBrightnessFactor = 40;
    PushUndoEntry(f.editor, {0, 2});
    s.SubImageFileName.clear();
    play({Press(ctl::Undo)});
    EXPECT_EQ(strip(0, 2).SubImageFileName, picture);
    EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/dish_Proxy.jpg")));
    EXPECT_TRUE(f.editor.render().pictureProxiesInUse);
    EXPECT_TRUE(f.dialogs.texts.isEmpty());

    // A picture that is gone is put back without a message about its proxy.
    s.SubImageFileName = work + QStringLiteral("/gone.jpg");
    PushUndoEntry(f.editor, {0, 2});
    s.SubImageFileName.clear();
    play({Press(ctl::Undo)});
    EXPECT_EQ(strip(0, 2).SubImageFileName, work + QStringLiteral("/gone.jpg"));
    EXPECT_TRUE(f.dialogs.texts.isEmpty());
}

TEST_F(StripDragTest, UndoLeavesTheStripModesAndTurnsThePanelBack)
{
    item(0, 0, QStringLiteral("A"));
    PushUndoEntry(f.editor, {0, 0});
    f.editor.modes().picture = true;
    f.panel.setEnabled(DeletePicture, true);
    f.panel.setChecked(Macro, true);
    f.panel.setChecked(Micro, false);
    f.panel.setText(SubItemBox, QStringLiteral("x"));
    play({Press(ctl::Undo)});
    EXPECT_FALSE(f.editor.modes().anyStripMode());
    EXPECT_EQ(f.editor.status(), kStatusIdle);
    EXPECT_FALSE(f.panel.isEnabled(DeletePicture));
    EXPECT_TRUE(f.panel.isChecked(Micro));
    EXPECT_FALSE(f.panel.isChecked(Macro));
    for (int id : {IncrementGroup, Micro, Macro})
        EXPECT_FALSE(f.panel.isEnabled(id)) << id;
    EXPECT_TRUE(f.panel.text(SubItemBox).isEmpty());
}

} // namespace
} // namespace zorvan
