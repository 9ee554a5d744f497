#include "editing/movecommands.h"

#include "editing/arrowpress.h"
#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/panelview.h"
#include "editing/stripmodes.h"
#include "editing/textstripfit.h"
#include "render/boardgeometry.h"
#include "render/centredblock.h"

#include <cmath>

namespace zorvan {

namespace {

bool IsAcross(MoveDirection direction)
{
    return direction == MoveDirection::Left || direction == MoveDirection::Right;
}

double Signed(MoveDirection direction, double step)
{
    return direction == MoveDirection::Left || direction == MoveDirection::Up ? -step : step;
}

// A centred block ignores its reference point; before it can move, the
// reference point is put where the block stands now, so it does not jump.
// Returns whether the block was centred.
bool FixCentredBlock(Editor &editor, const ColumnRow &strip, int item)
{
    MenuData &doc = editor.document();
    StripData &style = doc.StyleTemplate;
    if (!style.block(item).CenterInStrip)
        return false;
    const RenderState &render = editor.render();
    StripData &data = doc.strip(strip.column, strip.row);
    // A block that cannot be measured goes to the middle of its box.
    const double xref =
        CentredBlockXref(render, doc, strip.column, strip.row, item).value_or(0.5 * data.XSizeFactor);
    for (StripData *s : {&data, &style}) {
        s->block(item).CenterInStrip = false;
        s->block(item).Xref = xref;
    }
    return true;
}

// The rectangle that must stay on the board: the moving block, or with
// "All Text" the three blocks. The strip box stays where it is in Text mode,
// so it does not hold the texts back: a full box in the first row or column
// lies on the board's edge already.
QRectF MovingTextRect(const Editor &editor, const ColumnRow &strip, int item, bool allText)
{
    const auto &texts = editor.render().textScreenRects.at(strip.column, strip.row);
    if (!allText)
        return texts[size_t(item)];
    QRectF moving;
    for (const QRectF &text : texts)
        moving = UniteDrawn(moving, text);
    return moving;
}

void MoveText(Editor &editor, MoveDirection direction, const StepKeys &keys)
{
    MenuData &doc = editor.document();
    const Selection &sel = editor.selection();
    const ColumnRow strip = sel.textEditStrip;
    const int item = sel.editedTextItem;
    if (!doc.inGrid(strip.column, strip.row) || item < 0 || item >= kTextItemCount)
        return;
    const bool across = IsAcross(direction);
    const bool wasCentred = across && FixCentredBlock(editor, strip, item);

    const bool allText = editor.services().panel.isChecked(ctl::AllText);
    const QRectF moving = MovingTextRect(editor, strip, item, allText);
    const RenderState &render = editor.render();
    const QRectF cell = render.cellGrid.at(strip.column, strip.row);
    const double full = StepSize(across ? StepKind::MoveAcross : StepKind::MoveUpDown, true, keys);
    const double travel = full * (across ? cell.width() : cell.height());
    // Texts keep a pixel and a half off the bottom edge, where the board's last row of pixels lies.
    const double distance = DistanceToEdge(render.boardRect, moving, direction, 1.5);
    const bool shortenAllowed = direction == MoveDirection::Left || direction == MoveDirection::Up
                                || !moving.isEmpty();
    const EdgeStep step = ClampStepToEdge(full, distance, travel, shortenAllowed);
    if (step.blocked) {
        if (wasCentred) {
            // The block stays where it is, but no longer centred: the check box has to say so.
            doc.Modified = true;
            ApplyStyleTemplate(editor);
            ShowTextReadouts(editor);
        }
        return;
    }

    doc.Modified = true;
    StripData &style = doc.StyleTemplate;
    for (int k = 0; k < kTextItemCount; ++k) {
        if (!allText && k != item)
            continue;
        double &reference = across ? style.block(k).Xref : style.block(k).Yref;
        reference += Signed(direction, step.step);
    }
    ApplyStyleTemplate(editor);
    FitTextEditStrip(editor, across ? FitHalves::HorizontalFirst : FitHalves::VerticalFirst);
    ReturnFocus(editor);
    ShowTextReadouts(editor);
}

void MoveBox(Editor &editor, MoveDirection direction, const StepKeys &keys)
{
    MenuData &doc = editor.document();
    const ColumnRow strip = BoxEditStrip(editor);
    if (!doc.inGrid(strip.column, strip.row))
        return;
    StripData &data = doc.strip(strip.column, strip.row);
    const RenderState &render = editor.render();
    const QRectF cell = render.cellGrid.at(strip.column, strip.row);
    const bool across = IsAcross(direction);
    const double full = StepSize(across ? StepKind::MoveAcross : StepKind::MoveUpDown, false, keys);

    if (direction != MoveDirection::Right) {
        const QRectF box = DrawnStripBox(editor, strip);
        const double travel = full * (across ? cell.width() : cell.height());
        const EdgeStep step = ClampStepToEdge(full, DistanceToEdge(render.boardRect, box, direction), travel,
                                              direction != MoveDirection::Down || !box.isEmpty());
        if (step.blocked)
            return;
        double &offset = across ? data.XOffsetFactor : data.YOffsetFactor;
        offset += Signed(direction, step.step);
    } else {
        // The texts travel with the box and may reach beyond it, so they too must stay on the board.
        const double before = data.XOffsetFactor;
        data.XOffsetFactor += full;
        QRectF reach = StripRectInScreenSpace(render, doc, strip.column, strip.row);
        if (StripHasText(data))
            for (const QRectF &text : render.textScreenRects.at(strip.column, strip.row))
                reach = UniteDrawn(reach, text.translated(full * cell.width(), 0.0));
        const double beyond = reach.right() - render.boardRect.right;
        if (beyond > 0.0 && cell.width() > 0.0)
            data.XOffsetFactor -= beyond / cell.width();
        if (std::abs(data.XOffsetFactor - before) < 1e-9) {
            // Already at the edge: nothing moves and nothing is redrawn.
            data.XOffsetFactor = before;
            return;
        }
    }
    doc.Modified = true;
    ShowChangedBox(editor);
}

} // namespace

void MoveSelection(Editor &editor, MoveDirection direction, const StepKeys &keys)
{
    const EditModes &modes = editor.modes();
    if (modes.text)
        MoveText(editor, direction, keys);
    else if (modes.picture || modes.background)
        MoveBox(editor, direction, keys);
}

void RegisterMoveCommands(Editor &editor)
{
    const std::pair<int, MoveDirection> arrows[] = {{ctl::MoveLeft, MoveDirection::Left},
                                                    {ctl::MoveUp, MoveDirection::Up},
                                                    {ctl::MoveRight, MoveDirection::Right},
                                                    {ctl::MoveDown, MoveDirection::Down}};
    for (const auto &[id, direction] : arrows) {
        const MoveDirection d = direction;
        AddArrowCommand(editor, id, [&editor, d](const StepKeys &keys) { MoveSelection(editor, d, keys); });
    }
}

} // namespace zorvan
