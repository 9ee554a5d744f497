#pragma once

#include <QString>

namespace zorvan {

class MenuData;
struct StripData;

// The pieces of a strip drag that work on strips and files alone.

// A restyle: the target keeps its texts, picture, frame and vertical place
// and takes the source's look. A block takes the source block's style only
// where both strips have text in it.
void RestyleStrip(const StripData &source, StripData &target);

// A copy or move: the target becomes the source but stays at its own height;
// it keeps its own horizontal place only when it already had text.
void CopyStripOnto(const StripData &source, StripData &target);

// The row a copy or move dropped on row lands on: the first free row from
// there down. A drop is never pushed onto the last row or beyond the grid;
// -1 when no row is free.
int FreeDropRow(const MenuData &doc, int column, int row);

// A copy's own picture file beside the picture: "logo.jpg" becomes the first
// free of "logo(1).jpg", "logo(2).jpg", ..., and its proxy is copied under the
// proxy name of the new file. Nothing is overwritten; copy failures leave the
// new name pointing at a missing file, which draws as a missing picture.
QString DuplicatePictureFile(const QString &picturePath);

// A strip holding nothing but prices, dropped so that its prices lie right of
// its cell: the prices are pulled back whole cell widths and the strip's
// horizontal offset moves into them. Returns whether anything changed.
bool PullPricesIntoCell(StripData &strip);

} // namespace zorvan
