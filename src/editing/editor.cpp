#include "editing/editor.h"

#include "assets/fontcatalogue.h"
#include "assets/fontinstallview.h"
#include "assets/pictureproxy.h"
#include "assets/backgroundproxy.h"
#include "assets/imageassets.h"
#include "assets/workfolderfontcollector.h"
#include "document/legacymigration.h"
#include "document/layoutpaths.h"
#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/dialogprompts.h"
#include "editing/openlayout.h"
#include "editing/editorwindow.h"
#include "editing/helpcommands.h"
#include "editing/movecommands.h"
#include "editing/panelcommands.h"
#include "editing/picturecommands.h"
#include "editing/savecommands.h"
#include "editing/panelview.h"
#include "editing/selectionoutlines.h"
#include "editing/sessioncommands.h"
#include "editing/sizecommands.h"
#include "editing/spacingcommands.h"
#include "editing/stripmodes.h"
#include "editing/textentry.h"
#include "editing/stripcommands.h"
#include "editing/workspace.h"
#include "render/boardrecomposer.h"
#include "render/previewrefresh.h"

#include "version.h"

#include <QPainter>

namespace zorvan {

QString TitleText(const QString &fileName)
{
    QString title = QStringLiteral("Zorvan PRO Editor 3.0 Ver ") + QLatin1String(kVersionString);
    if (!fileName.isEmpty())
        title += QStringLiteral("      ZorvanFile : ") + fileName;
    return title;
}

Editor::Editor(const EditorServices &services)
    : m_services(services), m_panel(services.panel), m_recomposer(std::make_unique<BoardRecomposer>())
{
    RegisterCommands();
}

Editor::~Editor() = default;

void Editor::RegisterCommands()
{
    RegisterSessionCommands(*this);
    RegisterOpenLayoutCommand(*this);
    RegisterHelpCommands(*this);
    RegisterPanelCommands(*this);
    RegisterPictureCommands(*this);
    RegisterModeCommands(*this);
    RegisterTextEntryCommands(*this);
    RegisterSaveCommands(*this);
    RegisterStripCommands(*this);
    RegisterMoveCommands(*this);
    RegisterSizeCommands(*this);
    RegisterSpacingCommands(*this);
}

void Editor::Initialise(const QString &programFolder)
{
    m_programFolder = programFolder;
    m_lastUsedFolder = programFolder;
    m_services.panel.setCurrentIndex(ctl::FrameList, 0);
    m_files = LayoutFileState{};
    // Until a layout is opened, Save As starts in the editor's own folder.
    m_files.fileFolder = programFolder.endsWith(QLatin1Char('/')) ? programFolder.chopped(1) : programFolder;
    UpdateTitle(m_files.layoutFileName);
    m_panel.SetEditingControls(false);
    m_doc.BackgroundPath.clear();
    m_lastPictureFolder.clear();
    m_undo.clear();
    m_group = StripGroup{};
    m_drag = StripDrag{};
    m_services.workspace.clearWorkFolder();
    m_render.workFolder = m_services.workspace.workFolder();
    m_modes = EditModes{};
}

void Editor::SetCurrentFile(const QString &path, const QString &name)
{
    m_files.currentFilePath = path;
    m_files.layoutFileName = name;
    UpdateTitle(name);
}

QString Editor::workFolder() const
{
    return m_services.workspace.workFolder();
}

void Editor::UpdateTitle(const QString &fileName)
{
    m_title = TitleText(fileName);
    m_services.window.setWindowTitle(m_title);
}

void Editor::AppendToTitle(const QString &text)
{
    m_services.window.setWindowTitle(m_title + text);
}

void Editor::SetStatus(const QString &status)
{
    m_services.panel.setCaption(ctl::Status, status);
}

QString Editor::status() const
{
    return m_services.panel.caption(ctl::Status);
}

namespace {

BoardRect ToBoardRect(const QRect &area)
{
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

} // namespace

bool Editor::RefreshPreview(bool geometryOnly)
{
    m_render.whitePrint = m_whitePrint;
    // The board shown is the recomposer's own: let go of it, or bringing it
    // up to date would first copy it.
    if (!geometryOnly)
        m_board = QImage();
    PreviewRefresh refresh = zorvan::RefreshPreview(m_render, m_doc, ToBoardRect(m_services.window.availableArea()),
                                                    geometryOnly, m_recomposer.get());
    if (!refresh.resolutionText.isEmpty())
        AppendToTitle(refresh.resolutionText);
    if (!geometryOnly) {
        m_board = std::move(refresh.board);
        m_services.window.repaintPreview();
    }
    return refresh.ok;
}

bool Editor::RefreshPreviewForOutput(FontCollector *fonts)
{
    m_render.whitePrint = m_whitePrint;
    FontCollector *const earlier = m_render.fontCollector;
    m_render.fontCollector = fonts;
    PreviewRefresh refresh = RunOutputRefresh(m_render, m_doc, ToBoardRect(m_services.window.availableArea()));
    m_render.fontCollector = earlier;
    if (!refresh.resolutionText.isEmpty())
        AppendToTitle(refresh.resolutionText);
    m_board = std::move(refresh.board);
    m_services.window.repaintPreview();
    return refresh.ok;
}

void Editor::PaintPreview(QPainter &painter)
{
    if (m_doc.BackgroundPath.isEmpty())
        return;
    if (m_render.erasePending) {
        // A board smaller than the one before must not leave the old one showing around it.
        const BoardRect area = ToBoardRect(m_services.window.availableArea());
        painter.fillRect(QRect(QPoint(area.left - 10, area.top), QPoint(area.right - 1, area.bottom - 1)),
                         kButtonFaceGrey);
        m_render.erasePending = false;
    }
    DrawBoardPreview(painter, m_board, m_render);
    DrawSelectionOutlines(painter, m_modes, m_doc, m_render, m_selection);
}

void Editor::WindowResized()
{
    if (!m_files.currentFilePath.isEmpty())
        RefreshPreview();
}

void Editor::SetWhitePrint(bool on)
{
    m_whitePrint = on;
    // The layout stores the format it was saved in.
    m_doc.WhitePrintBackground = on;
    m_services.panel.setChecked(ctl::WhitePrint, on);
}

bool Editor::PromptSaveChanges()
{
    if (m_whitePrint) {
        SetWhitePrint(false);
        RefreshPreview();
    }
    if (m_doc.Modified) {
        const MessageAnswer answer =
            m_services.dialogs.message(QStringLiteral("Do you wish to save this image?"), MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Cancel)
            return false;
        // Edits are dropped only on No: a save that was cancelled or failed keeps them.
        if (answer == MessageAnswer::Yes && saveLayout && !saveLayout())
            return false;
    }
    m_doc.Modified = false;
    return true;
}

namespace {

// Stands for a font dialog the user closed: an editor without a window of
// its own never installs fonts behind anyone's back.
class ClosedFontInstallView : public FontInstallView {
public:
    bool ShowMissingFonts(FontInstallModel &) override { return false; }
};

} // namespace

FontCatalogue &Editor::fontCatalogue()
{
    if (!m_fontCatalogue) {
        m_fontCatalogue = std::make_unique<FontCatalogue>();
        m_fontCollector = std::make_unique<WorkFolderFontCollector>(*m_fontCatalogue);
        m_render.fontCollector = m_fontCollector.get();
    }
    return *m_fontCatalogue;
}

FontInstallView &Editor::fontInstallView()
{
    static ClosedFontInstallView closed;
    return m_fontInstallView ? *m_fontInstallView : closed;
}

void Editor::OfferPendingMigration()
{
    if (!m_files.migrationPending)
        return;
    DialogPrompts prompts(m_services.dialogs, m_services.cursor);
    const MigrationResult result =
        MigrateLegacyLayout(m_doc, m_files, workFolder(), m_render.usedFontList, prompts);
    m_render.fontCollection = false;
    if (!result.converted)
        return;
    UpdateTitle(FileNameOf(result.containerPath));
    {
        // The layout now draws from the container's copies in the work folder.
        WaitCursor wait(m_services.cursor);
        const ImageAssets assets{workFolder(), prompts};
        m_render.backgroundProxyInUse = MakeBackgroundProxy(assets, m_files.fromContainer);
        m_render.pictureProxiesInUse = MakeProxiesForAllStrips(m_doc, m_files.fromContainer, prompts);
    }
    RefreshPreview();
}

bool Editor::QueryClose()
{
    return PromptSaveChanges();
}

void Editor::WindowClosed()
{
    m_services.workspace.removeWorkFolder();
}

void Editor::ExitButton()
{
    if (m_whitePrint) {
        SetWhitePrint(false);
        RefreshPreview();
    }
    if (!PromptSaveChanges())
        return;
    m_services.workspace.removeWorkFolder();
    m_services.window.endProcess(0);
}

void Editor::ExitMenu()
{
    // The work folder stays behind; the next start clears it away.
    m_services.window.endProcess(0);
}

} // namespace zorvan
