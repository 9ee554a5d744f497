#pragma once

#include <QString>

#include <functional>

class QImage;
class QPainter;

namespace zorvan {

class MenuData;
class RenderState;

// Whether a picture counts as a logo or symbol, which is drawn over
// everything else: its file name (after the last folder separator) contains
// "logo", "Logo" or "symbol".
bool IsLogoPicture(const QString &picturePath);

// Calls step(column, row, boxStep) for every strip drawing step in the order
// the board is composed: the strips with pictures first, then the strips
// without pictures over them, then logos and symbols on top. Steps of strips
// that would draw nothing may be included.
void ForEachStripStep(const MenuData &doc, const std::function<void(int, int, bool)> &step);

// Draws every strip of the grid in use onto a painter in graphics space: the
// strips with pictures first, then the strips without pictures over them,
// then logos and symbols on top. Empties the used-font list first.
void ComposeBoard(QPainter &painter, const MenuData &doc, RenderState &state);

// ComposeBoard on the whole of board, the background it is drawn over,
// which the white-print format turns white first. False when board cannot
// be drawn on.
bool ComposeBoardOnto(QImage &board, const MenuData &doc, RenderState &state);

} // namespace zorvan
