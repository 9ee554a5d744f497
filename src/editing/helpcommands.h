#pragma once

#include <QString>
#include <QStringList>

namespace zorvan {

class Editor;

// "Help Videos" and the three instruction buttons.
void RegisterHelpCommands(Editor &editor);

// Where the help page may lie, relative to the program folder (ending with '/').
QStringList HelpPageCandidates(const QString &programFolder);

extern const char kTabInstructions[];
extern const char kCopyInstructions[];
extern const char kGroupInstructions[];

} // namespace zorvan
