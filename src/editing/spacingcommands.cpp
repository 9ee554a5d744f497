#include "editing/spacingcommands.h"

#include "editing/arrowpress.h"
#include "editing/commandtable.h"
#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/stripmodes.h"

namespace zorvan {

namespace {

// Factors that only differ by the rounding of repeated steps count as equal.
constexpr double kSlack = 1e-9;
constexpr double kSmallestReducible = 2.2;

// The calories spacing may still grow while it lies below this.
double CaloriesRoom(const StripData &style)
{
    return style.PriceTabSpacingFactor * 0.7 + 0.2;
}

bool CaloriesBelowRoom(const StripData &style)
{
    return style.CaloriesSpacingFactor < CaloriesRoom(style) - kSlack;
}

void ShowSpacingChange(Editor &editor)
{
    ShowTextReadouts(editor);
    ApplyStyleTemplate(editor);
    ReturnFocus(editor);
}

} // namespace

void ChangeLineSpacing(Editor &editor, bool up, const StepKeys &keys)
{
    const int item = editor.selection().editedTextItem;
    if (!editor.modes().text || item < 0 || item >= kTextItemCount)
        return;
    const double step = StepSize(StepKind::LineSpacing, true, keys);
    editor.document().Modified = true;
    editor.document().StyleTemplate.block(item).LineSpacingFactor += up ? step : -step;
    ApplyStyleTemplate(editor);
    ReturnFocus(editor);
    ShowTextReadouts(editor);
}

bool ChangeTabSpacing(Editor &editor, bool up)
{
    if (!editor.modes().text)
        return false;
    const double step = StepSize(StepKind::PriceSpacing, true, StepKeys{});
    StripData &style = editor.document().StyleTemplate;
    if (up) {
        style.PriceTabSpacingFactor += step;
    } else {
        // Narrower price columns would leave the calories too far out.
        if (style.PriceTabSpacingFactor < kSmallestReducible - kSlack || !CaloriesBelowRoom(style))
            return false;
        style.PriceTabSpacingFactor -= step;
    }
    editor.document().Modified = true;
    ShowSpacingChange(editor);
    return true;
}

bool ChangeCalSpacing(Editor &editor, bool up)
{
    if (!editor.modes().text)
        return false;
    const double step = StepSize(StepKind::PriceSpacing, true, StepKeys{});
    StripData &style = editor.document().StyleTemplate;
    if (up) {
        if (!CaloriesBelowRoom(style))
            return false;
        style.CaloriesSpacingFactor += step;
    } else {
        if (style.CaloriesSpacingFactor < kSmallestReducible - kSlack)
            return false;
        style.CaloriesSpacingFactor -= step;
    }
    editor.document().Modified = true;
    ShowSpacingChange(editor);
    return true;
}

void RegisterSpacingCommands(Editor &editor)
{
    CommandTable &table = editor.commands();
    for (const bool up : {false, true}) {
        table.add(up ? ctl::LineSpacingUp : ctl::LineSpacingDown, [&editor, up](const CommandEvent &event) {
            ChangeLineSpacing(editor, up, PressKeys(editor, event));
        });
        table.add(up ? ctl::TabSpacingUp : ctl::TabSpacingDown,
                  [&editor, up](const CommandEvent &) { ChangeTabSpacing(editor, up); });
        table.add(up ? ctl::CalSpacingUp : ctl::CalSpacingDown,
                  [&editor, up](const CommandEvent &) { ChangeCalSpacing(editor, up); });
    }
}

} // namespace zorvan
