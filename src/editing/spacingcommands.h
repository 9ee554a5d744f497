#pragma once

#include "editing/movesteps.h"

namespace zorvan {

class Editor;

// Text mode: the line spacing of the edited block, down or up by a step (no limit).
void ChangeLineSpacing(Editor &editor, bool up, const StepKeys &keys);

// Text mode: the distance between the price columns ("Tab Spacing") and
// between a price and its calories ("Cal Spacing"), in steps of 0.2. The
// calories spacing never reaches past 0.7 times the tab spacing plus 0.2, and
// neither goes below 2.0. False when the press changed nothing.
bool ChangeTabSpacing(Editor &editor, bool up);
bool ChangeCalSpacing(Editor &editor, bool up);

// Line, tab and calories spacing buttons.
void RegisterSpacingCommands(Editor &editor);

} // namespace zorvan
