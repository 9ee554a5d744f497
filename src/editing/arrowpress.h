#pragma once

#include "document/columnrow.h"
#include "editing/movesteps.h"

#include <QRectF>

#include <functional>

namespace zorvan {

class Editor;
struct CommandEvent;

// What the arrow, size and spacing buttons share.

// The increment choice of the panel and the keys held with the press.
StepKeys PressKeys(const Editor &editor, const CommandEvent &event);

// The strip whose box the picture and strip-box modes move and size.
ColumnRow BoxEditStrip(const Editor &editor);

// The strip box as last drawn; computed from its cell when it was never drawn.
QRectF DrawnStripBox(const Editor &editor, const ColumnRow &strip);

// The edit box that had the focus before the button took it gets it back, so typing goes on.
void ReturnFocus(Editor &editor);

// A moved or sized box: the board is drawn anew and the focus goes back.
void ShowChangedBox(Editor &editor);

// Clicks made while the board was redrawn are dropped, so they do not pile up into further steps.
void EndArrowPress(Editor &editor);

// Registers an arrow or size button: the press runs under a wait cursor
// (large boards take a while to draw again) and ends with EndArrowPress.
void AddArrowCommand(Editor &editor, int id, std::function<void(const StepKeys &)> press);

} // namespace zorvan
