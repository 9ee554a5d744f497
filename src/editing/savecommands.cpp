#include "editing/savecommands.h"

#include "assets/fontcatalogue.h"
#include "assets/workfolderfontcollector.h"
#include "document/layoutpaths.h"
#include "document/pricetidy.h"
#include "document/removabledrive.h"
#include "document/savenames.h"
#include "editing/autosave.h"
#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/dialogprompts.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/layoutfilesave.h"
#include "editing/panelview.h"
#include "editing/printcommand.h"
#include "render/previewrefresh.h"

#include <QDeadlineTimer>

#include <memory>

namespace zorvan {

namespace {

// A save ends any strip mode: the board is written whole, with nothing
// half-edited, and the controls of the selection go with it.
void LeaveStripModes(Editor &editor)
{
    EditModes &modes = editor.modes();
    if (!modes.anyStripMode())
        return;
    modes.clearStripModes();
    editor.SetStatus(kStatusIdle);
    PanelView &panel = editor.services().panel;
    for (int id : {ctl::LoadPicture, ctl::DeleteStrip, ctl::DeletePicture, ctl::AllText, ctl::SelectedText,
                   ctl::TextToMoveGroup, ctl::EditPictureGroup, ctl::FrameLabel, ctl::FrameList})
        panel.setEnabled(id, false);
    editor.panel().SetPictureAdjustButtons(false);
    editor.panel().SetLineSpacingControls(false);
}

QPoint WindowCentre(const Editor &editor)
{
    return editor.services().window.availableArea().center();
}

// Output renders copy the installed files of the faces they draw into the
// work folder, so that the container carries them. The catalogue is read
// afresh for each command: fonts may have been installed since the last.
class OutputFonts {
public:
    FontCollector *collector()
    {
        if (!m_collector) {
            m_catalogue = std::make_unique<FontCatalogue>();
            m_collector = std::make_unique<WorkFolderFontCollector>(*m_catalogue);
        }
        return m_collector.get();
    }

private:
    std::unique_ptr<FontCatalogue> m_catalogue;
    std::unique_ptr<WorkFolderFontCollector> m_collector;
};

} // namespace

QString SavedMessage(const QString &containerName, const QString &tvImageName, const QString &folder, bool removable)
{
    QString text = QStringLiteral("\n");
    if (!removable)
        text += QLatin1Char('\n');
    text += QStringLiteral("FILE SAVED CONFIRMATION!\n\n") + QStringLiteral("The Zorvan layout file:\n") + containerName
            + QStringLiteral("\n\n") + QStringLiteral("and its associated TV display file:\r\n") + tvImageName
            + QStringLiteral("\n\n") + QStringLiteral("have been saved in directory:\n") + folder;
    if (removable)
        text += QStringLiteral("\n\n(It is now OK to unplug the USB Flash Drive)");
    return text;
}

QString ChooseSavePath(Editor &editor)
{
    const LayoutFileState &files = editor.files();
    const bool whitePrint = editor.whitePrint();
    const QString chosen = editor.services().dialogs.saveFile(
        QString::fromUtf8(kSaveDialogTitle), QString::fromUtf8(kSaveDialogFilter), files.fileFolder,
        ProposedSaveName(files.layoutFileName, files.fromContainer, whitePrint));
    if (chosen.isEmpty())
        return QString();
    // Only the file name follows the naming rules: a folder whose name holds
    // "_LAYOUT" is still the folder the user chose.
    return ContainerSaveName(chosen, whitePrint);
}

SaveOutcome SaveLayout(Editor &editor, const SaveSettings &settings)
{
    MenuData &doc = editor.document();
    const EditorServices &services = editor.services();
    UserDialogs &dialogs = services.dialogs;
    OutputFonts fonts;

    TidyPricesForSave(doc);
    {
        WaitCursor wait(services.cursor);
        LeaveStripModes(editor);
        editor.RefreshPreviewForOutput(fonts.collector());
    }
    services.cursor.setPosition(WindowCentre(editor));
    const QString path = ChooseSavePath(editor);
    if (path.isEmpty())
        return SaveOutcome::Cancelled;

    LayoutFileState &files = editor.files();
    bool removable = false;
    LayoutFilesResult result;
    {
        WaitCursor wait(services.cursor);
        services.panel.setEnabled(ctl::Exit, false);
        removable = settings.removableDrive ? settings.removableDrive(path) : IsOnRemovableDrive(path);
        QDeadlineTimer deadline;
        if (removable) {
            dialogs.showPleaseWait(QString::fromUtf8(kPleaseWaitText));
            deadline = QDeadlineTimer(settings.pleaseWaitTime);
        }
        // The next Save proposes this name in this folder, even after a failure.
        files.layoutFileName = FileNameOf(path);
        files.fileFolder = FolderOf(path);
        if (!files.fromContainer)
            files.legacyFileName = files.layoutFileName;
        doc.WhitePrintBackground = editor.whitePrint();

        LayoutFilesRequest request;
        request.containerPath = path;
        request.trelmontFolder = TrelmontFolderOf(editor.workFolder());
        request.askRotation = [&dialogs](TvRotation preselected) { return dialogs.askRotation(preselected); };
        request.fromContainer = files.fromContainer;
        request.workFolder = editor.workFolder();
        request.fonts = fonts.collector();
        DialogPrompts prompts(dialogs, services.cursor);
        result = SaveLayoutFiles(doc, editor.render(), request, prompts);
        if (removable)
            dialogs.closePleaseWait(deadline);
    }

    if (result.ok) {
        editor.SetCurrentFile(path, files.layoutFileName);
        const QString resolution = ShowResolution(editor.render(), doc.BackgroundPath);
        if (!resolution.isEmpty())
            editor.AppendToTitle(resolution);
    }
    dialogs.showSavingMessage(result.ok ? SavedMessage(files.layoutFileName, FileNameOf(result.tvImagePath),
                                                       files.fileFolder, removable)
                                        : QString::fromUtf8(kSaveFailedText));
    services.panel.setEnabled(ctl::Exit, true);
    {
        WaitCursor wait(services.cursor);
        editor.RefreshPreviewForOutput(fonts.collector());
    }
    if (!result.ok)
        return SaveOutcome::Failed;
    doc.Modified = false;
    // The edits kept against a crash are in the saved files now; a crash must not offer them again.
    RemoveAutosave(editor.workFolder());
    return SaveOutcome::Saved;
}

void RegisterSaveCommands(Editor &editor)
{
    CommandTable &table = editor.commands();
    table.add(ctl::SaveLayout, [&editor](const CommandEvent &) { SaveLayout(editor); });
    table.add(ctl::Print, [&editor](const CommandEvent &) { PrintBoard(editor); });
    editor.saveLayout = [&editor] { return SaveLayout(editor) == SaveOutcome::Saved; };
}

} // namespace zorvan
