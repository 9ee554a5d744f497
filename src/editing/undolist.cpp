#include "editing/undolist.h"

#include "assets/pictureproxy.h"
#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/dialogprompts.h"
#include "editing/editor.h"
#include "editing/panelview.h"

#include <QFileInfo>

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

void Undo(Editor &editor)
{
    editor.modes().clearStripModes();
    editor.SetStatus(kStatusIdle);
    UndoHistory &undo = editor.undo();
    MenuData &doc = editor.document();
    {
        WaitCursor wait(editor.services().cursor);
        DialogPrompts prompts(editor.services().dialogs, editor.services().cursor);
        while (!undo.entries.empty()) {
            const UndoEntry entry = std::move(undo.entries.back());
            undo.entries.pop_back();
            undo.index = int(undo.entries.size()) - 1;
            const ColumnRow &cell = entry.strip;
            // Compared in full: a picture zoomed since the entry was made gets its crop back too.
            if (doc.inGrid(cell.column, cell.row) && doc.strip(cell.column, cell.row) != entry.data) {
                StripData &strip = doc.strip(cell.column, cell.row);
                strip = entry.data;
                doc.Modified = true;
                // A picture that is gone has no proxy to make; asking would only bring up a failure message.
                if (!strip.SubImageFileName.isEmpty() && QFileInfo::exists(strip.SubImageFileName) &&
                    RemakeStripPictureProxy(strip, prompts))
                    editor.render().pictureProxiesInUse = true;
            }
            if (entry.kind != kUndoEntryChained)
                break;
        }
    }
    editor.render().ForgetAllStripRects();
    editor.RefreshPreview();
    PanelView &panel = editor.services().panel;
    for (int box : {ctl::MainItemBox, ctl::SubItemBox, ctl::PricesBox})
        panel.setText(box, QString());
    panel.setEnabled(ctl::Undo, undo.index >= 0);
    editor.panel().SetPictureControls(false);
    for (int id : {ctl::IncrementGroup, ctl::Micro, ctl::Macro})
        panel.setEnabled(id, false);
    editor.panel().ResetIncrement();
}

} // namespace zorvan
