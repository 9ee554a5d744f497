#include "editing/stripdrag.h"

#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/panelview.h"
#include "editing/stripcopy.h"
#include "editing/hittest.h"
#include "editing/undolist.h"
#include "render/boardgeometry.h"

#include <cstdlib>

namespace zorvan {

namespace {

void RemovePriceCarets(MenuData &doc)
{
    for (int c = 0; c < doc.NumberOfColumns && c < kMaxColumns; ++c)
        for (int r = 0; r < doc.NumberOfRows && r < kMaxRows; ++r)
            doc.strip(c, r).PricesTextParams.Text.remove(QLatin1Char('~'));
}

ColumnRow DragSourceAt(const Editor &editor, const QPoint &point, bool shift)
{
    const MenuData &doc = editor.document();
    const RenderState &render = editor.render();
    ColumnRow source = HitTestText(doc, render, point).strip;
    if (source.isNone())
        source = HitTestFilledStrip(doc, render, point);
    if (source.isNone())
        source = HitTestPicture(doc, render, point);
    // A restyle needs a strip with something on it to take the look from.
    if (source.isNone() && !shift)
        source = HitTestCell(doc, render, point);
    return source;
}

void ShowReadouts(Editor &editor)
{
    const StripData &style = editor.document().StyleTemplate;
    editor.panel().ShowTabSpacing(style.PriceTabSpacingFactor);
    editor.panel().ShowCaloriesSpacing(style.CaloriesSpacingFactor);
    editor.panel().ShowSize(style.block(editor.selection().editedTextItem).ScaleFactor, editor.modes().background);
}

void RefreshErased(Editor &editor)
{
    editor.render().erasePending = true;
    editor.RefreshPreview();
}

// A drop back on the strip itself, or off the grid, picks the strip's
// style up as the style template instead.
void PickUpStyle(Editor &editor, const StripData &source)
{
    MenuData &doc = editor.document();
    Selection &selection = editor.selection();
    doc.StyleTemplate = source;
    int item = MainItem;
    for (int k : {MainItem, SubItems, Prices}) {
        if (!source.block(k).Text.isEmpty()) {
            item = k;
            break;
        }
    }
    selection.editedTextItem = item;
    selection.currentFontName = source.block(item).Font;
    editor.services().panel.setCurrentIndex(ctl::FrameList, source.SubImageFrameIndex);
    editor.render().ForgetAllStripRects();
    RefreshErased(editor);
    editor.RefreshPreview();
    ShowReadouts(editor);
}

void EndOfDrop(Editor &editor)
{
    PanelView &panel = editor.services().panel;
    editor.services().cursor.showDragCursor(RightDragKind::None);
    for (int box : {ctl::MainItemBox, ctl::SubItemBox, ctl::PricesBox})
        panel.setText(box, QString());
    panel.setEnabled(ctl::EditStripBackground, false);
    panel.setEnabled(ctl::DeleteStrip, false);
}

bool OnlyPrices(const StripData &strip)
{
    return strip.MainItemTextParams.Text.isEmpty() && strip.SubItemsTextParams.Text.isEmpty() &&
           !strip.PricesTextParams.Text.isEmpty();
}

// A strip dropped partly off the board is pushed back onto it.
void KeepOnBoard(Editor &editor, const ColumnRow &target)
{
    MenuData &doc = editor.document();
    const RenderState &render = editor.render();
    StripData &strip = doc.strip(target.column, target.row);
    QRectF box = StripRectInScreenSpace(render, doc, target.column, target.row);
    if (StripHasText(strip)) {
        for (const QRectF &text : render.textScreenRects.at(target.column, target.row))
            if (!text.isEmpty())
                box = box.united(text);
    }
    const BoardRect &board = render.boardRect;
    const QRectF cell = render.cellGrid.at(0, 0);
    if (cell.width() <= 0 || cell.height() <= 0)
        return;
    bool moved = false;
    if (box.left() < board.left) {
        strip.XOffsetFactor += (board.left - box.left()) / cell.width();
        moved = true;
    }
    if (box.top() < board.top) {
        strip.YOffsetFactor += (board.top - box.top()) / cell.height();
        moved = true;
    }
    if (box.right() > board.right) {
        strip.XOffsetFactor += (board.right - box.right()) / cell.width();
        moved = true;
    }
    if (box.bottom() > board.bottom) {
        strip.YOffsetFactor += (board.bottom - box.bottom()) / cell.height();
        moved = true;
    }
    if (moved)
        editor.RefreshPreview();
}

void CompleteDrag(Editor &editor, const QPoint &point)
{
    MenuData &doc = editor.document();
    const RenderState &render = editor.render();
    const ColumnRow source = editor.drag().source;
    const RightDragKind kind = editor.modes().rightDrag;
    if (!doc.inGrid(source.column, source.row))
        return;

    ColumnRow target = HitTestText(doc, render, point).strip;
    if (target.isNone())
        target = HitTestFilledStrip(doc, render, point);
    if (target.isNone()) {
        target = HitTestCell(doc, render, point);
        if (target == source)
            return;
    }
    if (target.isNone() || target == source) {
        PickUpStyle(editor, doc.strip(source.column, source.row));
        EndOfDrop(editor);
        return;
    }
    if (kind != RightDragKind::Restyle) {
        target.row = FreeDropRow(doc, target.column, target.row);
        if (target.row < 0)
            return;
    }

    WaitCursor wait(editor.services().cursor);
    if (kind == RightDragKind::Move) {
        PushUndoEntry(editor, source, kUndoEntryAlone);
        PushUndoEntry(editor, target, kUndoEntryChained);
    } else {
        PushUndoEntry(editor, target, kUndoEntryAlone);
    }
    StripData &from = doc.strip(source.column, source.row);
    StripData &to = doc.strip(target.column, target.row);
    if (kind == RightDragKind::Restyle) {
        RestyleStrip(from, to);
    } else {
        CopyStripOnto(from, to);
        if (kind == RightDragKind::Copy) {
            // Each copy has a picture file of its own, so adjusting one leaves the other alone.
            if (!from.SubImageFileName.isEmpty())
                to.SubImageFileName = DuplicatePictureFile(from.SubImageFileName);
        } else {
            ResetStrip(from);
            editor.render().ForgetAllStripRects();
            ShowReadouts(editor);
        }
    }
    doc.Modified = true;

    editor.modes().clearStripModes();
    editor.SetStatus(kStatusIdle);
    RefreshErased(editor);
    if (kind != RightDragKind::Restyle && OnlyPrices(to)) {
        const QRectF cell = render.cellGrid.at(target.column, target.row);
        const QRectF prices = render.textScreenRects.at(target.column, target.row)[Prices];
        if (cell.right() < prices.left() && PullPricesIntoCell(to))
            editor.RefreshPreview();
    }
    EndOfDrop(editor);
    KeepOnBoard(editor, target);
}

} // namespace

void StartDrag(Editor &editor, const QPoint &point, bool shift, bool alt)
{
    RemovePriceCarets(editor.document());
    EditModes &modes = editor.modes();
    modes.rightDrag = RightDragKind::None;
    editor.drag().pressPoint = point;
    PanelView &panel = editor.services().panel;
    panel.setEnabled(ctl::AllText, true);
    panel.setChecked(ctl::AllText, true);
    panel.setEnabled(ctl::SelectedText, true);
    panel.setChecked(ctl::SelectedText, false);
    panel.setEnabled(ctl::TextToMoveGroup, true);

    const ColumnRow source = DragSourceAt(editor, point, shift);
    if (source.isNone())
        return;
    editor.document().Modified = true;
    editor.drag().source = source;
    modes.rightDrag = alt ? RightDragKind::Move : shift ? RightDragKind::Restyle : RightDragKind::Copy;
    if (modes.rightDrag == RightDragKind::Copy)
        editor.SetStatus(kStatusCopying);
    else if (modes.rightDrag == RightDragKind::Move)
        editor.SetStatus(kStatusMoving);
    editor.services().cursor.showDragCursor(modes.rightDrag);
}

void EndDrag(Editor &editor, const QPoint &point)
{
    EditModes &modes = editor.modes();
    if (modes.rightDrag != RightDragKind::None) {
        const QPoint moved = point - editor.drag().pressPoint;
        if (std::abs(moved.x()) >= kDragThreshold || std::abs(moved.y()) >= kDragThreshold)
            CompleteDrag(editor, point);
        // A drag given up or refused must not leave its cursor behind.
        editor.services().cursor.showDragCursor(RightDragKind::None);
    }
    modes.rightDrag = RightDragKind::None;
    editor.drag() = StripDrag{};
    editor.SetStatus(kStatusIdle);
}

} // namespace zorvan
