#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace zorvan {

// The small table language of the prices block:
//   "^"  ends a tab column; columns are right-justified one tab spacing apart,
//        counted from the right, and a run of "^" moves one column only;
//   "<"  the text before it is the calories part ("Cal<4.99");
//   ">"  the text after it is the calories part ("4.99>250 Cal"); where a
//        column has both, the "<" are dropped;
//   "~"  boxes the part it stands in with an outline and is never drawn.

// A block's lines as drawn: each line runs to the next CR, and the next line
// starts after that CR and the LF that follows it. At most maxLines lines are
// returned when maxLines is not negative. An empty text is one empty line.
QList<QStringView> BlockLines(QStringView text, int maxLines = -1);

// The two price lines as measured: line 0 is the text before the first CR,
// line 1 all the text after that CR LF (empty when there is no CR).
struct PriceLinePair {
    QStringView first;
    QStringView second;
};
PriceLinePair SplitPriceLines(QStringView text);

int CountTabMarks(QStringView line);
// Text after the last "^" / before the first "^" (the whole line without one).
QStringView TextAfterLastTab(QStringView line);
QStringView TextBeforeFirstTab(QStringView line);

// What of a column is measured when its width is taken: the text before its
// first "<" or ">" when that stands after the first character, else all of
// it. marked tells whether the column has a calories mark at all, which adds
// the calories spacing to the measurement.
struct CaloriesCut {
    QStringView measured;
    bool marked = false;
};
CaloriesCut CutAtCaloriesMark(QStringView column);

// One column of a price line, ready to draw. The right part is right-justified
// at the column's anchor; the left part begins a group that ends at it.
struct PriceSegment {
    QString left;
    QString right;
    bool caloriesIsRight = false; // otherwise the left part is the calories part
    bool outlineLeft = false;
    bool outlineRight = false;
    // How many tab spacings left of the line's anchor this column stands.
    int column = 0;
};

// Splits one column (a text without "^") into its parts.
PriceSegment ParsePriceSegment(QStringView segment);

// All columns of a price line, rightmost first. A line ending in "^" has an
// empty rightmost column; "A^^B" gives B in column 0 and A in column 1.
QList<PriceSegment> SplitPriceLine(QStringView line);

} // namespace zorvan
