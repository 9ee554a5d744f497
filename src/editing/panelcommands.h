#pragma once

namespace zorvan {

class Editor;

// The panel's own check boxes and lists: the exclusive pairs, the
// white-background print format and the "Picture Frame" list.
void RegisterPanelCommands(Editor &editor);

} // namespace zorvan
