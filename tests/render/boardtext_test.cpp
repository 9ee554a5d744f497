#include "renderfixture.h"

#include "render/fontcollector.h"

#include <gtest/gtest.h>

using namespace zorvan;
using namespace zorvan::test;

namespace {

class NamingCollector : public FontCollector {
public:
    QString CollectFontFile(const QString &face, const QString &) override { return face + ".ttf"; }
};

bool IsText(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}

QRect Ink(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (IsText(img.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

void SetMain(StripData &s, const QString &text)
{
    s.MainItemTextParams.Text = text;
    s.MainItemTextParams.Font = QStringLiteral("DejaVu Sans");
    s.MainItemTextParams.ScaleFactor = 0.5;
    s.MainItemTextParams.Xref = 0.1;
    s.MainItemTextParams.Yref = 0.1;
    s.MainItemTextParams.TextColor = 0x000000FF;
}

} // namespace

TEST(BoardText, RefreshDrawsTextsAndRecordsScreenRectangles)
{
    BoardFixture board(400, 200);
    SetMain(board.doc.strip(1, 1), QStringLiteral("Burger"));
    const PreviewRefresh r = board.refresh();
    ASSERT_FALSE(r.board.isNull());
    const QRect ink = Ink(r.board);
    ASSERT_FALSE(ink.isEmpty());
    // Column 1, row 1 of 200 x 100 cells, from 0.1 cell in.
    EXPECT_GE(ink.left(), 220);
    EXPECT_GE(ink.top(), 110);
    const QRectF rect = board.state->textScreenRects.at(1, 1)[MainItem];
    // Screen space: the board is shown 1:1 at the area's corner; the
    // rectangle starts in the padding before the first letter.
    const QRect onScreen = ink.translated(board.area.left, board.area.top);
    EXPECT_LE(rect.left(), onScreen.left());
    EXPECT_GT(rect.left(), onScreen.left() - 12);
    EXPECT_LE(rect.top(), onScreen.top());
    EXPECT_GT(rect.top(), onScreen.top() - 12);
    EXPECT_GE(rect.right(), onScreen.right() - 1);
    EXPECT_TRUE(board.state->textScreenRects.at(0, 0)[MainItem].isNull());
}

TEST(BoardText, PlaceholderIsLeftOutOfTheOutputOnly)
{
    BoardFixture board(400, 200);
    SetMain(board.doc.strip(0, 0), QStringLiteral("[]"));
    EXPECT_FALSE(Ink(board.refresh().board).isEmpty());
    EXPECT_TRUE(Ink(RunOutputRefresh(*board.state, board.doc, board.area).board).isEmpty());
    EXPECT_FALSE(board.state->outputRender);
}

TEST(BoardText, OutputRefreshCollectsTheFontsOfTheLayout)
{
    BoardFixture board(400, 200);
    NamingCollector collector;
    board.state->fontCollector = &collector;
    SetMain(board.doc.strip(0, 0), QStringLiteral("Burger"));
    SetMain(board.doc.strip(1, 0), QStringLiteral("Fries"));
    board.doc.strip(1, 0).PricesTextParams.Text = QStringLiteral("2.99");
    board.doc.strip(1, 0).PricesTextParams.Font = QStringLiteral("Liberation Sans");
    board.refresh();
    EXPECT_TRUE(board.state->usedFontList.isEmpty());
    RunOutputRefresh(*board.state, board.doc, board.area);
    EXPECT_EQ(board.state->usedFontList, "DejaVu Sans,DejaVu Sans.ttf;Liberation Sans,Liberation Sans.ttf;");
    // Every composition starts the list afresh.
    board.refresh();
    EXPECT_TRUE(board.state->usedFontList.isEmpty());
}
