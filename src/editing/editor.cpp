#include "editing/editor.h"

#include "editing/controlids.h"
#include "editing/editorwindow.h"
#include "editing/helpcommands.h"
#include "editing/panelcommands.h"
#include "editing/panelview.h"
#include "editing/sessioncommands.h"
#include "editing/workspace.h"

#include "version.h"

namespace zorvan {

QString TitleText(const QString &fileName)
{
    QString title = QStringLiteral("Zorvan PRO Editor 3.0 Ver ") + QLatin1String(kVersionString);
    if (!fileName.isEmpty())
        title += QStringLiteral("      ZorvanFile : ") + fileName;
    return title;
}

Editor::Editor(const EditorServices &services) : m_services(services), m_panel(services.panel)
{
    RegisterCommands();
}

void Editor::RegisterCommands()
{
    RegisterSessionCommands(*this);
    RegisterHelpCommands(*this);
    RegisterPanelCommands(*this);
}

void Editor::Initialise(const QString &programFolder)
{
    m_programFolder = programFolder;
    m_lastUsedFolder = programFolder;
    m_services.panel.setCurrentIndex(ctl::FrameList, 0);
    m_currentFilePath.clear();
    m_currentFileName.clear();
    UpdateTitle(m_currentFileName);
    m_panel.SetEditingControls(false);
    m_doc.BackgroundPath.clear();
    m_lastPictureFolder.clear();
    m_undo.clear();
    m_services.workspace.clearWorkFolder();
    m_modes = EditModes{};
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

void Editor::RefreshPreview()
{
    m_services.window.repaintPreview();
}

void Editor::SetWhitePrint(bool on)
{
    m_whitePrint = on;
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
        if (answer == MessageAnswer::Yes && saveLayout)
            saveLayout();
    }
    m_doc.Modified = false;
    return true;
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
