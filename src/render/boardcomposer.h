#pragma once

#include <QString>

class QPainter;

namespace zorvan {

class MenuData;
class RenderState;

// Whether a picture counts as a logo or symbol, which is drawn over
// everything else: its file name (after the last folder separator) contains
// "logo", "Logo" or "symbol".
bool IsLogoPicture(const QString &picturePath);

// Draws every strip of the grid in use onto a painter in graphics space: the
// strips with pictures first, then the strips without pictures over them,
// then logos and symbols on top. Empties the used-font list first.
void ComposeBoard(QPainter &painter, const MenuData &doc, RenderState &state);

} // namespace zorvan
