#pragma once

class QPainter;

namespace zorvan {

class MenuData;
class RenderState;

// One strip of the board in graphics space. The box step fills the strip box
// and draws its frame, and records the strip's screen rectangle; the content
// step draws the picture, its frame again and the three text blocks. Strips
// not in use draw nothing in either step.
void DrawStrip(QPainter &painter, const MenuData &doc, RenderState &state, int column, int row, bool boxStep);

// Records the screen rectangle the box step would record for the strip as it
// is now, without drawing; for a box that draws nothing.
void RecordDrawnStripBox(RenderState &state, const MenuData &doc, int column, int row);

} // namespace zorvan
