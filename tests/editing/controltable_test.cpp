#include "editing/controlids.h"
#include "editing/controltable.h"
#include "editing/memorypanel.h"

#include <gtest/gtest.h>

#include <set>

namespace zorvan {
namespace {

struct VisibleControl {
    int id;
    const char *caption;
    ControlKind kind;
    bool enabled;
    int x;
    int y;
};

// The panel as the window creates it, before initialisation changes it.
const VisibleControl kVisible[] = {
    {1026, "Open Zorvan Layout File", ControlKind::Button, true, 8, 5},
    {1015, "Save Layout && TV Image Files", ControlKind::Button, true, 8, 18},
    {1140, "Print", ControlKind::Button, false, 8, 33},
    {1142, "White Bgnd Print Menu Format", ControlKind::CheckBox, false, 7, 45},
    {1110, "Help Videos", ControlKind::Button, true, 4, 57},
    {1137, "Size Text", ControlKind::GroupBox, false, 6, 77},
    {1005, "", ControlKind::IconButton, false, 21, 85},
    {1006, "", ControlKind::IconButton, false, 21, 95},
    {1079, "Move Text", ControlKind::GroupBox, false, 59, 77},
    {1001, "", ControlKind::IconButton, false, 77, 85},
    {1002, "", ControlKind::IconButton, false, 65, 95},
    {1003, "", ControlKind::IconButton, false, 89, 95},
    {1004, "", ControlKind::IconButton, false, 77, 95},
    {1189, "Size and Move Increment", ControlKind::GroupBox, false, 9, 110},
    {1179, "Micro", ControlKind::CheckBox, false, 17, 118},
    {1180, "Macro", ControlKind::CheckBox, false, 58, 118},
    {1109, "Selected Text", ControlKind::CheckBox, false, 8, 140},
    {1104, "All Text", ControlKind::CheckBox, false, 65, 140},
    {1027, "Center Text in Menu Strip", ControlKind::CheckBox, true, 14, 153},
    {1063, "Line Spacing", ControlKind::Label, true, 20, 164},
    {1013, "", ControlKind::IconButton, true, 66, 163},
    {1012, "", ControlKind::IconButton, true, 80, 163},
    {1141, "Edit Menu Item Background", ControlKind::Button, false, 8, 177},
    {1017, "Pallete Color", ControlKind::GroupBox, true, 16, 191},
    {1126, "              Edit Picture", ControlKind::GroupBox, false, 5, 235},
    {1152, "Pan", ControlKind::Label, false, 22, 243},
    {1151, "Zoom", ControlKind::Label, false, 76, 243},
    {1156, "Full", ControlKind::Label, false, 54, 252},
    {1154, "Vert", ControlKind::Label, false, 55, 275},
    {1150, "Brightness", ControlKind::Label, false, 13, 272},
    {1106, "Picture Frame", ControlKind::Label, false, 8, 293},
    {1105, "", ControlKind::DropList, false, 56, 291},
    {1018, "Load New Picture", ControlKind::Button, true, 16, 307},
    {1133, "Delete Picture", ControlKind::Button, false, 16, 320},
    {1085, "Delete Menu Item", ControlKind::Button, false, 15, 338},
    {1188, "Copy or Move Menu Item\nInstructions", ControlKind::Button, true, 12, 352},
    {1111, "Undo", ControlKind::Button, false, 11, 375},
    {1016, "Exit", ControlKind::Button, true, 61, 375},
    {1036, "Main Item", ControlKind::Label, true, 127, 3},
    {1000, "", ControlKind::TextBox, true, 119, 13},
    {1031, "SubItem", ControlKind::Label, true, 296, 3},
    {1030, "", ControlKind::TextBox, true, 287, 14},
    {1029, "Prices/Cals", ControlKind::Label, true, 465, 3},
    {1028, "", ControlKind::TextBox, true, 458, 14},
    {1182, "EDIT MODE:", ControlKind::Label, true, 146, 58},
    {1078, "Tab Spacing", ControlKind::Label, true, 458, 42},
    {1138, "Cal Spacing", ControlKind::Label, true, 546, 42},
    {1101, "Tab Instructions", ControlKind::Button, true, 554, 1},
    {1184, "Group Mode Instructions", ControlKind::Button, true, 642, 16},
    {1174, "Vertically Space\nGrouped Items Evenly", ControlKind::Button, false, 634, 29},
};

TEST(ControlTable, VisibleControlsHaveTheirCaptionKindStateAndPlace)
{
    for (const VisibleControl &expected : kVisible) {
        SCOPED_TRACE(expected.id);
        const ControlSpec *entry = FindControl(expected.id);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->caption, QString::fromUtf8(expected.caption));
        EXPECT_EQ(entry->kind, expected.kind);
        EXPECT_EQ(entry->enabled, expected.enabled);
        EXPECT_TRUE(entry->visible);
        EXPECT_EQ(entry->dialogRect.topLeft(), QPoint(expected.x, expected.y));
        EXPECT_GT(entry->dialogRect.width(), 0);
        EXPECT_GT(entry->dialogRect.height(), 0);
        EXPECT_LE(entry->dialogRect.right(), kDialogWidth);
        EXPECT_LE(entry->dialogRect.bottom(), kDialogHeight);
    }
}

TEST(ControlTable, HiddenControlsThatMatterExistHidden)
{
    for (int id : {ctl::LoadBackground, ctl::MainItemActive, ctl::SubItemActive, ctl::PricesActive, ctl::SizeLeft,
                   ctl::SizeRight, ctl::SizeValue}) {
        SCOPED_TRACE(id);
        const ControlSpec *entry = FindControl(id);
        ASSERT_NE(entry, nullptr);
        EXPECT_FALSE(entry->visible);
    }
    EXPECT_EQ(FindControl(ctl::LoadBackground)->caption, QStringLiteral("Load New Background Image"));
    for (int id : {ctl::MainItemActive, ctl::SubItemActive, ctl::PricesActive})
        EXPECT_EQ(FindControl(id)->caption, QStringLiteral("ACTIVE"));
}

TEST(ControlTable, SmallButtonsCarryTheirIcons)
{
    const std::pair<ButtonIcon, std::vector<int>> icons[] = {
        {ButtonIcon::Up, {1001, 1005, 1012, 1025, 1035, 1074}},
        {ButtonIcon::Down, {1004, 1006, 1013, 1024, 1033, 1048}},
        {ButtonIcon::Left, {1002, 1010, 1073}},
        {ButtonIcon::Right, {1003, 1011, 1072}},
        {ButtonIcon::Plus, {1042, 1075, 1166, 1168}},
        {ButtonIcon::Minus, {1045, 1076, 1167, 1170}},
    };
    for (const auto &[icon, ids] : icons)
        for (int id : ids) {
            SCOPED_TRACE(id);
            ASSERT_NE(FindControl(id), nullptr);
            EXPECT_EQ(FindControl(id)->icon, icon);
            EXPECT_EQ(FindControl(id)->kind, ControlKind::IconButton);
        }
}

TEST(ControlTable, IdsAreUniqueAndUnknownIdsFindNothing)
{
    std::set<int> seen;
    for (const ControlSpec &entry : ControlTable()) {
        if (entry.id != ctl::NoId) {
            EXPECT_TRUE(seen.insert(entry.id).second) << entry.id;
        }
    }
    EXPECT_EQ(FindControl(ctl::NoId), nullptr);
    EXPECT_EQ(FindControl(1080), nullptr); // never-shown controls are not created
    MemoryPanel panel;
    panel.setEnabled(1080, true);
    EXPECT_EQ(panel.state(1080), ControlState{});
}

TEST(DialogUnits, ConvertWithTheFontsBaseUnits)
{
    const DialogUnits units{7, 16};
    EXPECT_EQ(units.rect(QRect(8, 5, 104, 12)), QRect(14, 10, 182, 24));
    const DialogUnits odd{6, 13};
    EXPECT_EQ(odd.x(61), 91); // 61 * 6 / 4, truncated
    EXPECT_EQ(odd.y(375), 609);
}

} // namespace
} // namespace zorvan
