#pragma once

#include "document/columnrow.h"

namespace zorvan {

class MenuData;
class RenderState;
class StripRectCache;

// Moves a strip whose offsets reach a whole cell into the cell where its box
// lies, keeping its place on the board: the strip lands in the first free
// cell on its way (rows downwards, columns rightwards), and its offsets
// shrink by the cells it moved. The strip never leaves the grid and never
// goes over a strip in use: when no free cell is found it stays where it is,
// unchanged. Returns where the strip is afterwards.
ColumnRow RelocateStrip(MenuData &doc, StripRectCache &rects, ColumnRow cell);

// After a layout is read and drawn once: strips whose boxes start left of or
// above the board, and strips whose offsets reach whole cells, are put back
// on the board in the cells they show in; boxes without fill or picture are
// fitted round their texts first. Texts keep their places on the board.
void NormaliseOpenedStrips(MenuData &doc, RenderState &render);

} // namespace zorvan
