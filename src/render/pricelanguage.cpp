#include "render/pricelanguage.h"

namespace zorvan {

namespace {

qsizetype FirstCaloriesMark(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'<' || text[i] == u'>')
            return i;
    }
    return -1;
}

// Takes every "~" out of part; true when there was one.
bool TakeOutlineMarks(QString &part)
{
    if (!part.contains(u'~'))
        return false;
    part.remove(u'~');
    return true;
}

} // namespace

QList<QStringView> BlockLines(QStringView text, int maxLines)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (;;) {
        if (maxLines >= 0 && lines.size() >= maxLines)
            break;
        const qsizetype cr = text.indexOf(u'\r', start);
        if (cr < 0) {
            lines.append(text.mid(start));
            break;
        }
        lines.append(text.mid(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == u'\n')
            ++start;
    }
    return lines;
}

PriceLinePair SplitPriceLines(QStringView text)
{
    const qsizetype cr = text.indexOf(u'\r');
    if (cr < 0)
        return {text, QStringView()};
    qsizetype next = cr + 1;
    if (next < text.size() && text[next] == u'\n')
        ++next;
    return {text.left(cr), text.mid(next)};
}

int CountTabMarks(QStringView line)
{
    return static_cast<int>(line.count(u'^'));
}

QStringView TextAfterLastTab(QStringView line)
{
    const qsizetype i = line.lastIndexOf(u'^');
    return i < 0 ? line : line.mid(i + 1);
}

QStringView TextBeforeFirstTab(QStringView line)
{
    const qsizetype i = line.indexOf(u'^');
    return i < 0 ? line : line.left(i);
}

CaloriesCut CutAtCaloriesMark(QStringView column)
{
    const qsizetype mark = FirstCaloriesMark(column);
    if (mark < 0)
        return {column, false};
    return {mark >= 1 ? column.left(mark) : column, true};
}

PriceSegment ParsePriceSegment(QStringView segment)
{
    PriceSegment s;
    if (segment.contains(u'>')) {
        QString rest = segment.toString();
        rest.remove(u'<');
        const qsizetype gt = rest.indexOf(u'>');
        s.left = rest.left(gt);
        s.right = rest.mid(gt + 1);
        s.caloriesIsRight = true;
    } else {
        const qsizetype lt = segment.indexOf(u'<');
        if (lt >= 0) {
            s.left = segment.left(lt).toString();
            s.right = segment.mid(lt + 1).toString();
        } else {
            s.right = segment.toString();
        }
        s.caloriesIsRight = false;
    }
    // One outline per column: the right part takes it when both are marked.
    // A "~" is never drawn, so the left part loses its marks either way.
    s.outlineRight = TakeOutlineMarks(s.right);
    const bool leftMarked = TakeOutlineMarks(s.left);
    s.outlineLeft = leftMarked && !s.outlineRight;
    return s;
}

QList<PriceSegment> SplitPriceLine(QStringView line)
{
    QList<PriceSegment> segments;
    int column = 0;
    while (!line.isEmpty()) {
        const qsizetype tab = line.lastIndexOf(u'^');
        PriceSegment s = ParsePriceSegment(tab < 0 ? line : line.mid(tab + 1));
        s.column = column;
        segments.append(std::move(s));
        line = tab < 0 ? QStringView() : line.left(tab + 1);
        while (!line.isEmpty() && line.back() == u'^')
            line.chop(1);
        ++column;
    }
    return segments;
}

} // namespace zorvan
