// The board the editor keeps up to date while the user works, checked after
// every action against the board composed afresh from the same state.
#include "clickboard.h"

#include "render/previewrefresh.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>

namespace zorvan {
namespace {

using namespace ctl;

bool SameRect(const QRectF &a, const QRectF &b)
{
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    return bits(a.x()) == bits(b.x()) && bits(a.y()) == bits(b.y()) && bits(a.width()) == bits(b.width())
           && bits(a.height()) == bits(b.height());
}

class PreviewRecomposeTest : public test::ClickBoard {
public:
    void type(int box, const QString &keys)
    {
        for (const QChar key : keys) {
            f.panel.setText(box, f.panel.text(box) + key);
            ASSERT_TRUE(editor.RunCommand(CommandEvent{box}));
        }
    }
    void press(int id) { ASSERT_TRUE(editor.RunCommand(CommandEvent{id})); }

    // What the editor shows and recorded is what composing the whole board
    // from the editor's own state gives.
    void expectAsComposedAfresh(const char *what)
    {
        RenderState afresh = editor.render();
        const QRect area = f.window.availableArea();
        const PreviewRefresh full = RefreshPreview(
            afresh, doc, BoardRect{area.left(), area.top(), area.right() + 1, area.bottom() + 1}, false);
        const QImage &shown = editor.board();
        ASSERT_EQ(shown.size(), full.board.size()) << what;
        ASSERT_EQ(shown.format(), full.board.format()) << what;
        int rows = 0;
        for (int y = 0; y < shown.height(); ++y)
            rows += std::memcmp(shown.constScanLine(y), full.board.constScanLine(y),
                                static_cast<std::size_t>(shown.bytesPerLine())) != 0;
        EXPECT_EQ(rows, 0) << what << ": rows that differ";
        const RenderState &kept = editor.render();
        for (int c = 0; c < doc.NumberOfColumns; ++c) {
            for (int r = 0; r < doc.NumberOfRows; ++r) {
                EXPECT_TRUE(SameRect(kept.stripScreenRects.at(c, r), afresh.stripScreenRects.at(c, r)))
                    << what << " strip " << c << "," << r;
                for (int k = 0; k < kTextItemCount; ++k)
                    EXPECT_TRUE(SameRect(kept.textScreenRects.at(c, r)[k], afresh.textScreenRects.at(c, r)[k]))
                        << what << " strip " << c << "," << r << " block " << k;
                EXPECT_EQ(kept.priceTabSpacing.at(c, r), afresh.priceTabSpacing.at(c, r)) << what;
            }
        }
    }
};

TEST_F(PreviewRecomposeTest, EveryActionShowsTheBoardAFullCompositionShows)
{
    struct Step {
        const char *name;
        std::function<void(PreviewRecomposeTest &)> act;
    };
    const Step steps[] = {
        {"a click on a main item", [](PreviewRecomposeTest &t) { t.click(t.onText(0, 0, MainItem)); }},
        {"letters typed", [](PreviewRecomposeTest &t) { t.type(MainItemBox, QStringLiteral(" Deluxe")); }},
        {"moved right twice",
         [](PreviewRecomposeTest &t) {
             t.press(MoveRight);
             t.press(MoveRight);
         }},
        {"moved down", [](PreviewRecomposeTest &t) { t.press(MoveDown); }},
        {"a palette colour", [](PreviewRecomposeTest &t) { t.clickPalette(3); }},
        {"a price clicked", [](PreviewRecomposeTest &t) { t.click(t.onText(0, 0, Prices)); }},
        {"a price typed", [](PreviewRecomposeTest &t) { t.type(PricesBox, QStringLiteral("9")); }},
        {"the logo strip's text clicked", [](PreviewRecomposeTest &t) { t.click(t.onText(1, 2, MainItem)); }},
        {"typed over the logo", [](PreviewRecomposeTest &t) { t.type(MainItemBox, QStringLiteral("ed")); }},
        {"made larger", [](PreviewRecomposeTest &t) { t.press(SizeUp); }},
        {"a picture strip's text clicked", [](PreviewRecomposeTest &t) { t.click(t.onText(1, 1, MainItem)); }},
        {"moved left", [](PreviewRecomposeTest &t) { t.press(MoveLeft); }},
    };
    expectAsComposedAfresh("opened");
    for (const Step &step : steps) {
        step.act(*this);
        expectAsComposedAfresh(step.name);
    }
}

} // namespace
} // namespace zorvan
