#include "editing/sizecommands.h"

#include "editing/arrowpress.h"
#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/stripmodes.h"
#include "editing/textstripfit.h"

#include <algorithm>

namespace zorvan {

namespace {

// Sizes that only differ by the rounding of repeated steps count as equal.
constexpr double kSlack = 1e-9;

void SizeText(Editor &editor, bool up, const StepKeys &keys)
{
    MenuData &doc = editor.document();
    const int item = editor.selection().editedTextItem;
    if (item < 0 || item >= kTextItemCount)
        return;
    doc.Modified = true;
    const double step = StepSize(StepKind::SizeUpDown, true, keys);
    double &size = doc.StyleTemplate.block(item).ScaleFactor;
    const double before = size;
    // A step that overshoots a limit stops there, and that press leaves the
    // board as it is; the next press shows the limit.
    bool show = true;
    if (up && size < kLargestTextSize - kSlack) {
        size += step;
        if (size > kLargestTextSize + kSlack)
            show = false;
        if (size > kLargestTextSize - kSlack)
            size = kLargestTextSize;
    } else if (!up && size > kSmallestTextSize + kSlack) {
        size -= step;
        if (size < kSmallestTextSize - kSlack)
            show = false;
        if (size < kSmallestTextSize + kSlack)
            size = kSmallestTextSize;
    }
    if (size != before)
        editor.render().text.lineHeightChanged = true;
    if (show) {
        ApplyStyleTemplate(editor);
        FitTextEditStrip(editor, FitHalves::VerticalOnly);
        ShowTextReadouts(editor);
    }
    ReturnFocus(editor);
}

void SizeBox(Editor &editor, SizeDirection direction, const StepKeys &keys)
{
    MenuData &doc = editor.document();
    const ColumnRow strip = BoxEditStrip(editor);
    if (!doc.inGrid(strip.column, strip.row))
        return;
    StripData &data = doc.strip(strip.column, strip.row);
    const RenderState &render = editor.render();
    const QRectF cell = render.cellGrid.at(strip.column, strip.row);
    const QRectF box = DrawnStripBox(editor, strip);
    const bool across = direction == SizeDirection::Narrower || direction == SizeDirection::Wider;
    double step = StepSize(across ? StepKind::SizeAcross : StepKind::SizeUpDown, false, keys);
    double &size = across ? data.XSizeFactor : data.YSizeFactor;
    const double before = size;

    if (direction == SizeDirection::Up || direction == SizeDirection::Wider) {
        // Growth stops at the board's edge; a box already reaching past it is pulled back onto it.
        const double growth = step * (across ? cell.width() : cell.height());
        const double room = across ? render.boardRect.right - box.right() : render.boardRect.bottom - box.bottom();
        if (growth > 0.0 && room < growth)
            step = step * room / growth;
        // A box lying wholly beyond the edge shrinks to nothing, not below.
        size = std::max(0.0, size + step);
    } else {
        size = std::max(0.0, size - step);
    }
    if (size == before)
        return;
    doc.Modified = true;
    ShowChangedBox(editor);
}

} // namespace

void SizeSelection(Editor &editor, SizeDirection direction, const StepKeys &keys)
{
    const EditModes &modes = editor.modes();
    if (modes.text) {
        // A text has a size, not a width: the left and right arrows are not shown in Text mode.
        if (direction == SizeDirection::Up || direction == SizeDirection::Down)
            SizeText(editor, direction == SizeDirection::Up, keys);
    } else if (modes.picture || modes.background) {
        SizeBox(editor, direction, keys);
    }
}

void RegisterSizeCommands(Editor &editor)
{
    const std::pair<int, SizeDirection> arrows[] = {{ctl::SizeUp, SizeDirection::Up},
                                                    {ctl::SizeDown, SizeDirection::Down},
                                                    {ctl::SizeLeft, SizeDirection::Narrower},
                                                    {ctl::SizeRight, SizeDirection::Wider}};
    for (const auto &[id, direction] : arrows) {
        const SizeDirection d = direction;
        AddArrowCommand(editor, id, [&editor, d](const StepKeys &keys) { SizeSelection(editor, d, keys); });
    }
}

} // namespace zorvan
