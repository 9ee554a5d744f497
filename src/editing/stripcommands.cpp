#include "editing/stripcommands.h"

#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/groupmode.h"
#include "editing/panelview.h"
#include "editing/undolist.h"

namespace zorvan {

void DeleteStrip(Editor &editor)
{
    EditModes &modes = editor.modes();
    const Selection &selection = editor.selection();
    struct ModeStrip {
        bool &on;
        ColumnRow strip;
    };
    for (const ModeStrip &mode : {ModeStrip{modes.text, selection.textEditStrip},
                                  ModeStrip{modes.background, selection.backgroundEditStrip},
                                  ModeStrip{modes.picture, selection.pictureEditStrip}}) {
        if (!mode.on)
            continue;
        MenuData &doc = editor.document();
        if (doc.inGrid(mode.strip.column, mode.strip.row)) {
            ResetStrip(doc.strip(mode.strip.column, mode.strip.row));
            editor.render().ForgetStripRects(mode.strip.column, mode.strip.row);
            doc.Modified = true;
        }
        mode.on = false;
        editor.SetStatus(kStatusIdle);
        editor.panel().ShowMoveSizeControls(modes);
        break;
    }
    editor.RefreshPreview();
    PanelView &panel = editor.services().panel;
    for (int id : {ctl::DeleteStrip, ctl::DeletePicture, ctl::AllText, ctl::SelectedText, ctl::TextToMoveGroup})
        panel.setEnabled(id, false);
    editor.panel().SetPictureControls(false);
    editor.panel().SetLineSpacingControls(false);
}

void RegisterStripCommands(Editor &editor)
{
    CommandTable &table = editor.commands();
    table.add(ctl::Undo, [&editor](const CommandEvent &) { Undo(editor); });
    table.add(ctl::DeleteStrip, [&editor](const CommandEvent &) { DeleteStrip(editor); });
    table.add(ctl::SpaceGroupEvenly, [&editor](const CommandEvent &) { SpaceGroupEvenly(editor); });
}

} // namespace zorvan
