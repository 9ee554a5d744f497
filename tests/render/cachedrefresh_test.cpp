#include "render/rendercaches.h"
#include "render/textfont.h"

#include "renderfixture.h"

#include <QLinearGradient>
#include <QPainter>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::BoardFixture;

// What one refresh leaves behind: the board and the rectangles the click
// handler and the outlines read.
struct Drawn {
    QImage board;
    std::vector<QRectF> rects;
    std::vector<int> tabSpacing;
};

Drawn Capture(BoardFixture &f)
{
    Drawn d;
    d.board = f.refresh().board;
    for (int c = 0; c < f.doc.NumberOfColumns; ++c) {
        for (int r = 0; r < f.doc.NumberOfRows; ++r) {
            d.rects.push_back(f.state->stripScreenRects.at(c, r));
            for (const QRectF &t : f.state->textScreenRects.at(c, r))
                d.rects.push_back(t);
            d.tabSpacing.push_back(f.state->priceTabSpacing.at(c, r));
        }
    }
    return d;
}

void ExpectSame(const Drawn &a, const Drawn &b, const char *what)
{
    ASSERT_FALSE(a.board.isNull()) << what;
    ASSERT_EQ(a.board.size(), b.board.size()) << what;
    const QImage x = a.board.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.board.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row)
        differing += std::memcmp(x.constScanLine(row), y.constScanLine(row), static_cast<size_t>(x.width()) * 4) != 0;
    EXPECT_EQ(differing, 0) << what << ": rows that differ";
    EXPECT_EQ(a.rects, b.rects) << what;
    EXPECT_EQ(a.tabSpacing, b.tabSpacing) << what;
}

// Strips with every kind of text: shadows, two-line items, price columns
// with calories in a slanted face, outlines, all three alignments, and a
// main item pushed past its strip so that its clip matters.
void FillTextStrips(MenuData &doc)
{
    doc.NumberOfColumns = 3;
    doc.NumberOfRows = 4;
    const QString faces[] = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                             QStringLiteral("Open Sans")};
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 4; ++r) {
            StripData &s = doc.strip(c, r);
            s.BackGroundColor = MakeColour(40 * r, 60 * c, 90);
            s.SubImageFrameIndex = (c + r) % 4;
            s.CaloriesTextColor = 0x0000FFFF;
            s.CaloriesItalics = (r % 2) == 1;
            TextParams &main = s.MainItemTextParams;
            main.Text = QStringLiteral("Åpple Crümble %1\r\nDeluxe").arg(c * 4 + r);
            main.Font = faces[(c + r) % 3];
            main.Bold = true;
            main.Italics = r == 3;
            main.ScaleFactor = 0.3;
            main.Xref = c == 2 ? 0.8 : 0.03;
            main.DropShadowColor = 0x00000000;
            TextParams &sub = s.SubItemsTextParams;
            sub.Text = QStringLiteral("with fries, pickles and onions\r\nand a small drink");
            sub.Font = faces[(c + r + 1) % 3];
            sub.ScaleFactor = 0.15;
            sub.Yref = 0.55;
            sub.GroupAlignment = r % 3;
            TextParams &prices = s.PricesTextParams;
            prices.Text = QStringLiteral("Small^Medium^~Large\r\n4.99>250^6.49>410^7.99<560");
            prices.Font = faces[(c + r + 2) % 3];
            prices.ScaleFactor = 0.2;
            prices.Yref = 0.3;
            prices.Xref = 0.9;
            prices.DropShadowColor = 0x00202020;
            prices.GroupAlignment = (c + r) % 3;
        }
    }
}

struct Board {
    const char *name;
    std::function<void(BoardFixture &)> setUp;
};

const Board kBoards[] = {
    {"text", [](BoardFixture &f) { FillTextStrips(f.doc); }},
    {"text on white",
     [](BoardFixture &f) {
         FillTextStrips(f.doc);
         f.state->whitePrint = true;
     }},
    {"text in the output render",
     [](BoardFixture &f) {
         FillTextStrips(f.doc);
         f.state->outputRender = true;
     }},
    {"pictures and proxies",
     [](BoardFixture &f) {
         FillTextStrips(f.doc);
         const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
         for (int i = 0; i < 4; ++i) {
             StripData &s = f.doc.strip(i % 3, i);
             s.SubImageFileName = f.picture(QStringLiteral("Item%1.jpg").arg(i), colours[i], 120, 90);
             f.picture(QStringLiteral("Item%1_Proxy.jpg").arg(i), colours[3 - i], 60, 45);
             s.SubImageFrameIndex = 1 + i;
             s.SubImageCropPercentageX = s.SubImageCropPercentageY = 90;
             s.XSizeFactor = 0.5;
         }
         f.doc.strip(2, 3).SubImageFileName = f.picture(QStringLiteral("Company_logo.png"), Qt::white, 30, 30);
         f.state->pictureProxiesInUse = true;
     }},
};

// Whatever the refreshes keep from one to the next, a board drawn from
// them is the board drawn with nothing kept, pixel for pixel.
TEST(CachedRefresh, DrawsWhatAnUncachedRefreshDraws)
{
    for (const Board &b : kBoards) {
        BoardFixture f(600, 400);
        b.setUp(f);
        ClearRenderCaches();
        const Drawn cold = Capture(f);
        const Drawn warm = Capture(f);
        ExpectSame(cold, warm, b.name);

        // An edit and its undo: the strings of the edit are kept, the board
        // is the one from before.
        const QString before = f.doc.strip(1, 2).MainItemTextParams.Text;
        f.doc.strip(1, 2).MainItemTextParams.Text = QStringLiteral("Apple Pie");
        f.refresh();
        f.doc.strip(1, 2).MainItemTextParams.Text = before;
        ExpectSame(cold, Capture(f), b.name);

        ClearRenderCaches();
        ExpectSame(cold, Capture(f), b.name);
    }
}

// A text drawn with a clip of its own layout rectangle set by the caller is
// the reference: whether the font clips or finds it needs no clip, the
// pixels must be the same.
TEST(CachedRefresh, TextClipsExactlyAsAClipToItsLayout)
{
    struct Case {
        const char *name;
        const char *face;
        bool italic;
        const char16_t *text;
        QRectF layout; // in lines of the font: x, y, width, height
    } cases[] = {
        {"fits", "DejaVu Sans", false, u"Burger", {10, 10, 400, 1.0}},
        {"a sliver too low", "Open Sans", true, u"Burger", {10, 10, 400, 0.98}},
        {"cut at the baseline", "Liberation Sans", false, u"gypsy Jam", {10, 10, 400, 0.75}},
        {"too narrow", "DejaVu Sans", false, u"88888888", {10, 10, 60, 1.0}},
        {"accents over a short line", "Liberation Sans", true, u"ÅÉÎ fjord", {10.4, 10.6, 300, 0.9}},
        {"two lines in one", "Open Sans", false, u"Small\r\nLarge", {10, 10, 300, 1.0}},
    };
    for (const Case &c : cases) {
        for (double em : {3.3, 11.0, 40.0}) {
            const TextFont font(QString::fromLatin1(c.face), em, false, c.italic);
            const QRectF layout(c.layout.x(), c.layout.y(), c.layout.width(), c.layout.height() * font.lineSpacing());
            QImage plain(500, 200, QImage::Format_RGB32);
            plain.fill(Qt::black);
            QImage clipped = plain;
            {
                QPainter p(&plain);
                font.draw(p, QStringView(c.text), layout, TextAlign::Near, Qt::white);
            }
            {
                QPainter p(&clipped);
                p.setClipRect(layout);
                font.draw(p, QStringView(c.text), layout, TextAlign::Near, Qt::white);
            }
            EXPECT_EQ(plain, clipped) << c.name << " at " << em;
        }
    }
}

TEST(CachedRefresh, TextDrawingLeavesThePainterAsItWas)
{
    const TextFont font(QStringLiteral("DejaVu Sans"), 20.0, false, false);
    QImage image(300, 100, QImage::Format_RGB32);
    QPainter p(&image);
    const QPen pen(Qt::green, 3.0);
    p.setPen(pen);
    p.translate(5.0, 7.0);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    const QTransform transform = p.transform();
    for (const QRectF &layout : {QRectF(10, 10, 200, 40), QRectF(10, 10, 20, 10)}) {
        font.draw(p, u"Fries", layout, TextAlign::Center, Qt::white);
        EXPECT_EQ(p.pen(), pen);
        EXPECT_EQ(p.transform(), transform);
        EXPECT_FALSE(p.testRenderHint(QPainter::TextAntialiasing));
        EXPECT_FALSE(p.hasClipping());
    }
}

} // namespace
} // namespace zorvan
