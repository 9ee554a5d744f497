#include "editing/crashrecovery.h"

#include "assets/imageassets.h"
#include "document/layoutpaths.h"
#include "editing/autosave.h"
#include "editing/editor.h"
#include "editing/workspace.h"

#include <QFileInfo>

namespace zorvan {

namespace {

void ShowRestored(Editor &editor, const MenuData &doc, const AutosaveState &state)
{
    editor.document() = doc;
    editor.files() = state.files;
    editor.SetWhitePrint(state.whitePrint);
    editor.UpdateTitle(state.files.layoutFileName);
    editor.undo().clear();
    RenderState &render = editor.render();
    render.resolutionReadoutPending = true;
    // The proxies came along with the pictures; a missing one falls back to its picture.
    render.backgroundProxyInUse = QFileInfo::exists(JoinPath(editor.workFolder(), kBackgroundProxyFileName));
    render.pictureProxiesInUse = true;
    editor.RefreshPreview(true);
    editor.RefreshPreview();
}

} // namespace

bool AutosaveTick(Editor &editor)
{
    const QString folder = editor.workFolder();
    if (folder.isEmpty())
        return false;
    if (!editor.document().Modified) {
        RemoveAutosave(folder);
        return true;
    }
    return WriteAutosave(folder, editor.document(), editor.files(), editor.whitePrint());
}

bool OfferCrashRecovery(Editor &editor)
{
    const QString folder = editor.workFolder();
    if (folder.isEmpty())
        return false;
    UserDialogs &dialogs = editor.services().dialogs;
    const QList<CrashedSession> sessions = FindCrashedSessions(QFileInfo(folder).path());
    for (const CrashedSession &session : sessions) {
        if (dialogs.message(RestoreQuestion(session.layoutFileName), MessageButtons::YesNo) != MessageAnswer::Yes) {
            DiscardCrashedSession(session);
            continue;
        }
        MenuData doc;
        AutosaveState state;
        QString error;
        if (!RestoreCrashedSession(session, folder, doc, state, &error)) {
            // Kept for the next start: nothing the user wanted back is thrown away.
            dialogs.message(QStringLiteral("The unsaved changes cannot be restored: %1").arg(error));
            continue;
        }
        ShowRestored(editor, doc, state);
        // The restored edits are unsaved again: they are kept at once, not a minute later.
        AutosaveTick(editor);
        return true;
    }
    return false;
}

} // namespace zorvan
