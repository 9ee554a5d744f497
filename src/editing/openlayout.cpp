#include "editing/openlayout.h"

#include "assets/backgroundproxy.h"
#include "assets/imageassets.h"
#include "assets/layoutfontcheck.h"
#include "assets/missingfontinstaller.h"
#include "assets/pictureproxy.h"
#include "document/container.h"
#include "document/layoutfileread.h"
#include "document/layoutpaths.h"
#include "document/menudata.h"
#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/dialogprompts.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/panelview.h"
#include "editing/striprelocation.h"

#include <QFileInfo>

#include <memory>

namespace zorvan {

QString LayoutPathForChosenFile(const QString &chosenPath)
{
    QString name = FileNameOf(chosenPath);
    if (!name.contains(QLatin1String("_TV")))
        return chosenPath;
    name.replace(QLatin1String("_TV"), QLatin1String("_LAYOUT"));
    name.replace(QLatin1String(".jpg"), QLatin1String(".ZORVAN"));
    const QString folder = chosenPath.left(chosenPath.size() - FileNameOf(chosenPath).size());
    return folder + name;
}

namespace {

// A layout read and checked aside, not yet in the editor.
struct StagedLayout {
    std::unique_ptr<MenuData> doc = std::make_unique<MenuData>();
    LayoutFileState files;
    bool whitePrint = false;
};

enum class StageOutcome { Ready, Unreadable, Abandoned };

// Reads the layout text and checks its fonts. fontFolder holds the font
// files the layout carries, which the installation dialog offers (empty: the
// folder of its background); nothing is deleted there, staged files must all
// move in.
StageOutcome ReadAndCheck(Editor &editor, const QString &textPath, const QString &fontFolder, StagedLayout &staged,
                          UserPrompts &prompts)
{
    const LayoutFileRead read = ReadLayoutFile(textPath, staged.files, editor.workFolder(), *staged.doc,
                                               editor.selection().currentTextColour);
    if (!read.ok)
        return StageOutcome::Unreadable;
    staged.whitePrint = read.whitePrintBackground;

    const QString carriedFonts = fontFolder.isEmpty() ? FolderOf(staged.doc->BackgroundPath) : fontFolder;
    FontCatalogue &catalogue = editor.fontCatalogue();
    LayoutFontCheck check(catalogue, QString());
    check.CheckDocument(*staged.doc);
    QString missing = check.missingFontList();
    if (missing.isEmpty())
        return StageOutcome::Ready;
    // The font questions and dialog are the user's turn, not a wait.
    editor.services().cursor.endWait();
    const bool installed =
        MissingFontInstaller(catalogue, prompts, editor.fontInstallView()).Run(missing, carriedFonts, QString());
    editor.services().cursor.beginWait();
    return installed ? StageOutcome::Ready : StageOutcome::Abandoned;
}

// Leaving the current layout: idle, and the question whether to save it.
bool LeaveCurrentLayout(Editor &editor)
{
    editor.files().migrationPending = false;
    editor.modes().clearStripModes();
    editor.SetStatus(kStatusIdle);
    editor.render().ForgetAllStripRects();
    editor.render().erasePending = true;
    if (!editor.PromptSaveChanges())
        return false;
    editor.render().resolutionReadoutPending = true;
    return true;
}

// An opening that ends before anything changed: the board is drawn again so
// that the rectangles forgotten on leaving are recorded once more.
void KeepCurrentLayout(Editor &editor)
{
    if (!editor.currentFilePath().isEmpty())
        editor.RefreshPreview();
}

void TakeStagedLayout(Editor &editor, StagedLayout &staged)
{
    editor.document() = std::move(*staged.doc);
    LayoutFileState &files = editor.files();
    const QString lastLayoutFolder = files.lastLayoutFolder;
    files = staged.files;
    files.lastLayoutFolder = lastLayoutFolder;
    editor.SetWhitePrint(staged.whitePrint);
    if (files.fromContainer) {
        editor.UpdateTitle(files.layoutFileName);
        files.currentFilePath = QString::fromLatin1(kBackgroundMember);
    } else {
        editor.UpdateTitle(files.legacyFileName);
        files.currentFilePath = files.resolvedBackgroundPath;
    }
}

void ResetPanelForNewLayout(Editor &editor)
{
    PanelView &panel = editor.services().panel;
    for (int box : {ctl::MainItemBox, ctl::SubItemBox, ctl::PricesBox})
        panel.setText(box, QString());
    for (int id : {ctl::SizeGroup, ctl::MoveGroup, ctl::MoveUp, ctl::MoveLeft, ctl::MoveRight, ctl::MoveDown,
                   ctl::SizeUp, ctl::SizeDown, ctl::LoadPicture})
        panel.setEnabled(id, false);
    editor.panel().SetPictureAdjustButtons(false);
    for (int id : {ctl::IncrementGroup, ctl::Micro, ctl::Macro})
        panel.setEnabled(id, false);
    editor.panel().ResetIncrement();
    panel.setChecked(ctl::AllText, true);
    panel.setChecked(ctl::SelectedText, false);
}

} // namespace

void OpenLayout(Editor &editor)
{
    if (!LeaveCurrentLayout(editor))
        return KeepCurrentLayout(editor);

    const EditorServices &services = editor.services();
    LayoutFileState &files = editor.files();
    // Until a layout was opened, the folder the editor was started with (its
    // own, or the one the start-up was told to show).
    const QString folder = files.lastLayoutFolder.isEmpty() ? editor.lastUsedFolder() : files.lastLayoutFolder;
    const QString chosen = services.dialogs.openFile(kOpenLayoutTitle, kOpenLayoutFilter, folder);
    if (chosen.isEmpty())
        return KeepCurrentLayout(editor);
    const QString path = LayoutPathForChosenFile(chosen);
    if (!QFileInfo(path).isFile()) {
        services.dialogs.message(kUnableToOpenMessage.arg(path));
        return KeepCurrentLayout(editor);
    }
    files.lastLayoutFolder = FolderOf(path) + QLatin1Char('/');

    DialogPrompts prompts(services.dialogs, services.cursor);
    StagedLayout staged;
    staged.files = FileStateForChosenLayout(path);
    StageOutcome outcome = StageOutcome::Unreadable;
    {
        WaitCursor wait(services.cursor);
        if (staged.files.fromContainer && editor.workFolder().isEmpty()) {
            // Without a work folder there is nowhere to unpack to.
        } else if (staged.files.fromContainer) {
            // The container goes into the work folder only once its layout
            // was read and its fonts are settled; until then the open
            // layout keeps drawing from the files there.
            UnpackOptions options;
            options.replaceFolderContents = true;
            options.check = [&](const QString &stagingFolder, QString *error) {
                outcome = ReadAndCheck(editor, JoinPath(stagingFolder, QLatin1String(kLayoutMember)), stagingFolder,
                                       staged, prompts);
                if (outcome != StageOutcome::Ready)
                    *error = QStringLiteral("not opened");
                return outcome == StageOutcome::Ready;
            };
            const UnpackResult unpacked = UnpackContainer(path, editor.workFolder(), options);
            if (!unpacked.ok && outcome == StageOutcome::Ready)
                outcome = StageOutcome::Unreadable;
        } else {
            // A legacy layout carries its fonts in its support folder, beside its background.
            outcome = ReadAndCheck(editor, path, QString(), staged, prompts);
        }
    }
    if (outcome == StageOutcome::Unreadable)
        services.dialogs.message(kUnableToOpenMessage.arg(path));
    if (outcome != StageOutcome::Ready)
        return KeepCurrentLayout(editor);

    MenuData &doc = editor.document();
    RenderState &render = editor.render();
    editor.render().ForgetAllStripRects();
    editor.undo().clear();
    editor.panel().SetPanelAfterLoading();
    TakeStagedLayout(editor, staged);
    if (files.fromContainer) {
        // Every font is installed now: the copies the container carried go,
        // since saving collects the installed files again.
        LayoutFontCheck(editor.fontCatalogue(), editor.workFolder()).CheckDocument(doc);
    }

    if (!files.fromContainer) {
        // The first drawing collects the fonts the conversion will pack.
        files.collectFonts = true;
        editor.fontCatalogue();
    }
    render.fontCollection = files.collectFonts;
    {
        WaitCursor wait(services.cursor);
        const ImageAssets assets{editor.workFolder(), prompts};
        render.backgroundProxyInUse = MakeBackgroundProxy(assets, files.fromContainer);
        render.pictureProxiesInUse = MakeProxiesForAllStrips(doc, files.fromContainer, prompts);
    }
    render.erasePending = true;
    editor.RefreshPreview(true);
    editor.RefreshPreview();
    files.migrationPending = !files.fromContainer;

    ResetPanelForNewLayout(editor);
    const bool stripsRemoved = doc.RemoveEmptyStrips(render) > 0;
    editor.group() = StripGroup{};
    // A large board takes a while to draw; it is drawn again only when it changed.
    if (stripsRemoved)
        editor.RefreshPreview();

    const auto beforeNormalising = std::make_unique<MenuData>(doc);
    NormaliseOpenedStrips(doc, render);
    if (!(doc == *beforeNormalising))
        editor.RefreshPreview();
    editor.group() = StripGroup{};
    editor.modes() = EditModes{};
    editor.panel().SetLineSpacingControls(false);
    editor.SetStatus(kStatusIdle);
    doc.Modified = false;
    services.window.discardQueuedClicks();
}

void RegisterOpenLayoutCommand(Editor &editor)
{
    editor.commands().add(ctl::OpenLayout, [&editor](const CommandEvent &) { OpenLayout(editor); });
}

} // namespace zorvan
