// A centred block given a sideways push: centring is given up where the
// block stands, then it moves by the step.
#include "moveboard.h"

#include "editing/controlids.h"

namespace zorvan {
namespace {

using namespace ctl;
using test::MoveBoard;

TEST(CentredMoveTest, TheBlockIsFixedWhereItStandsBeforeItMoves)
{
    struct Case {
        const char *name;
        int item;
        int alignment;
        double boxWidth; // XSizeFactor of the strip
    };
    const Case cases[] = {
        {"main item, left aligned", MainItem, AlignLeft, 1.0},
        {"main item, centre aligned", MainItem, AlignCenter, 1.0},
        {"main item, right aligned", MainItem, AlignRight, 1.0},
        {"sub items in a box narrower than its cell", SubItems, AlignLeft, 0.6},
        {"sub items in a box wider than its cell", SubItems, AlignRight, 1.5},
        {"prices, right aligned", Prices, AlignRight, 1.0},
        {"prices, left aligned", Prices, AlignLeft, 1.0},
        {"prices, centre aligned, in a narrow box", Prices, AlignCenter, 0.7},
    };
    for (const Case &c : cases) {
        for (const int button : {MoveLeft, MoveRight}) {
            SCOPED_TRACE(testing::Message() << c.name << (button == MoveLeft ? ", left" : ", right"));
            MoveBoard b;
            StripData &strip = b.doc.strip(0, 1);
            strip.XSizeFactor = c.boxWidth;
            strip.block(c.item).CenterInStrip = true;
            strip.block(c.item).GroupAlignment = c.alignment;
            b.editor.RefreshPreview();
            b.selectText(0, 1, c.item);
            EXPECT_TRUE(b.f.panel.isChecked(CenterText));
            const QRectF centred = b.textRect(0, 1, c.item);

            b.press(button);
            const StripData &after = b.doc.strip(0, 1);
            EXPECT_FALSE(after.block(c.item).CenterInStrip);
            EXPECT_FALSE(b.doc.StyleTemplate.block(c.item).CenterInStrip);
            EXPECT_FALSE(b.f.panel.isChecked(CenterText));
            // No jump: the block moved by one step of 4 pixels from where it stood.
            const double step = button == MoveLeft ? -4.0 : 4.0;
            EXPECT_NEAR(b.textRect(0, 1, c.item).left(), centred.left() + step, 0.05);
            EXPECT_NEAR(b.textRect(0, 1, c.item).width(), centred.width(), 1.0);
        }
    }
}

TEST(CentredMoveTest, AnUpOrDownMoveKeepsTheBlockCentred)
{
    MoveBoard b;
    b.doc.strip(0, 1).MainItemTextParams.CenterInStrip = true;
    b.editor.RefreshPreview();
    b.selectText(0, 1, MainItem);
    b.press(MoveDown);
    EXPECT_TRUE(b.doc.strip(0, 1).MainItemTextParams.CenterInStrip);
    EXPECT_NEAR(b.doc.strip(0, 1).MainItemTextParams.Yref, 0.3, 1e-9);
}

} // namespace
} // namespace zorvan
