#include "editing/striprelocation.h"

#include "document/menudata.h"
#include "editing/stripfitting.h"
#include "render/renderstate.h"

#include <array>

namespace zorvan {

namespace {

bool IsFree(const MenuData &doc, int column, int row)
{
    return !IsStripInUse(doc.strip(column, row));
}

void MoveStrip(MenuData &doc, StripRectCache &rects, ColumnRow from, ColumnRow to, const StripData &moved)
{
    doc.strip(to.column, to.row) = moved;
    ResetStrip(doc.strip(from.column, from.row));
    rects.ForgetStripRects(from.column, from.row);
}

// Whole cells in an offset, counted as the box shows them: an offset a hair
// short of a whole cell already counts as one.
int WholeCells(double &offset)
{
    int cells = 0;
    if (offset >= 0.998) {
        while (offset >= 0.998) {
            offset -= 1.0;
            ++cells;
        }
    } else {
        while (offset <= -0.998) {
            offset += 1.0;
            --cells;
        }
    }
    return cells;
}

} // namespace

ColumnRow RelocateStrip(MenuData &doc, StripRectCache &rects, ColumnRow cell)
{
    const int c = cell.column, r = cell.row;
    if (!doc.inGrid(c, r))
        return cell;
    StripData moved = doc.strip(c, r);

    const int rowsDown = static_cast<int>(moved.YOffsetFactor); // truncated toward zero
    if (rowsDown != 0) {
        int target = r + rowsDown;
        if (target < 0 || target >= doc.NumberOfRows)
            return cell;
        // Passing its own cell on the way down means there was no free cell above it.
        while (target < doc.NumberOfRows && target != r && !IsFree(doc, c, target))
            ++target;
        if (target >= doc.NumberOfRows || target == r)
            return cell;
        moved.YOffsetFactor -= target - r;
        MoveStrip(doc, rects, cell, {c, target}, moved);
        return {c, target};
    }

    double x = moved.XOffsetFactor;
    const int columns = WholeCells(x);
    int targetColumn = c + columns;
    int targetRow = r;
    if (columns != 0) {
        if (targetColumn < 0 || targetColumn >= doc.NumberOfColumns)
            return cell;
        moved.XOffsetFactor = x;
        while (targetColumn < doc.NumberOfColumns && targetColumn != c && !IsFree(doc, targetColumn, r)) {
            ++targetColumn;
            moved.XOffsetFactor -= 1.0;
        }
        if (targetColumn >= doc.NumberOfColumns || targetColumn == c)
            return cell;
    }
    bool leftward = false;
    while (moved.XOffsetFactor < 0.0 && targetColumn > 0) {
        moved.XOffsetFactor += 1.0;
        --targetColumn;
        leftward = true;
    }
    if (leftward && targetColumn == c)
        return cell; // back in its own cell: nothing to gain
    if (leftward) {
        while (targetRow < doc.NumberOfRows
               && !IsFree(doc, targetColumn, targetRow)) {
            ++targetRow;
            moved.YOffsetFactor -= 1.0;
        }
        if (targetRow >= doc.NumberOfRows)
            return cell;
    }
    if (columns == 0 && !leftward)
        return cell;
    const ColumnRow target{targetColumn, targetRow};
    if (target == cell)
        return cell;
    MoveStrip(doc, rects, cell, target, moved);
    return target;
}

void NormaliseOpenedStrips(MenuData &doc, RenderState &render)
{
    for (int c = 0; c < doc.NumberOfColumns; ++c) {
        for (int r = 0; r < doc.NumberOfRows; ++r) {
            if (!IsStripInUse(doc.strip(c, r)))
                continue;
            StripData &strip = doc.strip(c, r);
            const bool leftOfBoard = strip.XOffsetFactor < -c;
            const bool aboveBoard = strip.YOffsetFactor < -r;
            if ((leftOfBoard || aboveBoard) && StripHasText(strip)) {
                ColumnRow cell{c, r};
                if (leftOfBoard) {
                    for (int k = 0; k < kTextItemCount; ++k)
                        if (!strip.block(k).Text.isEmpty())
                            strip.block(k).Xref += strip.XOffsetFactor;
                    strip.XOffsetFactor = 0.0;
                    cell = FitStripBoxToTextHorizontally(doc, render, cell);
                }
                if (aboveBoard) {
                    StripData &s = doc.strip(cell.column, cell.row);
                    for (int k = 0; k < kTextItemCount; ++k)
                        if (!s.block(k).Text.isEmpty())
                            s.block(k).Yref += s.YOffsetFactor;
                    s.YOffsetFactor = 0.0;
                    FitStripBoxToTextVertically(doc, render, cell);
                }
                RelocateStrip(doc, render, cell);
            }

            // Whatever now holds this cell.
            const StripData &now = doc.strip(c, r);
            if (!IsStripInUse(now))
                continue;
            if (now.BackGroundColor == kNoColour && now.SubImageFileName.isEmpty()) {
                ColumnRow cell{c, r};
                FitStripBoxToTextVertically(doc, render, cell);
                cell = FitStripBoxToTextHorizontally(doc, render, cell);
                const std::array<QRectF, kTextItemCount> kept = render.textScreenRects.at(cell.column, cell.row);
                const ColumnRow placed = RelocateStrip(doc, render, cell);
                if (placed != cell)
                    render.textScreenRects.at(placed.column, placed.row) = kept;
            } else {
                RelocateStrip(doc, render, {c, r});
            }
        }
    }
}

} // namespace zorvan
