#pragma once

#include "render/renderstate.h"

#include <QPoint>
#include <QPointF>
#include <QRectF>

namespace zorvan {

class MenuData;

// The board rectangle for an image of imageWidth x imageHeight shown in the
// available area: 1:1 at the top-left when the image is smaller in both
// directions, otherwise scaled to fit, left-aligned when the height limits
// and centred vertically when the width limits. An empty image or area gives
// an empty board.
BoardRect FitBoardRect(const BoardRect &area, int imageWidth, int imageHeight);

// Rebuilds the cell grid from the board rectangle and the grid size; cells
// outside the grid in use are zero.
void ComputeCellGrid(RenderState &state, const MenuData &doc);

// Whether the last refresh produced a board that can be drawn on.
bool HasDrawableBoard(const RenderState &state);

QRectF StripRectInScreenSpace(const RenderState &state, const MenuData &doc, int column, int row);
// Empty while the board is empty.
QRectF StripRectInGraphicsSpace(const RenderState &state, const MenuData &doc, int column, int row);

QRectF GraphicsToScreen(const RenderState &state, const QRectF &graphicsRect);
// Integer part of the offset from the first cell, in graphics pixels.
QPoint ScreenToGraphics(const RenderState &state, const QPointF &screenPoint);

} // namespace zorvan
