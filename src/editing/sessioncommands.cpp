#include "editing/sessioncommands.h"

#include "editing/controlids.h"
#include "editing/editor.h"

namespace zorvan {

void RegisterSessionCommands(Editor &editor)
{
    CommandTable &table = editor.commands();
    // The menu's "&Open..." loads a new background (its button stays hidden); "Save &As..." saves.
    table.alias(ctl::MenuOpen, ctl::LoadBackground);
    table.alias(ctl::MenuSaveAs, ctl::SaveLayout);
    table.add(ctl::Exit, [&editor](const CommandEvent &) { editor.ExitButton(); });
    table.add(ctl::MenuExit, [&editor](const CommandEvent &) { editor.ExitMenu(); });
    table.add(ctl::About, [&editor](const CommandEvent &) {
        editor.services().dialogs.message(QString::fromUtf8(kAboutText), MessageButtons::Ok,
                                          QString::fromUtf8(kAboutCaption));
    });
}

} // namespace zorvan
