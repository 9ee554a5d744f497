#pragma once

#include "document/layoutfilestate.h"
#include "document/menudata.h"
#include "editing/commandtable.h"
#include "editing/controlpanel.h"
#include "editing/editmode.h"
#include "editing/selection.h"
#include "editing/userdialogs.h"
#include "render/renderstate.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class QPainter;

namespace zorvan {

class BoardRecomposer;
class CursorControl;
class FontCollector;
class EditorWindow;
class FontCatalogue;
class FontInstallView;
class WorkFolderFontCollector;
class PanelView;
class Workspace;

// The services the editor works through; the window supplies them, tests
// and scripted sessions supply their own.
struct EditorServices {
    PanelView &panel;
    UserDialogs &dialogs;
    CursorControl &cursor;
    EditorWindow &window;
    Workspace &workspace;
};

// The editor: one per run, owned by the main window for the whole run. It
// holds the document, the file state, the modes, the selection, the undo
// history and the group, and reaches the window only through its services.
class Editor {
public:
    explicit Editor(const EditorServices &services);
    ~Editor();
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    // The window's initialisation, once its controls exist. programFolder ends with '/'.
    void Initialise(const QString &programFolder);

    // Runs the command of a control or menu item; false when it has none.
    bool RunCommand(const CommandEvent &event) { return m_commands.run(event); }
    CommandTable &commands() { return m_commands; }

    // The save question asked before the editor would drop unsaved edits;
    // false when the user cancelled.
    bool PromptSaveChanges();
    // Window close: true when the window may close.
    bool QueryClose();
    // The window is going away after a close: its work folder goes with it.
    void WindowClosed();

    void UpdateTitle(const QString &fileName);
    void AppendToTitle(const QString &text);
    QString title() const { return m_title; }
    void SetStatus(const QString &status);
    QString status() const;

    // Recomposes the board from the document and has the window show it;
    // every command ends with this. geometryOnly brings the board rectangle,
    // the ratio and the grid up to date without drawing. False when the
    // board bitmap could not be drawn on.
    bool RefreshPreview(bool geometryOnly = false);
    // The full-size refresh that precedes every saved or printed board: drawn
    // from the full-size images, proxies set aside, the output flag raised and
    // the used fonts collected into the work folder through fonts (may be null).
    bool RefreshPreviewForOutput(FontCollector *fonts);
    // The window's paint: the board as last composed, scaled into the board rectangle.
    void PaintPreview(QPainter &painter);
    // The board as last composed, graphics space.
    const QImage &board() const { return m_board; }
    // The window changed size: the board follows when a file is open.
    void WindowResized();

    // Commands that end the editor.
    void ExitButton();
    void ExitMenu();

    // The white-background print format, switched off again before questions that may save.
    bool whitePrint() const { return m_whitePrint; }
    void SetWhitePrint(bool on);

    RenderState &render() { return m_render; }
    const RenderState &render() const { return m_render; }
    MenuData &document() { return m_doc; }
    const MenuData &document() const { return m_doc; }
    EditModes &modes() { return m_modes; }
    const EditModes &modes() const { return m_modes; }
    Selection &selection() { return m_selection; }
    const Selection &selection() const { return m_selection; }
    UndoHistory &undo() { return m_undo; }
    const UndoHistory &undo() const { return m_undo; }
    StripGroup &group() { return m_group; }
    const StripGroup &group() const { return m_group; }
    StripDrag &drag() { return m_drag; }
    ControlPanel &panel() { return m_panel; }
    const EditorServices &services() const { return m_services; }

    // What Open and Save keep about the layout's files.
    LayoutFileState &files() { return m_files; }
    const LayoutFileState &files() const { return m_files; }
    QString currentFilePath() const { return m_files.currentFilePath; }
    QString currentFileName() const { return m_files.layoutFileName; }
    // Open and Load New Background Image record what they loaded; the title follows.
    void SetCurrentFile(const QString &path, const QString &name);
    QString programFolder() const { return m_programFolder; }
    QString lastUsedFolder() const { return m_lastUsedFolder; }
    void SetLastUsedFolder(const QString &folder) { m_lastUsedFolder = folder; }
    // Folder of the picture chosen last; empty until one is chosen.
    QString lastPictureFolder() const { return m_lastPictureFolder; }
    void SetLastPictureFolder(const QString &folder) { m_lastPictureFolder = folder; }
    QString workFolder() const;

    // The machine's fonts, loaded at first use and kept for the run; the
    // text drawing collects installed font files through it.
    FontCatalogue &fontCatalogue();
    // The guided installation of missing fonts: the window shows its dialog,
    // scripted sessions play a script. Without one, the dialog counts as closed.
    void SetFontInstallView(FontInstallView *view) { m_fontInstallView = view; }
    FontInstallView &fontInstallView();
    // Offers the conversion of an opened legacy layout into a container,
    // once, after the board was shown; does nothing when none is pending.
    void OfferPendingMigration();

    // Set by the save command; PromptSaveChanges runs it on Yes. True when the
    // layout was saved: a cancelled or failed save keeps the edits.
    std::function<bool()> saveLayout;

private:
    void RegisterCommands();

    EditorServices m_services;
    ControlPanel m_panel;
    CommandTable m_commands;

    MenuData m_doc;
    RenderState m_render;
    QImage m_board; // the board as last composed, graphics space
    // Keeps the composed board between refreshes so that an edit draws again
    // only what it changed.
    std::unique_ptr<BoardRecomposer> m_recomposer;
    EditModes m_modes;
    Selection m_selection;
    UndoHistory m_undo;
    StripGroup m_group;
    StripDrag m_drag;
    bool m_whitePrint = false;

    QString m_programFolder;
    QString m_lastUsedFolder;
    LayoutFileState m_files;
    QString m_lastPictureFolder;
    QString m_title;

    std::unique_ptr<FontCatalogue> m_fontCatalogue;
    std::unique_ptr<WorkFolderFontCollector> m_fontCollector;
    FontInstallView *m_fontInstallView = nullptr;
};

// "Zorvan PRO Editor 3.0 Ver 3.0.30.21", then the file part when a file is open.
QString TitleText(const QString &fileName);

} // namespace zorvan
