#pragma once

#include "document/columnrow.h"

#include <QPoint>

namespace zorvan {

class Editor;
class MenuData;

// Entering and leaving the three strip modes, with the panel each one needs.

// clickPoint: where the click that chose a prices block landed (client pixels);
// the prices caret is placed from it.
void EnterTextMode(Editor &editor, const ColumnRow &strip, int textItem, const QPoint &clickPoint = {});
void EnterPictureMode(Editor &editor, const ColumnRow &strip);
void EnterBackgroundMode(Editor &editor, const ColumnRow &strip);
void LeaveTextMode(Editor &editor);
void LeavePictureMode(Editor &editor);
void LeaveBackgroundMode(Editor &editor);
// Leaves whichever strip mode is on.
void LeaveStripMode(Editor &editor);

// "Edit Menu Item Background": from Text mode straight to Background mode on the same strip.
void EditMenuItemBackground(Editor &editor);

// Text mode: the style template (the working copy of the strip) goes back
// into the strip and the board is redrawn.
void ApplyStyleTemplate(Editor &editor);

// No fill and no picture: only its texts show where the strip is.
bool IsBareStrip(const MenuData &doc, const ColumnRow &strip);

// The line spacing buttons are on exactly when the hit block's box holds more than one line.
void UpdateLineSpacingControls(Editor &editor);

// The edit box of a text block (0 main item, 1 sub items, 2 prices); 0 for other numbers.
int TextBoxOf(int textItem);

// The number read-outs for the edited block of the style template.
void ShowTextReadouts(Editor &editor);

// Drops every prices caret marker of the grid in use.
void RemovePriceCaretMarkers(MenuData &doc);


// "Edit Menu Item Background" and "Center Text in Menu Strip".
void RegisterModeCommands(Editor &editor);

} // namespace zorvan
