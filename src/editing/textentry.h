#pragma once

namespace zorvan {

class Editor;

// Typing into the three edit boxes: every change goes into the selected strip
// at once and the board is redrawn. textItem: 0 main item, 1 sub items, 2 prices.
void OnTextChanged(Editor &editor, int textItem);
void OnTextBoxFocus(Editor &editor, int textItem);
void OnTextBoxBlur(Editor &editor, int textItem);

// Shows the "ACTIVE" label of the block's box only; in Text mode the block
// becomes the hit one and the outlines follow.
void ShowActiveBlock(Editor &editor, int textItem);

// The text block of an edit box id; -1 for other ids.
int TextItemOfBox(int id);

// The changes of boxes 1000, 1030 and 1028.
void RegisterTextEntryCommands(Editor &editor);

} // namespace zorvan
