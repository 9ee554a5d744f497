#pragma once

#include <QRectF>

class QPainter;

namespace zorvan {

class MenuData;
class RenderState;
struct EditModes;
struct Selection;

// Outlines of what is selected. They go onto the window over the preview and
// never into the board bitmap, so saved, exported and printed boards stay clean.

// A black line under a white dashed one, 2 pixels inside the rectangle; 3 pixels wide when thick, else 2.
void DrawSelectionBoundary(QPainter &painter, bool thick, const QRectF &rect);

// Text mode: the edited block, the strip's text area and its other blocks.
void DrawTextSelection(QPainter &painter, const MenuData &doc, const RenderState &render, const Selection &selection);

// Picture mode: the drawn box of the picture strip. Background mode: the strip box computed from its cell.
void DrawPictureOutline(QPainter &painter, const RenderState &render, const Selection &selection);
void DrawBackgroundOutline(QPainter &painter, const MenuData &doc, const RenderState &render,
                           const Selection &selection);

// The outlines of whichever mode is on.
void DrawSelectionOutlines(QPainter &painter, const EditModes &modes, const MenuData &doc, const RenderState &render,
                           const Selection &selection);

} // namespace zorvan
