#pragma once

#include "document/colour.h"

#include <QRect>
#include <QString>

#include <array>

class QPainter;

namespace zorvan {

inline constexpr int kPaletteSize = 42;

struct PaletteEntry {
    const char *name;
    Colour value;
};

// The fixed palette of the "Pallete Color" box; index 0 "Clear" holds the no-fill value.
const std::array<PaletteEntry, kPaletteSize> &PaletteEntries();

// The lowest index holding the colour; kPaletteSize when none does.
int PaletteIndexOf(Colour colour);

// The palette name of the colour, or its red, green and blue values when it
// is none of the palette's (a colour read from a file may be anything).
QString ColourCaptionName(Colour colour);

using PaletteCells = std::array<QRect, kPaletteSize>;

// The cells inside the palette's group box, both in the same coordinates:
// six columns, seven rows, two pixels apart.
PaletteCells PaletteCellRects(const QRect &groupBox);

// The cell containing the point; -1 between and outside the cells.
int PaletteCellAt(const PaletteCells &cells, const QPoint &point);

// The current-colour marker: black on "Clear" and on light colours, white elsewhere.
Colour PaletteMarkerColour(int index);
QRect PaletteMarkerRect(const QRect &cell);

// Draws the cells; a disabled palette shows grey cells and no marker.
void DrawPalette(QPainter &painter, const PaletteCells &cells, bool enabled, int activeIndex);

} // namespace zorvan
