#include "editing/textstripfit.h"

#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/stripfitting.h"
#include "editing/stripmodes.h"
#include "editing/undolist.h"
#include "render/stripdrawer.h"

#include <array>
#include <utility>

namespace zorvan {

void FitTextEditStrip(Editor &editor, FitHalves halves)
{
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    const ColumnRow before = sel.textEditStrip;
    if (!editor.modes().text || !IsBareStrip(doc, before))
        return;
    ColumnRow after = before;
    // A prices-only strip may move into a free cell on its right; what that cell held goes into the undo list.
    std::array<StripData, kMaxColumns> rowBefore;
    for (int c = before.column + 1; c < doc.NumberOfColumns && c < kMaxColumns; ++c)
        rowBefore[size_t(c)] = doc.strip(c, before.row);
    switch (halves) {
    case FitHalves::VerticalOnly: FitStripBoxToTextVertically(doc, editor.render(), before); break;
    case FitHalves::VerticalFirst:
        after = FitStripBoxToText(doc, editor.render(), before, FitOrder::VerticalFirst);
        break;
    case FitHalves::HorizontalFirst:
        after = FitStripBoxToText(doc, editor.render(), before, FitOrder::HorizontalFirst);
        break;
    }
    if (!(after == before)) {
        // Undone together with the entry made when Text mode was entered, so that one Undo takes the strip
        // back to its old cell and leaves no copy in the new one.
        StripData &moved = doc.strip(after.column, after.row);
        std::swap(moved, rowBefore[size_t(after.column)]);
        PushUndoEntry(editor, after, kUndoEntryChained);
        std::swap(moved, rowBefore[size_t(after.column)]);
    }
    sel.textEditStrip = after;
    doc.StyleTemplate = doc.strip(after.column, after.row);
    if (after == before) {
        // The box of a bare strip draws nothing and its texts kept their place: only the recorded box,
        // which hit tests and outlines use, has to follow.
        RecordDrawnStripBox(editor.render(), doc, after.column, after.row);
        editor.services().window.repaintPreview();
    } else {
        editor.RefreshPreview();
    }
}

} // namespace zorvan
