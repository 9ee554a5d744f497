// The tab and calories spacing buttons of the prices block.
#include "moveboard.h"

#include "editing/controlids.h"
#include "editing/spacingcommands.h"

namespace zorvan {
namespace {

using namespace ctl;
using test::MoveBoard;

TEST(SpacingCommandsTest, TabAndCaloriesSpacingRules)
{
    struct Case {
        const char *name;
        double tab, calories;
        int button;
        double tabAfter, caloriesAfter;
    };
    const Case cases[] = {
        {"tab up has no limit", 30.0, 3.8, TabSpacingUp, 30.2, 3.8},
        {"tab down", 8.0, 3.8, TabSpacingDown, 7.8, 3.8},
        {"tab down stops at 2.0", 2.0, 1.0, TabSpacingDown, 2.0, 1.0},
        {"tab down from 2.2 reaches 2.0", 2.2, 1.0, TabSpacingDown, 2.0, 1.0},
        // 8.0 x 0.7 + 0.2 = 5.8: the calories already reach past what the tab spacing allows.
        {"8.0 / 6.0: cal up does nothing", 8.0, 6.0, CalSpacingUp, 8.0, 6.0},
        {"8.0 / 6.0: tab down would only widen the gap", 8.0, 6.0, TabSpacingDown, 8.0, 6.0},
        {"8.0 / 6.0: cal down", 8.0, 6.0, CalSpacingDown, 8.0, 5.8},
        {"cal up below the limit", 8.0, 5.6, CalSpacingUp, 8.0, 5.8},
        {"cal up at the limit", 8.0, 5.8, CalSpacingUp, 8.0, 5.8},
        {"cal down stops at 2.0", 8.0, 2.0, CalSpacingDown, 8.0, 2.0},
        {"cal down from 2.2 reaches 2.0", 8.0, 2.2, CalSpacingDown, 8.0, 2.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MoveBoard b;
        StripData &strip = b.doc.strip(0, 1);
        strip.PriceTabSpacingFactor = c.tab;
        strip.CaloriesSpacingFactor = c.calories;
        b.editor.RefreshPreview();
        b.selectText(0, 1, Prices);
        b.doc.Modified = false;
        b.press(c.button);
        // A press that changes nothing leaves the layout without unsaved changes.
        EXPECT_EQ(b.doc.Modified, c.tabAfter != c.tab || c.caloriesAfter != c.calories);
        EXPECT_NEAR(b.doc.strip(0, 1).PriceTabSpacingFactor, c.tabAfter, 1e-9);
        EXPECT_NEAR(b.doc.strip(0, 1).CaloriesSpacingFactor, c.caloriesAfter, 1e-9);
        EXPECT_EQ(b.caption(TabSpacingValue), QString::asprintf("%0.1f", c.tabAfter));
        EXPECT_EQ(b.caption(CalSpacingValue), QString::asprintf("%0.1f", c.caloriesAfter));
    }
}

TEST(SpacingCommandsTest, RepeatedPressesKeepBothRules)
{
    MoveBoard b;
    b.selectText(0, 1, Prices);
    const StripData &strip = b.doc.strip(0, 1);
    auto pressTimes = [&b](int button, int times) {
        for (int press = 0; press < times; ++press)
            b.press(button);
    };
    pressTimes(CalSpacingDown, 20);
    EXPECT_NEAR(strip.CaloriesSpacingFactor, 2.0, 1e-9);
    EXPECT_EQ(b.caption(CalSpacingValue), QStringLiteral("2.0"));
    // Calories at 2.0 need a tab spacing above 2.57.
    pressTimes(TabSpacingDown, 40);
    EXPECT_NEAR(strip.PriceTabSpacingFactor, 2.4, 1e-9);
    EXPECT_EQ(b.caption(TabSpacingValue), QStringLiteral("2.4"));
    pressTimes(TabSpacingUp, 5);
    EXPECT_NEAR(strip.PriceTabSpacingFactor, 3.4, 1e-9);
    // 3.4 x 0.7 + 0.2 = 2.58: the calories grow to 2.6 and no further.
    pressTimes(CalSpacingUp, 20);
    EXPECT_NEAR(strip.CaloriesSpacingFactor, 2.6, 1e-9);
    EXPECT_EQ(b.caption(CalSpacingValue), QStringLiteral("2.6"));
}

TEST(SpacingCommandsTest, OnlyTextModeHasSpacingsToChange)
{
    MoveBoard b;
    b.selectBox(1, 1);
    const StripData before = b.doc.strip(1, 1);
    for (int id : {TabSpacingUp, TabSpacingDown, CalSpacingUp, CalSpacingDown, LineSpacingUp, LineSpacingDown})
        b.press(id);
    EXPECT_TRUE(before == b.doc.strip(1, 1));
}

} // namespace
} // namespace zorvan
