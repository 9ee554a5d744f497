#include "editing/textstripfit.h"

#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/stripfitting.h"
#include "editing/stripmodes.h"
#include "render/stripdrawer.h"

namespace zorvan {

void FitTextEditStrip(Editor &editor, FitHalves halves)
{
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    const ColumnRow before = sel.textEditStrip;
    if (!editor.modes().text || !IsBareStrip(doc, before))
        return;
    ColumnRow after = before;
    switch (halves) {
    case FitHalves::VerticalOnly: FitStripBoxToTextVertically(doc, editor.render(), before); break;
    case FitHalves::VerticalFirst:
        after = FitStripBoxToText(doc, editor.render(), before, FitOrder::VerticalFirst);
        break;
    case FitHalves::HorizontalFirst:
        after = FitStripBoxToText(doc, editor.render(), before, FitOrder::HorizontalFirst);
        break;
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
