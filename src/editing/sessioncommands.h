#pragma once

namespace zorvan {

class Editor;

// Exit (button and menu) and the about box.
void RegisterSessionCommands(Editor &editor);

inline const char kAboutCaption[] = "About Pictorix";
inline const char kAboutText[] = "Pictorix Version 3.0";

} // namespace zorvan
