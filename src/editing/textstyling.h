#pragma once

#include "document/columnrow.h"

namespace zorvan {

class RenderState;
struct StripData;

// The first characters typed into an empty block in Text mode: the block
// takes size, face, colour and place from the block Text mode was entered
// through, when that one holds text, so a new line looks like its sibling.
// Sizes come from the sibling's text rectangle as last drawn.
void BorrowSiblingStyle(StripData &style, int newItem, int siblingItem, const RenderState &render,
                        const ColumnRow &strip);

// The first characters typed into an empty block of a strip selected as a
// picture or a box: styled from the strip's other blocks, or, on a strip
// without texts, as a large white bold heading with a black shadow.
void StyleNewBlock(StripData &strip, int newItem);

} // namespace zorvan
