// Typing into the three boxes on a real board.
#include "clickboard.h"

#include "editing/pricerules.h"
#include "editing/stripmodes.h"
#include "editing/textentry.h"
#include "render/boardgeometry.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

class TextEntryTest : public test::ClickBoard {
public:
    // One keystroke at a time at the end of the box, as the box reports each change.
    void type(int box, const QString &keys)
    {
        for (const QChar key : keys) {
            QString text = f.panel.text(box);
            if (key == QLatin1Char('\b'))
                text.chop(text.endsWith(QStringLiteral("\r\n")) ? 2 : 1);
            else if (key == QLatin1Char('\n'))
                text += QStringLiteral("\r\n");
            else
                text += key;
            change(box, text);
        }
    }
    void change(int box, const QString &text)
    {
        f.panel.setText(box, text);
        ASSERT_TRUE(editor.RunCommand(CommandEvent{box}));
    }
    void focus(int box)
    {
        f.panel.setFocus(box);
        OnTextBoxFocus(editor, TextItemOfBox(box));
    }
    const StripData &strip(int c, int r) const { return doc.strip(c, r); }
};

TEST_F(TextEntryTest, EveryKeystrokeGoesIntoTheStripAndTheBoard)
{
    click(onText(0, 0, 0));
    const double widthBefore = textRect(0, 0, 0).width();
    type(MainItemBox, QStringLiteral(" Deluxe"));
    EXPECT_EQ(strip(0, 0).MainItemTextParams.Text, QStringLiteral("Burger Deluxe"));
    EXPECT_EQ(doc.StyleTemplate.MainItemTextParams.Text, QStringLiteral("Burger Deluxe"));
    EXPECT_GT(textRect(0, 0, 0).width(), widthBefore);
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(editor.undo().index, 0); // typing makes no entries of its own
}

TEST_F(TextEntryTest, AnEmptiedBlockKeepsOneBlankUntilTextModeIsLeft)
{
    click(onText(0, 0, 1));
    change(SubItemBox, QString());
    EXPECT_EQ(strip(0, 0).SubItemsTextParams.Text, QStringLiteral(" "));
    EXPECT_GT(textRect(0, 0, 1).height(), 0); // still there to be clicked and outlined
    click(QPoint(1200, 800));
    EXPECT_EQ(strip(0, 0).SubItemsTextParams.Text, QString());
}

TEST_F(TextEntryTest, OneLeadingBlankIsDropped)
{
    struct Case {
        const char *typed;
        const char *stored;
    };
    for (const Case &c : {Case{" Soup", "Soup"}, Case{"  Soup", " Soup"}, Case{" ", " "}, Case{"Soup ", "Soup "}}) {
        SCOPED_TRACE(c.typed);
        click(onText(0, 2, 0));
        change(MainItemBox, QString::fromLatin1(c.typed));
        EXPECT_EQ(strip(0, 2).MainItemTextParams.Text, QString::fromLatin1(c.stored));
        // The box keeps what was typed.
        EXPECT_EQ(f.panel.text(MainItemBox), QString::fromLatin1(c.typed));
        change(MainItemBox, QStringLiteral("Soup"));
        click(QPoint(1200, 800));
    }
}

TEST_F(TextEntryTest, AFirstLetterBorrowsTheStyleOfTheBlockTextModeWasEnteredThrough)
{
    StripData &s = doc.strip(0, 0);
    s.MainItemTextParams.Text.clear();
    s.SubItemsTextParams.Font = QStringLiteral("DejaVu Serif");
    s.SubItemsTextParams.TextColor = 0x0000FFFF;
    s.SubItemsTextParams.Bold = true;
    s.SubItemsTextParams.Italics = true;
    s.SubItemsTextParams.DropShadowColor = kBlack;
    editor.RefreshPreview();
    click(onText(0, 0, 1));
    const QRectF sub = textRect(0, 0, 1);
    const QRectF cell = editor.render().cellGrid.at(0, 0);
    type(MainItemBox, QStringLiteral("B"));
    const TextParams &main = strip(0, 0).MainItemTextParams;
    EXPECT_DOUBLE_EQ(main.ScaleFactor, 0.3 * 1.36);
    EXPECT_EQ(main.Font, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(main.TextColor, 0x0000FFFFu);
    EXPECT_TRUE(main.Bold);
    EXPECT_TRUE(main.Italics);
    EXPECT_EQ(main.DropShadowColor, kBlack);
    EXPECT_DOUBLE_EQ(main.Yref, 0.45 - sub.height() / cell.height() * 1.4);
    EXPECT_DOUBLE_EQ(main.Xref, 0.05);
    // The second letter borrows nothing more.
    doc.StyleTemplate.MainItemTextParams.Xref = 0.2;
    type(MainItemBox, QStringLiteral("e"));
    EXPECT_DOUBLE_EQ(strip(0, 0).MainItemTextParams.Xref, 0.2);
}

TEST_F(TextEntryTest, BorrowingInEachDirection)
{
    struct Case {
        const char *name;
        int entered, typedInto;
        double scale;
    };
    const Case cases[] = {
        {"main from prices", Prices, MainItem, 0.3},
        {"sub from main", MainItem, SubItems, 0.3 * 0.8},
        {"sub from prices", Prices, SubItems, 0.3 * 0.8},
        {"prices from main", MainItem, Prices, 0.3},
        {"prices from sub", SubItems, Prices, 0.3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StripData &s = doc.strip(0, 0);
        s = StripData();
        s.BackGroundColor = test::kRed;
        test::ClickBoard::text(s.MainItemTextParams, QStringLiteral("Burger"), 0.05, 0.05);
        test::ClickBoard::text(s.SubItemsTextParams, QStringLiteral("with fries"), 0.05, 0.45);
        test::ClickBoard::text(s.PricesTextParams, QStringLiteral("5.99"), 0.8, 0.05);
        s.block(c.typedInto).Text.clear();
        // An empty prices block borrows only while it still has its first size.
        if (c.typedInto == Prices)
            s.PricesTextParams.ScaleFactor = 1.0;
        s.block(c.entered).TextColor = 0x00FF00FF;
        editor.RefreshPreview();
        click(onText(0, 0, c.entered));
        ASSERT_TRUE(editor.modes().text);
        const QRectF sibling = textRect(0, 0, c.entered);
        const QRectF cell = editor.render().cellGrid.at(0, 0);
        type(TextBoxOf(c.typedInto), QStringLiteral("X"));
        const TextParams &block = strip(0, 0).block(c.typedInto);
        EXPECT_NEAR(block.ScaleFactor, c.scale, 1e-9);
        EXPECT_EQ(block.TextColor, 0x00FF00FFu);
        const TextParams &from = strip(0, 0).block(c.entered);
        switch (c.typedInto) {
        case MainItem:
            EXPECT_DOUBLE_EQ(block.Yref, from.Yref - sibling.height() / cell.height() * 1.2);
            break;
        case SubItems:
            EXPECT_DOUBLE_EQ(block.Yref, from.Yref + sibling.height() / cell.height() * 1.16);
            EXPECT_DOUBLE_EQ(block.Xref, from.Xref + (c.entered == MainItem ? 0.1 : 0.0));
            break;
        case Prices:
            EXPECT_DOUBLE_EQ(block.Yref, from.Yref);
            if (c.entered == MainItem) {
                EXPECT_DOUBLE_EQ(block.Xref, (sibling.width() + sibling.height() * 24 / cell.height()) / cell.width());
                EXPECT_EQ(block.GroupAlignment, AlignRight);
            } else {
                EXPECT_DOUBLE_EQ(block.Xref, sibling.width() / cell.width() * 1.1);
            }
            break;
        }
        click(QPoint(1200, 800));
    }
}

TEST_F(TextEntryTest, TypingIntoASelectedBareBoxStartsAWhiteBoldHeading)
{
    // The blue box of (1,0) has no texts.
    click(QPoint(600, 100));
    ASSERT_TRUE(editor.modes().background);
    type(MainItemBox, QStringLiteral("Drinks"));
    EXPECT_TRUE(editor.modes().text);
    EXPECT_FALSE(editor.modes().background);
    EXPECT_EQ(status(), QStringLiteral("EDIT MODE:  TEXT"));
    EXPECT_EQ(editor.selection().textEditStrip, (ColumnRow{1, 0}));
    const TextParams &main = strip(1, 0).MainItemTextParams;
    EXPECT_EQ(main.Text, QStringLiteral("Drinks"));
    EXPECT_EQ(main.Font, QStringLiteral("Segoe UI Black"));
    EXPECT_DOUBLE_EQ(main.ScaleFactor, 5.0);
    EXPECT_EQ(main.TextColor, kWhite);
    EXPECT_TRUE(main.Bold);
    EXPECT_EQ(main.DropShadowColor, kBlack);
    EXPECT_EQ(editor.selection().hitTextItem, 0);
    EXPECT_EQ(editor.selection().enteredTextItem, 0);
    // One entry restores the box as it was before the typing.
    EXPECT_EQ(editor.undo().index, 0);
    EXPECT_TRUE(editor.undo().entries[0].data.MainItemTextParams.Text.isEmpty());
    EXPECT_FALSE(f.panel.isVisible(SizeLeft));
    EXPECT_EQ(f.panel.caption(MoveGroup), QStringLiteral("Move Text"));
}

// Each box typed into a box without texts: the block's own defaults, or,
// when the strip already holds another text, that text's look.
TEST_F(TextEntryTest, TypingIntoATextlessBoxStylesEachBlock)
{
    const struct {
        int box;
        double size;
    } cases[] = {{MainItemBox, 5.0}, {SubItemBox, 5.0}, {PricesBox, 4.0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.box);
        click(QPoint(600, 100));
        ASSERT_TRUE(editor.modes().background);
        type(c.box, QStringLiteral("7"));
        ASSERT_TRUE(editor.modes().text);
        const TextParams &block = strip(1, 0).block(TextItemOfBox(c.box));
        EXPECT_EQ(block.Text, QStringLiteral("7"));
        EXPECT_DOUBLE_EQ(block.ScaleFactor, c.size);
        EXPECT_EQ(block.Font, QStringLiteral("Segoe UI Black"));
        EXPECT_EQ(block.TextColor, kWhite);
        EXPECT_TRUE(block.Bold);
        EXPECT_EQ(block.DropShadowColor, kBlack);
        click(QPoint(1200, 800)); // off the board: Text mode ends
        ASSERT_TRUE(editor.RunCommand(CommandEvent{ctl::Undo}));
        ASSERT_TRUE(strip(1, 0).block(TextItemOfBox(c.box)).Text.isEmpty());
    }

    // With a main item there, a sub item typed into the selected box takes its look instead.
    text(doc.strip(1, 0).MainItemTextParams, QStringLiteral("Drinks"), 0.05, 0.05);
    doc.strip(1, 0).MainItemTextParams.TextColor = test::kRed;
    editor.RefreshPreview();
    click(QPoint(795, 195)); // the box's far corner, away from the text
    ASSERT_TRUE(editor.modes().background);
    type(SubItemBox, QStringLiteral("cold"));
    const TextParams &sub = strip(1, 0).SubItemsTextParams;
    EXPECT_DOUBLE_EQ(sub.ScaleFactor, 0.3 * 0.8);
    EXPECT_EQ(sub.Font, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(sub.TextColor, test::kRed);
}

TEST_F(TextEntryTest, ALineBreakTurnsTheLineSpacingButtonsOnAndOff)
{
    click(onText(0, 0, 0));
    ASSERT_FALSE(f.panel.isEnabled(LineSpacingUp));
    type(MainItemBox, QStringLiteral("\nDeluxe"));
    EXPECT_EQ(strip(0, 0).MainItemTextParams.Text, QStringLiteral("Burger\r\nDeluxe"));
    EXPECT_TRUE(f.panel.isEnabled(LineSpacingUp));
    EXPECT_TRUE(f.panel.isEnabled(LineSpacingDown));
    change(MainItemBox, QStringLiteral("Burger Deluxe"));
    EXPECT_FALSE(f.panel.isEnabled(LineSpacingUp));
    EXPECT_FALSE(f.panel.isEnabled(LineSpacingDown));
}

TEST_F(TextEntryTest, TypingIntoAPictureStripStylesFromItsOtherBlocks)
{
    click(onText(1, 2, 0)); // the logo: Picture mode
    ASSERT_TRUE(editor.modes().picture);
    type(SubItemBox, QStringLiteral("new"));
    EXPECT_TRUE(editor.modes().text);
    const TextParams &sub = strip(1, 2).SubItemsTextParams;
    EXPECT_EQ(sub.Text, QStringLiteral("new"));
    EXPECT_NEAR(sub.ScaleFactor, 0.3 * 0.8, 1e-9);
    EXPECT_EQ(sub.Font, QStringLiteral("DejaVu Sans"));
}

TEST_F(TextEntryTest, WithoutASelectionTheBoxEmptiesAgain)
{
    type(MainItemBox, QStringLiteral("x"));
    EXPECT_EQ(f.panel.text(MainItemBox), QString());
    EXPECT_FALSE(editor.modes().anyStripMode());
}

TEST_F(TextEntryTest, TypingInABareStripKeepsTheBoxRoundTheText)
{
    click(onText(0, 2, 0));
    const QRectF before = StripRectInScreenSpace(editor.render(), doc, 0, 2);
    type(MainItemBox, QStringLiteral(" and bread"));
    const QRectF text = textRect(0, 2, 0);
    const QRectF box = StripRectInScreenSpace(editor.render(), doc, 0, 2);
    EXPECT_NE(box, before);
    EXPECT_NEAR(box.y(), text.y(), 1.0);
    EXPECT_NEAR(box.height(), text.height(), 1.0);
    EXPECT_NEAR(box.x(), text.x(), 1.0);
    EXPECT_GT(box.width(), text.width());
    // The drawn box, used by outlines and picture hit tests, follows.
    EXPECT_NEAR(editor.render().stripScreenRects.at(0, 2).y(), text.y() - 1, 1.5);
}

TEST_F(TextEntryTest, PricesBoxRefusesBackslashAndAThirdLine)
{
    click(onText(0, 0, 2));
    type(PricesBox, QStringLiteral("\\"));
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.99"));
    EXPECT_EQ(strip(0, 0).PricesTextParams.Text, QStringLiteral("5.99"));
    // One typed in the middle leaves the caret where it was.
    change(PricesBox, QStringLiteral("5.\\99"));
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.99"));
    EXPECT_EQ(f.panel.textSelection(PricesBox), std::make_pair(2, 2));
    type(PricesBox, QStringLiteral("\n6.99\n"));
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.99\r\n6.99"));
    EXPECT_EQ(strip(0, 0).PricesTextParams.Text, QStringLiteral("5.99\r\n6.99"));
    // Enter in the middle of the second line: nothing typed is lost, the caret stays where Enter was.
    change(PricesBox, QStringLiteral("5.99\r\n6.\r\n99"));
    EXPECT_EQ(strip(0, 0).PricesTextParams.Text, QStringLiteral("5.99\r\n6.99"));
    EXPECT_EQ(f.panel.textSelection(PricesBox), std::make_pair(8, 8));
}

TEST_F(TextEntryTest, SurplusCaloriesMarksAreDroppedPerColumn)
{
    click(onText(0, 0, 2));
    f.panel.setText(PricesBox, QString());
    change(PricesBox, QStringLiteral("5.99>250^6.99<"));
    type(PricesBox, QStringLiteral("<"));
    EXPECT_EQ(strip(0, 0).PricesTextParams.Text, QStringLiteral("5.99>250^6.99<"));
    type(PricesBox, QStringLiteral(">"));
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.99>250^6.99<"));
    // A "<" after a ">" in one column goes too; the next column keeps its own first mark.
    change(PricesBox, QStringLiteral("5.99>2<50^6.99>1"));
    EXPECT_EQ(strip(0, 0).PricesTextParams.Text, QStringLiteral("5.99>250^6.99>1"));
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.99>250^6.99>1"));
}

TEST_F(TextEntryTest, ACorrectedPricesBoxPutsTheCaretBackWhereTheClickedPriceStarts)
{
    click(onText(0, 0, 2));
    editor.selection().priceCaretPosition = 2;
    change(PricesBox, QStringLiteral("5.>9>9"));
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.>99"));
    EXPECT_EQ(f.panel.textSelection(PricesBox), std::make_pair(2, 2));
}

TEST(PriceRules, KeepFirstCaloriesMarkTable)
{
    struct Case {
        const char *in;
        const char *out;
    };
    for (const Case &c : {Case{"5.99", "5.99"}, Case{"5.99>250>", "5.99>250"}, Case{"<1<2^<3>4", "<12^<34"},
                          Case{"a>b\r\nc>d>e", "a>b\r\nc>de"}, Case{">^>^>", ">^>^>"}, Case{"", ""}}) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(KeepFirstCaloriesMark(QString::fromLatin1(c.in)), QString::fromLatin1(c.out));
    }
}

TEST_F(TextEntryTest, FocusShowsTheActiveLabelAndMakesTheBlockTheEditedOne)
{
    click(onText(0, 0, 0));
    focus(SubItemBox);
    EXPECT_TRUE(f.panel.isVisible(SubItemActive));
    EXPECT_FALSE(f.panel.isVisible(MainItemActive));
    EXPECT_FALSE(f.panel.isVisible(PricesActive));
    EXPECT_EQ(editor.selection().editedTextItem, 1);
    EXPECT_EQ(editor.selection().hitTextItem, 1);
    EXPECT_EQ(editor.selection().lastFocusedBox, SubItemBox);
    clickPalette(8);
    EXPECT_EQ(strip(0, 0).SubItemsTextParams.TextColor, 0x0000FFFFu);
    EXPECT_EQ(strip(0, 0).MainItemTextParams.TextColor, kWhite);
}

// A one-line prices text of two columns, the second with calories right of ">".
class PriceCaretTest : public TextEntryTest {
public:
    PriceCaretTest()
    {
        StripData &s = doc.strip(0, 0);
        s.PricesTextParams.Text = QStringLiteral("5.99^6.99>250");
        s.PricesTextParams.Xref = 0.95; // the first column lies far left of the anchor
        s.PricesTextParams.ScaleFactor = 0.3;
        editor.RefreshPreview();
    }
    // Points along the middle of the prices rectangle, right to left, until a click selects something new.
    std::pair<int, int> clickAt(double fromRight)
    {
        const QRectF prices = textRect(0, 0, 2);
        click(QPoint(int(prices.right() - fromRight), int(prices.center().y())));
        return f.panel.textSelection(PricesBox);
    }
};

TEST_F(PriceCaretTest, ClickingTheCaloriesPartSelectsTheCharactersAfterTheMark)
{
    const auto selection = clickAt(5);
    EXPECT_EQ(selection, std::make_pair(10, 13)); // "250"
    EXPECT_EQ(editor.selection().priceCaretPosition, 10);
    EXPECT_EQ(f.panel.focusedControl(), PricesBox);
    EXPECT_EQ(editor.selection().editedTextItem, 2);
    EXPECT_EQ(strip(0, 0).PricesTextParams.Text, QStringLiteral("5.99^6.99>~250"));
}

TEST_F(PriceCaretTest, ClickingTheFirstColumnSelectsAllOfIt)
{
    const QRectF prices = textRect(0, 0, 2);
    const auto selection = clickAt(prices.width() - 6);
    EXPECT_EQ(selection, std::make_pair(0, 4)) << prices.width() << " " << editor.render().priceTabSpacing.at(0, 0);
    EXPECT_EQ(strip(0, 0).PricesTextParams.Text, QStringLiteral("~5.99^6.99>250"));
    // The box's own text has no marker.
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.99^6.99>250"));
}

} // namespace
} // namespace zorvan
