// The box of a bare strip follows its texts in Text mode; the working copy
// takes the fitted box and nothing else.
#include "moveboard.h"

#include "editing/controlids.h"
#include "editing/textstripfit.h"

#include <functional>

namespace zorvan {
namespace {

using namespace ctl;
using test::MoveBoard;

void Type(MoveBoard &b, int box, const QString &text)
{
    b.f.panel.setText(box, text);
    ASSERT_TRUE(b.editor.RunCommand(CommandEvent{box}));
}

struct Change {
    const char *name;
    std::function<void(MoveBoard &)> apply;
};

const Change kChanges[] = {
    {"moved left", [](MoveBoard &b) { b.press(MoveLeft); }},
    {"moved right", [](MoveBoard &b) { b.press(MoveRight); }},
    {"moved down", [](MoveBoard &b) { b.press(MoveDown); }},
    {"made larger", [](MoveBoard &b) { b.press(SizeUp); }},
    {"a letter typed", [](MoveBoard &b) { Type(b, MainItemBox, QStringLiteral("Soups")); }},
};

// A style given to the prices before any price is typed (an empty block in
// the strip itself has no style) stays in the working copy.
TEST(TextStripFitTest, TheStyleOfABlockNotTypedYetIsKept)
{
    for (const Change &change : kChanges) {
        SCOPED_TRACE(change.name);
        MoveBoard b;
        b.selectText(0, 0, MainItem);
        TextParams &prices = b.doc.StyleTemplate.PricesTextParams;
        ASSERT_TRUE(prices.Text.isEmpty());
        prices.ScaleFactor = 2.5;
        prices.Font = QStringLiteral("Liberation Serif");
        prices.Bold = true;
        const StripData before = b.doc.strip(0, 0);
        change.apply(b);
        ASSERT_FALSE(b.doc.strip(0, 0) == before) << "the change did nothing";
        const TextParams &kept = b.doc.StyleTemplate.PricesTextParams;
        EXPECT_EQ(kept.ScaleFactor, 2.5);
        EXPECT_EQ(kept.Font, QStringLiteral("Liberation Serif"));
        EXPECT_TRUE(kept.Bold);
        // The fitted box itself is in the working copy.
        const StripData &fitted = b.doc.strip(0, 0);
        const StripData &style = b.doc.StyleTemplate;
        EXPECT_EQ(style.XOffsetFactor, fitted.XOffsetFactor);
        EXPECT_EQ(style.YOffsetFactor, fitted.YOffsetFactor);
        EXPECT_EQ(style.XSizeFactor, fitted.XSizeFactor);
        EXPECT_EQ(style.YSizeFactor, fitted.YSizeFactor);
        EXPECT_EQ(style.MainItemTextParams.Xref, fitted.MainItemTextParams.Xref);
        EXPECT_EQ(style.MainItemTextParams.Yref, fitted.MainItemTextParams.Yref);
    }
}

// A change that leaves the fitted box as it was shows the board once, not
// once more for a box that did not move.
TEST(TextStripFitTest, AChangeThatLeavesTheBoxAsItWasShowsTheBoardOnce)
{
    const Change unchanged[] = {
        {"the same text entered again", [](MoveBoard &b) { Type(b, MainItemBox, QStringLiteral("Soup")); }},
        {"a size press at the smallest size", [](MoveBoard &b) { b.press(SizeDown); }},
    };
    for (const Change &change : unchanged) {
        SCOPED_TRACE(change.name);
        MoveBoard b;
        b.doc.strip(0, 0).MainItemTextParams.ScaleFactor = 0.1;
        b.editor.RefreshPreview();
        b.selectText(0, 0, MainItem);
        // The first fit after the click settles the box round the text.
        Type(b, MainItemBox, QStringLiteral("Soup"));
        const QRectF box = b.boxRect(0, 0);
        const StripData style = b.doc.StyleTemplate;
        const int repaints = b.f.window.repaints;
        change.apply(b);
        EXPECT_TRUE(b.doc.StyleTemplate == style);
        EXPECT_EQ(b.boxRect(0, 0), box);
        EXPECT_EQ(b.f.window.repaints, repaints + 1);
    }
}

} // namespace
} // namespace zorvan
