#include "editing/pricecaret.h"

#include "editing/controlids.h"
#include "editing/editor.h"
#include "editing/panelview.h"
#include "render/boardgeometry.h"

#include <algorithm>
#include <cmath>

namespace zorvan {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// The selection inside one price column: all of it, or the part on the
// clicked side of its calories mark.
std::pair<int, int> PartOfColumn(const QString &column, int base, bool rightPartHit)
{
    const qsizetype less = column.indexOf(QLatin1Char('<'));
    const qsizetype greater = column.indexOf(QLatin1Char('>'));
    qsizetype mark = -1;
    if (less >= 0 && greater >= 0)
        mark = std::min(less, greater); // a column read from a file may hold both; the first one splits it
    else
        mark = std::max(less, greater);
    const int length = int(column.size());
    if (mark < 0)
        return {base, base + length};
    if (mark == 0)
        return {base + 1, base + length};
    if (rightPartHit)
        return {base + int(mark) + 1, base + length};
    return {base, base + int(mark)};
}

} // namespace

void PlacePriceCaret(Editor &editor, const ColumnRow &strip, const QPoint &clickPoint)
{
    MenuData &doc = editor.document();
    RenderState &render = editor.render();
    Selection &sel = editor.selection();
    PanelView &panel = editor.services().panel;
    sel.editedTextItem = Prices;
    panel.setFocus(ctl::PricesBox);
    const StripData &style = doc.StyleTemplate;
    sel.currentFontName = style.PricesTextParams.Font;
    if (!doc.inGrid(strip.column, strip.row) || strip.column >= kMaxColumns || strip.row >= kMaxRows ||
        render.screenRatio <= 0.0)
        return;

    QString text = style.PricesTextParams.Text;
    while (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    const QString line1 = cr > 0 ? text.left(cr) : text;
    const QString line2 = cr > 0 ? text.mid(cr + 2) : QString();
    const qsizetype lastBreak = text.lastIndexOf(kLineBreak);
    const int lastLineStart = lastBreak >= 0 ? int(lastBreak) + 2 : 0;
    const int lines = line2.size() > 1 ? 2 : 1;
    const int columns1 = 1 + int(line1.count(QLatin1Char('^')));
    const int columns2 = int(line2.count(QLatin1Char('^'))) + (lines == 2 ? 1 : 0);
    const int columns = std::max(columns1, columns2);

    // The renderer reports which part of a price lies under the probe while it draws.
    render.text.priceProbePoint = ScreenToGraphics(render, QPointF(clickPoint));
    render.text.rightPartHit = false;
    render.text.leftPartHit = false;
    editor.RefreshPreview();
    render.text.priceProbePoint = QPoint(0, 0);
    const bool rightHit = render.text.rightPartHit;
    const bool anyHit = rightHit || render.text.leftPartHit;

    const QRectF prices = render.textScreenRects.at(strip.column, strip.row)[Prices];
    const double r = render.screenRatio;
    const int right = int(prices.x() + prices.width());
    const int top = int(prices.y());
    const int lineHeight = int(prices.height()) / lines;
    const int columnWidth = render.priceTabSpacing.at(strip.column, strip.row);
    const int px = right - int((right - clickPoint.x()) / r);
    const int py = clickPoint.y();
    for (int line = 0; line < lines; ++line) {
        QString rest = line == 0 ? line1 : line2;
        int position = 0;
        for (int c = columns - 1; c >= 0; --c) {
            const int left = right - c * columnWidth - columnWidth;
            const int boxRight = right - c * columnWidth;
            const int boxTop = top + line * lineHeight;
            const bool inside = left <= px && px < boxRight && boxTop <= py && py < boxTop + lineHeight;
            const qsizetype tab = rest.indexOf(QLatin1Char('^'));
            if (!inside) {
                if (tab >= 0) {
                    rest = rest.mid(tab + 1);
                    position += int(tab) + 1;
                }
                continue;
            }
            if (!anyHit)
                return;
            const QString column = tab >= 0 ? rest.left(tab) : rest;
            const int base = position + (line == 1 ? lastLineStart : 0);
            const auto [start, end] = PartOfColumn(column, base, rightHit);
            sel.priceCaretPosition = start;
            panel.setTextSelection(ctl::PricesBox, start, end);
            QString &marked = doc.strip(strip.column, strip.row).PricesTextParams.Text;
            marked.insert(std::min<qsizetype>(start, marked.size()), QLatin1Char('~'));
            editor.RefreshPreview();
            return;
        }
    }
}

} // namespace zorvan
