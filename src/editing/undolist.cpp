#include "editing/undolist.h"

#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/panelview.h"

namespace zorvan {

bool StripsEqual(const StripData &a, const StripData &b)
{
    StripData left = a;
    left.ImageHiddenOnWhite = b.ImageHiddenOnWhite;
    left.SubImageCropPercentageX = b.SubImageCropPercentageX;
    left.SubImageCropPercentageY = b.SubImageCropPercentageY;
    return left == b;
}

void PushUndoEntry(Editor &editor, const ColumnRow &cell, int kind)
{
    if (!editor.document().inGrid(cell.column, cell.row))
        return;
    UndoHistory &undo = editor.undo();
    undo.entries.resize(size_t(undo.index + 1));
    undo.entries.push_back({cell, editor.document().strip(cell.column, cell.row), kind});
    undo.index = int(undo.entries.size()) - 1;
    editor.services().panel.setEnabled(ctl::Undo, true);
}

void DropUnchangedUndoEntry(Editor &editor, const ColumnRow &cell)
{
    UndoHistory &undo = editor.undo();
    if (undo.index >= 0 && editor.document().inGrid(cell.column, cell.row)) {
        const UndoEntry &newest = undo.entries[size_t(undo.index)];
        if (newest.strip == cell && StripsEqual(newest.data, editor.document().strip(cell.column, cell.row))) {
            undo.entries.resize(size_t(undo.index));
            --undo.index;
        }
    }
    editor.services().panel.setEnabled(ctl::Undo, undo.index >= 0);
}

} // namespace zorvan
