#pragma once

#include "editing/edgeclamp.h"
#include "editing/movesteps.h"

namespace zorvan {

class Editor;

// One press of a move arrow: in Text mode the selected text block (or all
// three with "All Text"), in the picture and strip-box modes the strip box.
// A move stops at the board's edge; a press at the edge does nothing.
void MoveSelection(Editor &editor, MoveDirection direction, const StepKeys &keys);

// The four move arrows.
void RegisterMoveCommands(Editor &editor);

} // namespace zorvan
