#include "render/pricelanguage.h"

#include <gtest/gtest.h>

using namespace zorvan;

namespace {

QStringList ToStrings(const QList<QStringView> &views)
{
    QStringList out;
    for (QStringView v : views)
        out.append(v.toString());
    return out;
}

} // namespace

TEST(PriceLanguage, BlockLinesSplitAtCrAndSkipTheFollowingLf)
{
    struct Case {
        QString text;
        int maxLines;
        QStringList lines;
    } cases[] = {
        {"", -1, {""}},
        {"One", -1, {"One"}},
        {"One\r\nTwo", -1, {"One", "Two"}},
        {"\r\nTwo", -1, {"", "Two"}},
        {"One\r\n", -1, {"One", ""}},
        {"One\rTwo", -1, {"One", "Two"}},
        {"A\r\nB\r\nC", 2, {"A", "B"}},
        {"A\r\nB\r\nC", -1, {"A", "B", "C"}},
        // A lone LF is not a line break in the stored texts.
        {"A\nB", -1, {"A\nB"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ToStrings(BlockLines(c.text, c.maxLines)), c.lines) << c.text.toStdString();
}

TEST(PriceLanguage, SplitPriceLinesKeepsEverythingAfterTheFirstBreakInLineTwo)
{
    const QString text = "4.99\r\n5.99\r\n6.99";
    PriceLinePair p = SplitPriceLines(text);
    EXPECT_EQ(p.first.toString(), "4.99");
    EXPECT_EQ(p.second.toString(), "5.99\r\n6.99");
    const QString one = "4.99";
    p = SplitPriceLines(one);
    EXPECT_EQ(p.first.toString(), "4.99");
    EXPECT_TRUE(p.second.isEmpty());
}

TEST(PriceLanguage, TabTextAndCaloriesCut)
{
    EXPECT_EQ(CountTabMarks(u"A^^B^C"), 3);
    EXPECT_EQ(TextAfterLastTab(u"A^^B^C").toString(), "C");
    EXPECT_EQ(TextBeforeFirstTab(u"A^^B^C").toString(), "A");
    EXPECT_EQ(TextAfterLastTab(u"ABC").toString(), "ABC");
    EXPECT_EQ(TextBeforeFirstTab(u"ABC").toString(), "ABC");

    struct Case {
        QString column;
        QString measured;
        bool marked;
    } cases[] = {
        {"4.99", "4.99", false},
        {"4.99>250 Cal", "4.99", true},
        {"Cal<4.99", "Cal", true},
        // A mark in front keeps the whole column, mark included.
        {">250", ">250", true},
        {"<4.99>250", "<4.99>250", true},
        {"", "", false},
    };
    for (const Case &c : cases) {
        CaloriesCut cut = CutAtCaloriesMark(c.column);
        EXPECT_EQ(cut.measured.toString(), c.measured) << c.column.toStdString();
        EXPECT_EQ(cut.marked, c.marked) << c.column.toStdString();
    }
}

TEST(PriceLanguage, SegmentPartsAndCaloriesSide)
{
    struct Case {
        QString segment;
        QString left, right;
        bool caloriesIsRight;
        bool outlineLeft, outlineRight;
    } cases[] = {
        {"12.99", "", "12.99", false, false, false},
        {"4.99>250 Cal", "4.99", "250 Cal", true, false, false},
        {"Cal<4.99", "Cal", "4.99", false, false, false},
        {"<4.99>250", "4.99", "250", true, false, false},
        {">250", "", "250", true, false, false},
        {"<250", "", "250", false, false, false},
        {"~12.99", "", "12.99", false, false, true},
        {"4.~99>250", "4.99", "250", true, true, false},
        {"4.99>~250", "4.99", "250", true, false, true},
        // Both parts marked: the right one is boxed, no "~" is ever drawn.
        {"~4.99>~250", "4.99", "250", true, false, true},
        {"", "", "", false, false, false},
    };
    for (const Case &c : cases) {
        PriceSegment s = ParsePriceSegment(c.segment);
        const std::string name = c.segment.toStdString();
        EXPECT_EQ(s.left, c.left) << name;
        EXPECT_EQ(s.right, c.right) << name;
        EXPECT_EQ(s.caloriesIsRight, c.caloriesIsRight) << name;
        EXPECT_EQ(s.outlineLeft, c.outlineLeft) << name;
        EXPECT_EQ(s.outlineRight, c.outlineRight) << name;
    }
}

TEST(PriceLanguage, LineColumnsRunRightToLeftAndTabRunsMoveOnce)
{
    struct Case {
        QString line;
        QStringList rights; // rightmost first
        QList<int> columns;
    } cases[] = {
        {"12.99", {"12.99"}, {0}},
        {"Small^Large", {"Large", "Small"}, {0, 1}},
        {"A^^B", {"B", "A"}, {0, 1}},
        {"A^", {"", "A"}, {0, 1}},
        {"^B", {"B"}, {0}},
        {"A^B^C", {"C", "B", "A"}, {0, 1, 2}},
        {"", {}, {}},
    };
    for (const Case &c : cases) {
        const QList<PriceSegment> segs = SplitPriceLine(c.line);
        QStringList rights;
        QList<int> columns;
        for (const PriceSegment &s : segs) {
            rights.append(s.right);
            columns.append(s.column);
        }
        EXPECT_EQ(rights, c.rights) << c.line.toStdString();
        EXPECT_EQ(columns, c.columns) << c.line.toStdString();
    }
}
