#include "editing/controltable.h"

#include "editing/controlids.h"

namespace zorvan {

QRect DialogUnits::rect(const QRect &units) const
{
    return {x(units.x()), y(units.y()), x(units.width()), y(units.height())};
}

namespace {

using K = ControlKind;
using I = ButtonIcon;

ControlSpec Make(int id, const char *caption, K kind, bool enabled, QRect r, I icon = I::None)
{
    ControlSpec entry;
    entry.id = id;
    entry.caption = QString::fromUtf8(caption);
    entry.kind = kind;
    entry.enabled = enabled;
    entry.dialogRect = r;
    entry.icon = icon;
    return entry;
}

ControlSpec Icon(int id, I icon, bool enabled, int x, int y)
{
    return Make(id, "", K::IconButton, enabled, QRect(x, y, 11, 9), icon);
}

ControlSpec CheckLeft(int id, const char *caption, bool enabled, QRect r)
{
    ControlSpec entry = Make(id, caption, K::CheckBox, enabled, r);
    entry.textLeft = true;
    return entry;
}

ControlSpec Hidden(ControlSpec entry)
{
    entry.visible = false;
    return entry;
}

std::vector<ControlSpec> BuildTable()
{
    using namespace ctl;
    constexpr bool E = true;
    constexpr bool D = false;
    return {
        // Left column: file, output and help.
        Make(OpenLayout, "Open Zorvan Layout File", K::Button, E, {8, 5, 104, 12}),
        Make(SaveLayout, "Save Layout && TV Image Files", K::Button, E, {8, 18, 104, 13}),
        Make(Print, "Print", K::Button, D, {8, 33, 104, 11}),
        CheckLeft(WhitePrint, "White Bgnd Print Menu Format", D, {7, 45, 111, 10}),
        Make(HelpVideos, "Help Videos", K::Button, E, {4, 57, 110, 14}),
        Hidden(Make(LoadBackground, "Load New Background Image", K::Button, E, {8, 5, 104, 12})),

        // Size and move.
        Make(SizeGroup, "Size Text", K::GroupBox, D, {6, 77, 50, 31}),
        Icon(SizeUp, I::Up, D, 21, 85),
        Icon(SizeDown, I::Down, D, 21, 95),
        Hidden(Icon(SizeLeft, I::Left, D, 9, 90)),
        Hidden(Icon(SizeRight, I::Right, D, 33, 90)),
        Hidden(Make(SizeValue, "", K::ValueLabel, D, {35, 90, 19, 8})),
        Make(MoveGroup, "Move Text", K::GroupBox, D, {59, 77, 52, 31}),
        Icon(MoveUp, I::Up, D, 77, 85),
        Icon(MoveLeft, I::Left, D, 65, 95),
        Icon(MoveRight, I::Right, D, 89, 95),
        Icon(MoveDown, I::Down, D, 77, 95),
        Make(IncrementGroup, "Size and Move Increment", K::GroupBox, D, {9, 110, 100, 21}),
        CheckLeft(Micro, "Micro", D, {17, 118, 34, 10}),
        CheckLeft(Macro, "Macro", D, {58, 118, 36, 10}),
        Make(TextToMoveGroup, "Menu Item Text to be Moved", K::GroupBox, D, {5, 132, 108, 19}),
        Make(SelectedText, "Selected Text", K::CheckBox, D, {8, 140, 55, 10}),
        Make(AllText, "All Text", K::CheckBox, D, {65, 140, 44, 10}),
        Make(CenterText, "Center Text in Menu Strip", K::CheckBox, E, {14, 153, 98, 10}),
        Make(LineSpacingLabel, "Line Spacing", K::Label, E, {20, 164, 44, 8}),
        Icon(LineSpacingDown, I::Down, E, 66, 163),
        Icon(LineSpacingUp, I::Up, E, 80, 163),
        Make(EditStripBackground, "Edit Menu Item Background", K::Button, D, {8, 177, 104, 12}),
        Make(Palette, "Pallete Color", K::GroupBox, E, {16, 191, 92, 42}),

        // Picture.
        Make(EditPictureGroup, "              Edit Picture", K::GroupBox, D, {5, 235, 109, 55}),
        Make(PanLabel, "Pan", K::Label, D, {22, 243, 16, 8}),
        Icon(PanUp, I::Up, D, 24, 251),
        Icon(PanLeft, I::Left, D, 13, 257),
        Icon(PanRight, I::Right, D, 35, 257),
        Icon(PanDown, I::Down, D, 24, 263),
        Make(ZoomLabel, "Zoom", K::Label, D, {76, 243, 20, 8}),
        Icon(ZoomPlus, I::Plus, D, 90, 252),
        Icon(ZoomMinus, I::Minus, D, 101, 252),
        Make(FullLabel, "Full", K::Label, D, {54, 252, 18, 8}),
        Make(HorizLabel, "Horiz", K::Label, D, {54, 263, 22, 8}),
        Icon(HorizPlus, I::Plus, D, 79, 262),
        Icon(HorizMinus, I::Minus, D, 90, 262),
        Make(VertLabel, "Vert", K::Label, D, {55, 275, 20, 8}),
        Icon(VertPlus, I::Plus, D, 79, 274),
        Icon(VertMinus, I::Minus, D, 90, 274),
        Make(BrightnessLabel, "Brightness", K::Label, D, {13, 272, 38, 8}),
        Icon(BrightnessPlus, I::Plus, D, 17, 280),
        Icon(BrightnessMinus, I::Minus, D, 30, 280),
        Make(FrameLabel, "Picture Frame", K::Label, D, {8, 293, 46, 8}),
        Make(FrameList, "", K::DropList, D, {56, 291, 56, 90}),
        Make(LoadPicture, "Load New Picture", K::Button, E, {16, 307, 90, 12}),
        Make(DeletePicture, "Delete Picture", K::Button, D, {16, 320, 90, 12}),
        Make(DeleteStrip, "Delete Menu Item", K::Button, D, {15, 338, 92, 12}),
        Make(CopyInstructions, "Copy or Move Menu Item\nInstructions", K::Button, E, {12, 352, 98, 20}),
        Make(Undo, "Undo", K::Button, D, {11, 375, 46, 13}),
        Make(Exit, "Exit", K::Button, E, {61, 375, 46, 13}),

        // Text boxes along the top.
        Make(MainItemLabel, "Main Item", K::Label, E, {127, 3, 36, 8}),
        Hidden(Make(MainItemActive, "ACTIVE", K::Label, E, {166, 3, 28, 8})),
        Make(MainItemBox, "", K::TextBox, E, {119, 13, 162, 43}),
        Make(SubItemLabel, "SubItem", K::Label, E, {296, 3, 32, 8}),
        Hidden(Make(SubItemActive, "ACTIVE", K::Label, E, {331, 3, 28, 8})),
        Make(SubItemBox, "", K::TextBox, E, {287, 14, 164, 42}),
        Make(PricesLabel, "Prices/Cals", K::Label, E, {465, 3, 42, 8}),
        Hidden(Make(PricesActive, "ACTIVE", K::Label, E, {510, 3, 28, 8})),
        Make(PricesBox, "", K::TextBox, E, {458, 14, 92, 26}),
        Make(Status, "EDIT MODE:", K::Label, E, {146, 58, 220, 9}),
        Make(TabSpacingLabel, "Tab Spacing", K::Label, E, {458, 42, 40, 8}),
        Icon(TabSpacingDown, I::Down, E, 499, 41),
        Make(TabSpacingValue, "", K::ValueLabel, E, {511, 43, 16, 8}),
        Icon(TabSpacingUp, I::Up, E, 528, 41),
        Make(CalSpacingLabel, "Cal Spacing", K::Label, E, {546, 42, 40, 8}),
        Icon(CalSpacingDown, I::Down, E, 587, 41),
        Make(CalSpacingValue, "", K::ValueLabel, E, {599, 43, 16, 8}),
        Icon(CalSpacingUp, I::Up, E, 616, 41),
        Make(TabInstructions, "Tab Instructions", K::Button, E, {554, 1, 70, 12}),
        Make(NoId, "Menu Items Group Mode", K::GroupBox, E, {630, 5, 118, 46}),
        Make(GroupInstructions, "Group Mode Instructions", K::Button, E, {642, 16, 94, 12}),
        Make(SpaceGroupEvenly, "Vertically Space\nGrouped Items Evenly", K::Button, D, {634, 29, 110, 19}),
    };
}

} // namespace

const std::vector<ControlSpec> &ControlTable()
{
    static const std::vector<ControlSpec> table = BuildTable();
    return table;
}

const ControlSpec *FindControl(int id)
{
    if (id == ctl::NoId)
        return nullptr;
    for (const ControlSpec &entry : ControlTable())
        if (entry.id == id)
            return &entry;
    return nullptr;
}

} // namespace zorvan
