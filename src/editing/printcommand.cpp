#include "editing/printcommand.h"

#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/layoutfilesave.h"
#include "render/boardexport.h"

namespace zorvan {

void PrintBoard(Editor &editor)
{
    const EditorServices &services = editor.services();
    const QString trelmontFolder = TrelmontFolderOf(editor.workFolder());
    QString path;
    {
        WaitCursor wait(services.cursor);
        // Printing packs nothing, so it collects no fonts.
        editor.RefreshPreviewForOutput(nullptr);
        if (!trelmontFolder.isEmpty()) {
            BoardExportOptions options;
            options.forPrint = true;
            options.trelmontFolder = trelmontFolder;
            path = ExportBoardImage(editor.document(), editor.render(), options);
        }
    }
    services.cursor.setPosition(services.window.availableArea().center());
    if (path.isEmpty())
        return;
    if (services.dialogs.message(QString::fromUtf8(kPrintInstructions), MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    services.dialogs.printImage(path);
}

} // namespace zorvan
