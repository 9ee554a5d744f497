#include "editing/textstyling.h"

#include "document/stripdata.h"
#include "render/renderstate.h"

namespace zorvan {

namespace {

// Face, colour, weight, slant and shadow.
void CopyLook(TextParams &to, const TextParams &from, bool italics)
{
    to.Font = from.Font;
    to.TextColor = from.TextColor;
    to.Bold = from.Bold;
    if (italics)
        to.Italics = from.Italics;
    to.DropShadowColor = from.DropShadowColor;
}

// Reset sizes of the three blocks: a block still at its own has never been sized.
constexpr double kResetScale[kTextItemCount] = {1.0, 0.5, 1.0};

} // namespace

void BorrowSiblingStyle(StripData &style, int newItem, int siblingItem, const RenderState &render,
                        const ColumnRow &strip)
{
    if (newItem == siblingItem || siblingItem < 0 || siblingItem >= kTextItemCount || newItem < 0 ||
        newItem >= kTextItemCount || strip.isNone() || strip.column >= kMaxColumns || strip.row >= kMaxRows)
        return;
    const TextParams &sibling = style.block(siblingItem);
    if (sibling.Text.isEmpty())
        return;
    const QRectF rect = render.textScreenRects.at(strip.column, strip.row)[size_t(siblingItem)];
    const QRectF cell = render.cellGrid.at(strip.column, strip.row);
    if (cell.width() <= 0 || cell.height() <= 0)
        return;
    const double heightInCells = rect.height() / cell.height();
    TextParams &block = style.block(newItem);
    CopyLook(block, sibling, true);
    switch (newItem) {
    case MainItem:
        if (siblingItem == SubItems) {
            block.ScaleFactor = sibling.ScaleFactor * 1.36;
            block.Yref = sibling.Yref - heightInCells * 1.4;
        } else {
            block.ScaleFactor = sibling.ScaleFactor;
            block.Yref = sibling.Yref - heightInCells * 1.2;
        }
        block.Xref = sibling.Xref;
        break;
    case SubItems:
        block.ScaleFactor = sibling.ScaleFactor * 0.8;
        block.Yref = sibling.Yref + heightInCells * 1.16;
        block.Xref = siblingItem == MainItem ? sibling.Xref + 0.1 : sibling.Xref;
        break;
    case Prices:
        block.ScaleFactor = sibling.ScaleFactor;
        block.Yref = sibling.Yref;
        if (siblingItem == MainItem) {
            block.Xref = (rect.width() + rect.height() * 24.0 / cell.height()) / cell.width();
            block.GroupAlignment = AlignRight;
        } else {
            block.Xref = rect.width() / cell.width() * 1.1;
        }
        break;
    }
}

void StyleNewBlock(StripData &strip, int newItem)
{
    if (newItem < 0 || newItem >= kTextItemCount)
        return;
    TextParams &block = strip.block(newItem);
    struct Choice {
        int from;
        double scale;
    };
    // First and second choice per new block: the sibling and its size factor.
    const Choice choices[kTextItemCount][2] = {
        {{SubItems, 1.2}, {Prices, 1.0}},
        {{MainItem, 0.8}, {Prices, 1.0}},
        {{MainItem, 1.0}, {SubItems, 1.0 / 0.8}},
    };
    for (const Choice &choice : choices[newItem]) {
        const TextParams &from = strip.block(choice.from);
        if (from.Text.isEmpty())
            continue;
        block.ScaleFactor = from.ScaleFactor * choice.scale;
        CopyLook(block, from, false);
        return;
    }
    if (block.ScaleFactor != kResetScale[newItem])
        return;
    block.ScaleFactor = newItem == Prices ? 4.0 : 5.0;
    block.Font = QStringLiteral("Segoe UI Black");
    block.TextColor = kWhite;
    block.Bold = true;
    block.DropShadowColor = kBlack;
}

} // namespace zorvan
