#include "editing/arrowpress.h"

#include "editing/commandtable.h"
#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/panelview.h"
#include "render/boardgeometry.h"

namespace zorvan {

StepKeys PressKeys(const Editor &editor, const CommandEvent &event)
{
    return StepKeys{editor.services().panel.isChecked(ctl::Macro), event.alt, event.shift};
}

ColumnRow BoxEditStrip(const Editor &editor)
{
    const Selection &sel = editor.selection();
    return editor.modes().picture ? sel.pictureEditStrip : sel.backgroundEditStrip;
}

QRectF DrawnStripBox(const Editor &editor, const ColumnRow &strip)
{
    const QRectF drawn = editor.render().stripScreenRects.at(strip.column, strip.row);
    if (!drawn.isNull())
        return drawn;
    return StripRectInScreenSpace(editor.render(), editor.document(), strip.column, strip.row);
}

void ReturnFocus(Editor &editor)
{
    const int box = editor.selection().lastFocusedBox;
    if (box != 0)
        editor.services().panel.setFocus(box);
}

void ShowChangedBox(Editor &editor)
{
    editor.RefreshPreview();
    ReturnFocus(editor);
}

void EndArrowPress(Editor &editor)
{
    editor.services().window.discardQueuedClicks();
}

void AddArrowCommand(Editor &editor, int id, std::function<void(const StepKeys &)> press)
{
    editor.commands().add(id, [&editor, press = std::move(press)](const CommandEvent &event) {
        {
            WaitCursor wait(editor.services().cursor);
            press(PressKeys(editor, event));
        }
        EndArrowPress(editor);
    });
}

} // namespace zorvan
