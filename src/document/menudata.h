#pragma once

#include "document/stripdata.h"

#include <QString>

#include <array>

namespace zorvan {

class StripRectCache;

inline constexpr int kMaxColumns = 8;
inline constexpr int kMaxRows = 200;
// One more column and row than a layout can use: drawing reads the cells just
// beyond the last ones as empty.
inline constexpr int kStripColumns = kMaxColumns + 1;
inline constexpr int kStripRows = kMaxRows + 1;

// The layout document. There is one for the whole run; opening a layout
// resets it in place.
class MenuData {
public:
    MenuData();

    StripData &strip(int column, int row) { return m_strips[column][row]; }
    const StripData &strip(int column, int row) const { return m_strips[column][row]; }
    bool inGrid(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < NumberOfColumns && row < NumberOfRows;
    }

    int NumberOfColumns = 2;
    int NumberOfRows = 16;
    QString BackgroundPath;
    bool WhitePrintBackground = false;
    bool Modified = false;
    StripData StyleTemplate;

    // ResetStrip on all 9 x 201 records, then the template's three text
    // colours take the current palette colour.
    void ResetAllStrips(Colour paletteColour);
    void ResetStyleTemplate();
    void ClearEmptyTextBlocks(int column, int row);
    // Drops strips left with nothing but CR LF texts; returns how many were reset.
    int RemoveEmptyStrips(StripRectCache &rects);

    friend bool operator==(const MenuData &, const MenuData &) = default;

private:
    std::array<std::array<StripData, kStripRows>, kStripColumns> m_strips;
};

} // namespace zorvan
