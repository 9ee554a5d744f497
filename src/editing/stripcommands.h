#pragma once

namespace zorvan {

class Editor;

// "Undo", "Delete Menu Item" and "Vertically Space Grouped Items Evenly".
void RegisterStripCommands(Editor &editor);

// "Delete Menu Item": empties the strip of the strip mode that is on and
// leaves that mode. The undo entry made when the mode was entered brings
// the strip back.
void DeleteStrip(Editor &editor);

} // namespace zorvan
