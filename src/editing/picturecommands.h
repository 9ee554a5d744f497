#pragma once

namespace zorvan {

class Editor;

// Load New Picture, Load New Background Image, Delete Picture and the
// buttons of the "Edit Picture" group.
void RegisterPictureCommands(Editor &editor);

} // namespace zorvan
