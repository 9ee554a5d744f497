#pragma once

#include "document/colour.h"
#include "editing/palette.h"

namespace zorvan {

class Editor;

// Where the palette's cells lie now, in client coordinates of the main window.
PaletteCells EditorPaletteCells(const Editor &editor);

// Marks the colour's cell and names it in the palette's caption ("Text Color: "
// or "Bgnd Color: " when background is set).
void ShowColourInPalette(Editor &editor, Colour colour, bool background);

// A click on palette cell index in Text or Background mode.
void PickColour(Editor &editor, int index);

// The palette as the window shows it: enabled with the "Pallete Color" box, marked at the active colour.
void PaintPalette(QPainter &painter, const Editor &editor);

// "Center Text in Menu Strip": the edited block follows the check box.
void ToggleCenterInStrip(Editor &editor);

} // namespace zorvan
