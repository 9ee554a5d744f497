#pragma once

#include "document/columnrow.h"

namespace zorvan {

class MenuData;
class RenderState;

// A strip without fill or picture shows no box of its own, yet hit testing,
// outlines and copying work on that box; these keep it round the strip's
// texts as the last drawing recorded them, leaving the texts where they are
// on the board.

// Height and top of the box from the texts. Only for a strip without fill,
// picture or frame; nothing changes when no text was drawn.
void FitStripBoxToTextVertically(MenuData &doc, const RenderState &render, ColumnRow cell);

// Width and left of the box from the texts, for a strip without fill,
// picture, frame or centred text. A strip holding only prices whose text lies
// wholly right of its cell first moves right into the next free cells (never
// over a strip in use, never beyond the grid). Returns where the strip is
// afterwards.
ColumnRow FitStripBoxToTextHorizontally(MenuData &doc, RenderState &render, ColumnRow cell);

enum class FitOrder { VerticalFirst, HorizontalFirst };

// Both halves in the given order; returns where the strip is afterwards.
ColumnRow FitStripBoxToText(MenuData &doc, RenderState &render, ColumnRow cell, FitOrder order);

} // namespace zorvan
