#pragma once

#include <QString>

namespace zorvan {

// What a press of an arrow or spacing button changes.
enum class StepKind {
    MoveAcross,   // left and right moves
    MoveUpDown,   // up and down moves
    SizeUpDown,   // text size, or box height
    SizeAcross,   // box width
    LineSpacing,
    PriceSpacing, // tab and calories spacing
};

// The increment choice and the keys held at the moment of the press.
struct StepKeys {
    bool macro = false; // "Macro" checked
    bool alt = false;   // Alt or Ctrl held
    bool shift = false;
};

// How far one press goes: in cells for moves and box sizes, in the factor's
// own units for text size and spacing. Texts move and size in coarser fine
// steps than boxes vertically, since a tenth of a cell is already a small
// part of a line.
double StepSize(StepKind kind, bool textMode, const StepKeys &keys);

// The keys a button's step listens to, for its tooltip; empty for other buttons.
// Ctrl does what Alt does, since many window managers keep Alt-clicks for themselves.
QString StepKeysHint(int controlId);

} // namespace zorvan
