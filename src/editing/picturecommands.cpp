#include "editing/picturecommands.h"

#include "assets/backgroundload.h"
#include "assets/imageassets.h"
#include "assets/pictureadjustments.h"
#include "assets/picturedelete.h"
#include "assets/pictureimport.h"
#include "assets/picturenames.h"
#include "assets/pictureproxy.h"
#include "editing/controlids.h"
#include "editing/crashrecovery.h"
#include "editing/cursorcontrol.h"
#include "editing/dialogprompts.h"
#include "editing/editor.h"
#include "editing/panelview.h"
#include "editing/undolist.h"

namespace zorvan {

namespace {

const QString kOpenPictureTitle = QStringLiteral("Open Picture File");
const QString kOpenPictureFilter =
    QStringLiteral("Picture*.jpg;*.jpeg;*.gif;*.png|*.jpg;*.jpeg;*.gif;*.png||");
const QString kOpenBackgroundTitle = QStringLiteral("Open Menu Background jpg Image File");
const QString kOpenBackgroundFilter = QStringLiteral("ZORVAN Backgroundfile (*.jpg)|*.jpg||");

// The strip the picture buttons act on: the one selected in picture mode.
StripData *PictureStrip(Editor &editor)
{
    if (!editor.modes().picture)
        return nullptr;
    const ColumnRow strip = editor.selection().pictureEditStrip;
    if (!editor.document().inGrid(strip.column, strip.row))
        return nullptr;
    return &editor.document().strip(strip.column, strip.row);
}

void LoadNewPicture(Editor &editor)
{
    const QString folder = editor.lastPictureFolder().isEmpty() ? editor.programFolder() : editor.lastPictureFolder();
    const QString chosen = editor.services().dialogs.openFile(kOpenPictureTitle, kOpenPictureFilter, folder);
    if (chosen.isEmpty())
        return;
    EditModes &modes = editor.modes();
    MenuData &doc = editor.document();
    if (modes.picture || modes.background) {
        const ColumnRow target = modes.picture ? editor.selection().pictureEditStrip
                                               : editor.selection().backgroundEditStrip;
        if (!doc.inGrid(target.column, target.row))
            return;
        if (modes.picture) {
            PushUndoEntry(editor, target);
            editor.panel().UpdatePanButtons(false, 100, 100);
        }
        {
            WaitCursor wait(editor.services().cursor);
            DialogPrompts prompts(editor.services().dialogs, editor.services().cursor);
            const ImageAssets assets{editor.workFolder(), prompts};
            const ImportedPicture imported = ImportPicture(chosen, doc.strip(target.column, target.row), assets);
            if (imported.attached)
                editor.render().pictureProxiesInUse = true;
            if (!imported.error.isEmpty()) {
                prompts.showMessage(imported.error);
                return;
            }
        }
        editor.RefreshPreview();
        doc.Modified = true;
        modes.background = false;
        editor.SetStatus(kStatusIdle);
        editor.panel().ShowMoveSizeControls(modes);
        if (!IsStripInUse(doc.StyleTemplate))
            editor.services().panel.setEnabled(ctl::DeleteStrip, false);
        editor.SetLastPictureFolder(FolderOfPath(chosen));
        return;
    }
    if (modes.text) {
        // In text mode the picture is linked where it lies: no copy, no proxy.
        const ColumnRow target = editor.selection().textEditStrip;
        if (!doc.inGrid(target.column, target.row))
            return;
        doc.strip(target.column, target.row).SubImageFileName = chosen;
        editor.SetLastPictureFolder(FolderOfPath(chosen));
        editor.RefreshPreview();
        doc.Modified = true;
        modes.picture = false;
        editor.SetStatus(kStatusIdle);
    }
}

void LoadNewBackgroundImage(Editor &editor)
{
    if (!editor.PromptSaveChanges())
        return;
    editor.SetWhitePrint(false);
    editor.render().resolutionReadoutPending = true;
    MenuData &doc = editor.document();
    const QString folder = doc.BackgroundPath.isEmpty() ? editor.programFolder() : doc.BackgroundPath;
    const QString chosen = editor.services().dialogs.openFile(kOpenBackgroundTitle, kOpenBackgroundFilter, folder);
    if (chosen.isEmpty())
        return;
    DialogPrompts prompts(editor.services().dialogs, editor.services().cursor);
    {
        WaitCursor wait(editor.services().cursor);
        const ImageAssets assets{editor.workFolder(), prompts};
        const BackgroundLoad load = LoadBackgroundFiles(chosen, doc, assets, editor.files().fromContainer);
        // A file that is no usable picture is refused before it replaces the
        // background the layout has.
        if (!load.error.isEmpty()) {
            editor.RefreshPreview();
            prompts.showMessage(kUnsupportedBackgroundMessage);
            return;
        }
        editor.render().backgroundProxyInUse = load.backgroundProxyInUse;
        editor.render().pictureProxiesInUse = load.pictureProxiesInUse;
    }
    editor.SetCurrentFile(chosen, editor.currentFileName());
    editor.SetLastUsedFolder(FolderOfPath(chosen));
    editor.RefreshPreview(true);
    // Emptying the text boxes changes nothing on the board, so one drawing serves both steps.
    PanelView &panel = editor.services().panel;
    for (int box : {ctl::MainItemBox, ctl::SubItemBox, ctl::PricesBox})
        panel.setText(box, QString());
    const bool drawn = editor.RefreshPreview();
    if (!drawn || editor.render().imageWidth <= 0)
        prompts.showMessage(kUnsupportedBackgroundMessage);
    doc.Modified = true;
    // "Background.jpg" was replaced in the work folder: the edits kept against
    // a crash must name it now, not a minute later, or a crash in between
    // would bring back the old layout over the new picture.
    AutosaveTick(editor);
}

void DeletePicture(Editor &editor)
{
    EditModes &modes = editor.modes();
    if (modes.picture) {
        const ColumnRow strip = editor.selection().pictureEditStrip;
        if (editor.document().inGrid(strip.column, strip.row)) {
            DetachPicture(editor.document().strip(strip.column, strip.row));
            editor.render().ForgetStripRects(strip.column, strip.row);
        }
        modes.picture = false;
        editor.SetStatus(kStatusIdle);
        editor.panel().ShowMoveSizeControls(modes);
    }
    editor.RefreshPreview();
    PanelView &panel = editor.services().panel;
    for (int id : {ctl::DeleteStrip, ctl::DeletePicture, ctl::AllText, ctl::SelectedText, ctl::TextToMoveGroup})
        panel.setEnabled(id, false);
    editor.panel().SetPictureControls(false);
}

void ChangePictureBrightness(Editor &editor, int delta)
{
    StripData *strip = PictureStrip(editor);
    if (!strip || strip->SubImageFileName.isEmpty())
        return;
    if (strip->SubImageFileName.contains(QLatin1String(".gif")))
        return;
    {
        WaitCursor wait(editor.services().cursor);
        ChangeBrightness(*strip, delta);
        DialogPrompts prompts(editor.services().dialogs, editor.services().cursor);
        if (RemakeStripPictureProxy(*strip, prompts))
            editor.render().pictureProxiesInUse = true;
        editor.RefreshPreview();
    }
}

void ShowPanControls(Editor &editor, const StripData &strip)
{
    editor.panel().UpdatePanButtons(PanControlsFor(strip).label, strip.SubImageCropPercentageX,
                                    strip.SubImageCropPercentageY);
}

void Zoom(Editor &editor, bool in, ZoomAxis axis)
{
    StripData *strip = PictureStrip(editor);
    if (!strip)
        return;
    {
        WaitCursor wait(editor.services().cursor);
        if (in)
            ZoomIn(*strip, axis);
        else
            ZoomOut(*strip, axis);
        editor.RefreshPreview();
    }
    editor.document().Modified = true;
    ShowPanControls(editor, *strip);
}

void PanPicture(Editor &editor, PanDirection direction, bool fine)
{
    StripData *strip = PictureStrip(editor);
    if (!strip || !Pan(*strip, direction, fine))
        return;
    editor.RefreshPreview();
    editor.document().Modified = true;
}

} // namespace

void RegisterPictureCommands(Editor &editor)
{
    CommandTable &table = editor.commands();
    table.add(ctl::LoadPicture, [&editor](const CommandEvent &) { LoadNewPicture(editor); });
    table.add(ctl::MenuOpen, [&editor](const CommandEvent &) { LoadNewBackgroundImage(editor); });
    table.add(ctl::LoadBackground, [&editor](const CommandEvent &) { LoadNewBackgroundImage(editor); });
    table.add(ctl::DeletePicture, [&editor](const CommandEvent &) { DeletePicture(editor); });
    table.add(ctl::BrightnessPlus, [&editor](const CommandEvent &) { ChangePictureBrightness(editor, kBrightnessStep); });
    table.add(ctl::BrightnessMinus, [&editor](const CommandEvent &) { ChangePictureBrightness(editor, -kBrightnessStep); });
    const struct {
        int id;
        bool in;
        ZoomAxis axis;
    } zooms[] = {{ctl::ZoomPlus, true, ZoomAxis::Both},        {ctl::ZoomMinus, false, ZoomAxis::Both},
                 {ctl::HorizPlus, true, ZoomAxis::Horizontal}, {ctl::HorizMinus, false, ZoomAxis::Horizontal},
                 {ctl::VertPlus, true, ZoomAxis::Vertical},    {ctl::VertMinus, false, ZoomAxis::Vertical}};
    for (const auto &zoom : zooms)
        table.add(zoom.id, [&editor, zoom](const CommandEvent &) { Zoom(editor, zoom.in, zoom.axis); });
    const struct {
        int id;
        PanDirection direction;
    } pans[] = {{ctl::PanDown, PanDirection::Lower},
                {ctl::PanUp, PanDirection::Higher},
                {ctl::PanRight, PanDirection::Right},
                {ctl::PanLeft, PanDirection::Left}};
    for (const auto &pan : pans)
        table.add(pan.id, [&editor, pan](const CommandEvent &event) { PanPicture(editor, pan.direction, event.alt); });
}

} // namespace zorvan
