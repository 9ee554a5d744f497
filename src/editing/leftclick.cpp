#include "editing/leftclick.h"

#include "editing/colourcommands.h"
#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/groupmode.h"
#include "editing/hittest.h"
#include "editing/panelview.h"
#include "editing/stripmodes.h"
#include "render/boardgeometry.h"

namespace zorvan {

namespace {

// Logos and symbols sit on top of everything else, so they are picked before the texts under them.
bool IsLogoPicture(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    const QString name = path.mid(slash + 1);
    return name.contains(QLatin1String("logo")) || name.contains(QLatin1String("symbol"));
}

void ClearFrameSelector(PanelView &panel)
{
    panel.setEnabled(ctl::FrameList, false);
    panel.setEnabled(ctl::FrameLabel, false);
    panel.setCaption(ctl::FrameLabel, QStringLiteral("Picture Frame"));
    panel.setCurrentIndex(ctl::FrameList, -1);
}

} // namespace

void HandleLeftClick(Editor &editor, const QPoint &point, bool shift)
{
    if (GroupModeClick(editor, point, shift))
        return;
    EditModes &modes = editor.modes();
    WaitCursor wait(editor.services().cursor);
    const MenuData &doc = editor.document();
    const RenderState &render = editor.render();
    Selection &sel = editor.selection();

    if (modes.text || modes.background) {
        if (doc.BackgroundPath.isEmpty())
            return;
        const int cell = PaletteCellAt(EditorPaletteCells(editor), point);
        if (cell >= 0) {
            PickColour(editor, cell);
            return;
        }
    }

    sel.leftTextWithoutPicture = false;
    LeaveStripMode(editor);
    sel.hitTextItem = -1;

    const ColumnRow picture = HitTestPicture(doc, render, point);
    if (!picture.isNone() && IsLogoPicture(doc.strip(picture.column, picture.row).SubImageFileName)) {
        EnterPictureMode(editor, picture);
        return;
    }
    const TextHit text = HitTestText(doc, render, point);
    sel.hitTextItem = text.textItem;
    if (!text.strip.isNone()) {
        EnterTextMode(editor, text.strip, text.textItem, point);
        ClearFrameSelector(editor.services().panel);
        return;
    }
    const ColumnRow filled = HitTestFilledStrip(doc, render, point);
    if (!filled.isNone()) {
        if (!doc.strip(filled.column, filled.row).SubImageFileName.isEmpty())
            EnterPictureMode(editor, filled);
        else
            EnterBackgroundMode(editor, filled);
        return;
    }
    // A strip without fill just left from Text mode: a click on its box picks it for colouring.
    const ColumnRow left = sel.textEditStrip;
    if (sel.leftTextWithoutPicture && doc.inGrid(left.column, left.row) &&
        RectContains(StripRectInScreenSpace(render, doc, left.column, left.row), point)) {
        EnterBackgroundMode(editor, left);
        return;
    }
    if (!picture.isNone()) {
        EnterPictureMode(editor, picture);
        return;
    }
    ClearFrameSelector(editor.services().panel);
}

} // namespace zorvan
