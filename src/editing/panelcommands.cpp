#include "editing/panelcommands.h"

#include "editing/undolist.h"

#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/panelview.h"

namespace zorvan {

namespace {

void FrameChosen(Editor &editor)
{
    const EditModes &modes = editor.modes();
    if (!modes.picture && !modes.background)
        return;
    const ColumnRow strip = modes.picture ? editor.selection().pictureEditStrip : editor.selection().backgroundEditStrip;
    if (!editor.document().inGrid(strip.column, strip.row))
        return;
    const int index = editor.services().panel.state(ctl::FrameList).currentIndex;
    if (index < 0 || index >= kPictureFrameCount)
        return;
    StripData &data = editor.document().strip(strip.column, strip.row);
    PushUndoEntry(editor, strip);
    data.SubImageFrameIndex = index;
    editor.document().Modified = true;
    editor.RefreshPreview();
}

} // namespace

void RegisterPanelCommands(Editor &editor)
{
    CommandTable &table = editor.commands();
    for (int id : {ctl::SelectedText, ctl::AllText, ctl::Micro, ctl::Macro})
        table.add(id, [&editor](const CommandEvent &event) { editor.panel().FollowExclusivePair(event.id); });
    table.add(ctl::WhitePrint, [&editor](const CommandEvent &) {
        editor.SetWhitePrint(editor.services().panel.isChecked(ctl::WhitePrint));
        editor.RefreshPreview();
    });
    table.add(ctl::FrameList, [&editor](const CommandEvent &) { FrameChosen(editor); });
}

} // namespace zorvan
