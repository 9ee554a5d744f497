#include "editing/controlids.h"
#include "editing/controlpanel.h"
#include "editing/controltable.h"
#include "editing/memorypanel.h"

#include <gtest/gtest.h>

#include <set>

namespace zorvan {
namespace {

using namespace ctl;

std::set<int> EnabledVisible(const PanelView &panel)
{
    std::set<int> ids;
    for (const ControlSpec &entry : ControlTable())
        if (FindControl(entry.id) && panel.isVisible(entry.id) && panel.isEnabled(entry.id))
            ids.insert(entry.id);
    return ids;
}

const std::set<int> kAlwaysOn = {OpenLayout, HelpVideos, CopyInstructions, Exit, Status, GroupInstructions};

const std::set<int> kEditingControls = {
    FrameLabel, FrameList, SaveLayout, Print, WhitePrint, LoadPicture, SizeUp, SizeDown, MoveUp, MoveLeft, MoveRight,
    MoveDown, LineSpacingDown, LineSpacingUp, CenterText, LineSpacingLabel, MainItemLabel, SubItemLabel, PricesLabel,
    Palette, MoveGroup, MainItemBox, SubItemBox, PricesBox, IncrementGroup, Micro, Macro, SizeGroup, TabInstructions,
    TabSpacingLabel, TabSpacingDown, TabSpacingValue, TabSpacingUp, CalSpacingLabel, CalSpacingDown, CalSpacingValue,
    CalSpacingUp};

const std::set<int> kAdjustButtons = {BrightnessLabel, BrightnessPlus, BrightnessMinus, ZoomLabel, ZoomPlus,
                                      ZoomMinus, FullLabel, HorizLabel, HorizPlus, HorizMinus, VertLabel, VertPlus,
                                      VertMinus, PanLabel, PanUp, PanDown, PanLeft, PanRight};

std::set<int> Union(std::set<int> a, const std::set<int> &b)
{
    a.insert(b.begin(), b.end());
    return a;
}

class ControlPanelTest : public ::testing::Test {
protected:
    MemoryPanel view;
    ControlPanel panel{view};
};

TEST_F(ControlPanelTest, EditingControlsOffLeavesOnlyTheAlwaysAvailableCommands)
{
    // Switch everything on first, so that "off" has something to undo.
    for (const ControlSpec &entry : ControlTable())
        view.setEnabled(entry.id, true);
    view.setChecked(Macro, true);
    panel.SetEditingControls(false);
    EXPECT_EQ(EnabledVisible(view), Union(kAlwaysOn, {EditStripBackground, Undo, SpaceGroupEvenly, EditPictureGroup}));
    EXPECT_TRUE(view.isChecked(Micro));
    EXPECT_FALSE(view.isChecked(Macro));
}

TEST_F(ControlPanelTest, EditingControlsOnEnablesTheEditingSetButNeverTheSelectionCommands)
{
    panel.SetEditingControls(false);
    panel.SetEditingControls(true);
    const std::set<int> enabled = EnabledVisible(view);
    for (int id : kEditingControls)
        EXPECT_TRUE(enabled.count(id)) << id;
    for (int id : {DeleteStrip, DeletePicture, AllText, SelectedText, TextToMoveGroup})
        EXPECT_FALSE(enabled.count(id)) << id;
    for (int id : kAdjustButtons)
        EXPECT_FALSE(enabled.count(id)) << id;
    // The horizontal size buttons follow, though they stay hidden until a picture or box is picked.
    EXPECT_TRUE(view.isEnabled(SizeLeft));
    EXPECT_FALSE(view.isVisible(SizeLeft));
    EXPECT_EQ(view.paletteRedraws(), 2);
}

TEST_F(ControlPanelTest, PanelAfterLoading)
{
    panel.SetEditingControls(false);
    panel.SetPanelAfterLoading();
    const std::set<int> enabled = EnabledVisible(view);
    for (int id : {Palette, CenterText, EditStripBackground, FrameLabel, FrameList})
        EXPECT_FALSE(enabled.count(id)) << id;
    for (int id : {SizeLeft, SizeRight, SizeValue})
        EXPECT_FALSE(view.isEnabled(id)) << id;
    for (int id : {SaveLayout, Print, WhitePrint, MainItemBox, SubItemBox, PricesBox, TabInstructions, LoadPicture})
        EXPECT_TRUE(enabled.count(id)) << id;
}

TEST_F(ControlPanelTest, OutputCommandsAndPalette)
{
    panel.SetOutputCommands(true);
    for (int id : {SaveLayout, Print, WhitePrint})
        EXPECT_TRUE(view.isEnabled(id));
    panel.SetOutputCommands(false);
    for (int id : {SaveLayout, Print, WhitePrint})
        EXPECT_FALSE(view.isEnabled(id));
    EXPECT_EQ(view.isEnabled(OpenLayout), true);
    panel.SetPaletteEnabled(false);
    EXPECT_FALSE(view.isEnabled(Palette));
    EXPECT_EQ(view.paletteRedraws(), 1);
}

struct MoveSizeCase {
    const char *name;
    EditModes modes;
    const char *sizeCaption;
    const char *moveCaption;
    bool buttonsOn;
    bool horizontalShown;
};

TEST_F(ControlPanelTest, MoveSizeControlsFollowTheMode)
{
    EditModes text, picture, background, none;
    text.text = true;
    picture.picture = true;
    background.background = true;
    const MoveSizeCase cases[] = {
        {"text", text, "Size Text", "Move Text", true, false},
        {"picture", picture, "Size Picture", "Move Picture", true, true},
        {"background", background, "Size Bgnd", "Move Bgnd", true, true},
        {"none", none, "Size Text", "Move Text", false, false},
    };
    for (const MoveSizeCase &c : cases) {
        SCOPED_TRACE(c.name);
        // Start from the picture captions so that every case has to relabel.
        view.setCaption(SizeGroup, QStringLiteral("Size Picture"));
        view.setCaption(MoveGroup, QStringLiteral("Move Picture"));
        view.setChecked(Macro, true);
        view.setChecked(Micro, false);
        panel.ShowMoveSizeControls(c.modes);
        EXPECT_EQ(view.caption(SizeGroup), QString::fromUtf8(c.sizeCaption));
        EXPECT_EQ(view.caption(MoveGroup), QString::fromUtf8(c.moveCaption));
        for (int id : {MoveUp, MoveLeft, MoveRight, MoveDown, SizeUp, SizeDown})
            EXPECT_EQ(view.isEnabled(id), c.buttonsOn) << id;
        EXPECT_EQ(view.isEnabled(MoveGroup), c.buttonsOn);
        for (int id : {SizeLeft, SizeRight})
            EXPECT_EQ(view.isVisible(id), c.horizontalShown) << id;
        if (!c.buttonsOn) {
            EXPECT_FALSE(view.isEnabled(SizeGroup));
            EXPECT_FALSE(view.isEnabled(IncrementGroup));
            EXPECT_FALSE(view.isEnabled(Micro));
            EXPECT_TRUE(view.isChecked(Micro));
            EXPECT_FALSE(view.isChecked(Macro));
        }
    }
}

TEST_F(ControlPanelTest, AfterPictureModeTextModeRelabelsTheMoveGroup)
{
    EditModes modes;
    modes.picture = true;
    panel.ShowMoveSizeControls(modes);
    EXPECT_EQ(view.caption(MoveGroup), QStringLiteral("Move Picture"));
    modes.clearStripModes();
    modes.text = true;
    panel.ShowMoveSizeControls(modes);
    EXPECT_EQ(view.caption(MoveGroup), QStringLiteral("Move Text"));
    EXPECT_FALSE(view.isVisible(SizeLeft));
}

TEST_F(ControlPanelTest, TextEditControls)
{
    struct Case {
        bool on;
        bool templateHasPicture;
        bool stripBackgroundEnabled;
    };
    for (const Case &c : {Case{true, false, true}, Case{true, true, false}, Case{false, false, false}}) {
        SCOPED_TRACE(testing::Message() << c.on << c.templateHasPicture);
        view.setEnabled(LoadPicture, true);
        view.setEnabled(EditStripBackground, false);
        for (int id : kAdjustButtons)
            view.setEnabled(id, true);
        panel.SetTextEditControls(c.on, c.templateHasPicture);
        for (int id : {MoveGroup, MoveUp, MoveLeft, MoveRight, MoveDown, SizeUp, SizeDown, SizeGroup, IncrementGroup,
                       Micro, Macro, Palette, CenterText})
            EXPECT_EQ(view.isEnabled(id), c.on) << id;
        EXPECT_FALSE(view.isEnabled(LoadPicture));
        EXPECT_EQ(view.isVisible(SizeValue), c.on);
        EXPECT_EQ(view.isEnabled(EditStripBackground), c.stripBackgroundEnabled);
        EXPECT_TRUE(view.isChecked(Micro));
        for (int id : kAdjustButtons)
            EXPECT_FALSE(view.isEnabled(id)) << id;
    }
}

TEST_F(ControlPanelTest, PictureControlsAndAdjustButtons)
{
    panel.SetPictureControls(true);
    for (int id : Union(kAdjustButtons, {EditPictureGroup, LoadPicture, FrameLabel, FrameList, DeletePicture}))
        EXPECT_TRUE(view.isEnabled(id)) << id;
    panel.SetPictureAdjustButtons(false);
    for (int id : kAdjustButtons)
        EXPECT_FALSE(view.isEnabled(id)) << id;
    EXPECT_TRUE(view.isEnabled(DeletePicture));
    panel.SetPictureControls(false);
    for (int id : {EditPictureGroup, LoadPicture, FrameLabel, FrameList, DeletePicture})
        EXPECT_FALSE(view.isEnabled(id)) << id;
}

TEST_F(ControlPanelTest, PanButtonsOnlyWhereThereIsSomethingToPan)
{
    struct Case {
        bool on;
        int cropX, cropY;
        bool horizontal, vertical;
    };
    const Case cases[] = {
        {true, 50, 50, true, true},  {true, 100, 50, false, true}, {true, 50, 100, true, false},
        {true, 100, 100, false, false}, {true, 99, 120, true, false}, {false, 10, 10, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.on << " " << c.cropX << " " << c.cropY);
        panel.UpdatePanButtons(c.on, c.cropX, c.cropY);
        EXPECT_EQ(view.isEnabled(PanLabel), c.on);
        EXPECT_EQ(view.isEnabled(PanLeft), c.horizontal);
        EXPECT_EQ(view.isEnabled(PanRight), c.horizontal);
        EXPECT_EQ(view.isEnabled(PanUp), c.vertical);
        EXPECT_EQ(view.isEnabled(PanDown), c.vertical);
    }
}

TEST_F(ControlPanelTest, ReadOuts)
{
    panel.ShowTabSpacing(8.0);
    panel.ShowCaloriesSpacing(3.8);
    panel.ShowSize(1.24, false);
    EXPECT_EQ(view.caption(TabSpacingValue), QStringLiteral("8.0"));
    EXPECT_EQ(view.caption(CalSpacingValue), QStringLiteral("3.8"));
    EXPECT_EQ(view.caption(SizeValue), QStringLiteral("1.2"));
    panel.ShowSize(1.256, true);
    EXPECT_EQ(view.caption(SizeValue), QStringLiteral("1.26"));
}

TEST_F(ControlPanelTest, ExclusivePairsTakeTheOppositeOfTheClickedBox)
{
    const std::pair<int, int> pairs[] = {{SelectedText, AllText}, {AllText, SelectedText}, {Micro, Macro}, {Macro, Micro}};
    for (const auto &[clicked, partner] : pairs) {
        SCOPED_TRACE(clicked);
        for (bool state : {true, false}) {
            view.setChecked(clicked, state); // the click has toggled the box already
            view.setChecked(partner, state);
            EXPECT_TRUE(panel.FollowExclusivePair(clicked));
            EXPECT_EQ(view.isChecked(partner), !state);
            EXPECT_EQ(view.isChecked(clicked), state);
        }
    }
    EXPECT_FALSE(panel.FollowExclusivePair(CenterText));
}

} // namespace
} // namespace zorvan
