#include "editing/textstripfit.h"

#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/stripfitting.h"
#include "editing/stripmodes.h"
#include "editing/undolist.h"
#include "render/stripdrawer.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace zorvan {

namespace {

// The fitting changes only the box and where the blocks stand in it; the
// working copy keeps the rest, such as the style of a block not typed yet.
struct FittedBox {
    double xOffset = 0.0;
    double yOffset = 0.0;
    double xSize = 0.0;
    double ySize = 0.0;
    std::array<double, kTextItemCount> xref{};
    std::array<double, kTextItemCount> yref{};

    explicit FittedBox(const StripData &strip)
        : xOffset(strip.XOffsetFactor), yOffset(strip.YOffsetFactor), xSize(strip.XSizeFactor),
          ySize(strip.YSizeFactor)
    {
        for (int k = 0; k < kTextItemCount; ++k) {
            xref[size_t(k)] = strip.block(k).Xref;
            yref[size_t(k)] = strip.block(k).Yref;
        }
    }

    void copyTo(StripData &strip) const
    {
        strip.XOffsetFactor = xOffset;
        strip.YOffsetFactor = yOffset;
        strip.XSizeFactor = xSize;
        strip.YSizeFactor = ySize;
        for (int k = 0; k < kTextItemCount; ++k) {
            strip.block(k).Xref = xref[size_t(k)];
            strip.block(k).Yref = yref[size_t(k)];
        }
    }

    friend bool operator==(const FittedBox &, const FittedBox &) = default;
};

bool OnlyPrices(const StripData &strip)
{
    return strip.MainItemTextParams.Text.isEmpty() && strip.SubItemsTextParams.Text.isEmpty()
           && !strip.PricesTextParams.Text.isEmpty();
}

} // namespace

void FitTextEditStrip(Editor &editor, FitHalves halves)
{
    MenuData &doc = editor.document();
    Selection &sel = editor.selection();
    const ColumnRow before = sel.textEditStrip;
    if (!editor.modes().text || !IsBareStrip(doc, before))
        return;
    const StripData &start = doc.strip(before.column, before.row);
    const FittedBox boxBefore(start);
    // A prices-only strip may move into a free cell on its right; what that cell held goes into the undo list.
    std::vector<StripData> rowBefore;
    if (halves != FitHalves::VerticalOnly && OnlyPrices(start)) {
        const int columns = std::min(doc.NumberOfColumns, kMaxColumns);
        for (int c = 0; c < columns; ++c)
            rowBefore.push_back(c > before.column ? doc.strip(c, before.row) : StripData());
    }
    ColumnRow after = before;
    switch (halves) {
    case FitHalves::VerticalOnly: FitStripBoxToTextVertically(doc, editor.render(), before); break;
    case FitHalves::VerticalFirst:
        after = FitStripBoxToText(doc, editor.render(), before, FitOrder::VerticalFirst);
        break;
    case FitHalves::HorizontalFirst:
        after = FitStripBoxToText(doc, editor.render(), before, FitOrder::HorizontalFirst);
        break;
    }
    const FittedBox fitted(doc.strip(after.column, after.row));
    // Clearing the styles of empty blocks alone changes nothing that is drawn or recorded.
    if (after == before && fitted == boxBefore)
        return;
    if (!(after == before) && size_t(after.column) < rowBefore.size()) {
        // Undone together with the entry made when Text mode was entered, so that one Undo takes the strip
        // back to its old cell and leaves no copy in the new one.
        StripData &moved = doc.strip(after.column, after.row);
        std::swap(moved, rowBefore[size_t(after.column)]);
        PushUndoEntry(editor, after, kUndoEntryChained);
        std::swap(moved, rowBefore[size_t(after.column)]);
    }
    sel.textEditStrip = after;
    fitted.copyTo(doc.StyleTemplate);
    if (after == before) {
        // The box of a bare strip draws nothing and its texts kept their place: only the recorded box,
        // which hit tests and outlines use, has to follow.
        RecordDrawnStripBox(editor.render(), doc, after.column, after.row);
        editor.services().window.repaintPreview();
    } else {
        editor.RefreshPreview();
    }
}

} // namespace zorvan
