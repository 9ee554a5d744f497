#include "render/boardrecomposer.h"
#include "render/boardcomposer.h"
#include "render/boardgeometry.h"
#include "render/rendercaches.h"

#include "renderfixture.h"

#include <QFile>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>

namespace zorvan {
namespace {

using test::BoardFixture;

// A background with a different colour in every row and column, so that a
// row restored from the wrong place or not at all shows.
QString WriteGradient(const QString &path, int width, int height, QRgb from, QRgb to, const char *format = "png")
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(from));
    gradient.setColorAt(1, QColor(to));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    return test::WriteImage(path, image, format);
}

const QString kFaces[] = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                          QStringLiteral("Open Sans")};

void FillStrip(StripData &s, int c, int r)
{
    s.BackGroundColor = (c + r) % 3 == 0 ? kNoColour : MakeColour(40 * (r % 6), 60 * c, 90);
    s.SubImageFrameIndex = (c + r) % 4;
    s.CaloriesItalics = (r % 2) == 1;
    TextParams &main = s.MainItemTextParams;
    main.Text = QStringLiteral("Åpple Crümble %1\r\nDeluxe").arg(c * 10 + r);
    main.Font = kFaces[(c + r) % 3];
    main.Bold = true;
    main.Italics = r % 3 == 2;
    main.ScaleFactor = 0.3;
    main.Xref = 0.03;
    main.DropShadowColor = 0x00000000;
    TextParams &sub = s.SubItemsTextParams;
    sub.Text = QStringLiteral("with fries and onions\r\nand a small drink");
    sub.Font = kFaces[(c + r + 1) % 3];
    sub.ScaleFactor = 0.15;
    sub.Yref = 0.55;
    sub.GroupAlignment = r % 3;
    TextParams &prices = s.PricesTextParams;
    // Outlined parts, which take the colour of the text selected last, in one row only.
    prices.Text = r == 1 ? QStringLiteral("Small^~Large\r\n4.99>250^7.99<560")
                         : QStringLiteral("Small^Large\r\n4.99>250^7.99<560");
    prices.Font = kFaces[(c + r + 2) % 3];
    prices.ScaleFactor = 0.2;
    prices.Yref = 0.3;
    prices.Xref = 0.9;
    prices.DropShadowColor = 0x00202020;
    prices.GroupAlignment = (c + r) % 3;
}

// Two render states side by side: one refreshed through a recomposer, one
// composed afresh every time. Both see the same edits.
struct Boards {
    BoardFixture f{480, 360};
    std::unique_ptr<RenderState> full = std::make_unique<RenderState>();
    BoardRecomposer recomposer;

    Boards(int columns, int rows)
    {
        f.doc.BackgroundPath = WriteGradient(f.file(QStringLiteral("Board.png")), 480, 360, qRgb(20, 40, 90),
                                             qRgb(140, 90, 30));
        f.doc.NumberOfColumns = columns;
        f.doc.NumberOfRows = rows;
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r)
                FillStrip(f.doc.strip(c, r), c, r);
        // Pictures that change from pixel to pixel, so that a scaled picture
        // sampled differently under a clip shows.
        for (int i = 0; i < 2; ++i) {
            WriteGradient(f.file(QStringLiteral("Item%1.jpg").arg(i)), 120, 90, qRgb(250, 20, 20 + 100 * i),
                          qRgb(10, 200, 90), "jpeg");
            WriteGradient(f.file(QStringLiteral("Item%1_Proxy.jpg").arg(i)), 60, 45, qRgb(20, 250, 20),
                          qRgb(200, 10, 90 + 100 * i), "jpeg");
        }
        f.picture(QStringLiteral("Company_logo.png"), Qt::white, 30, 30);
    }

    // Whatever an edit does to one state it does to the other.
    void both(const std::function<void(RenderState &)> &change)
    {
        change(*f.state);
        change(*full);
    }

    QImage incremental() { return RefreshPreview(*f.state, f.doc, f.area, false, &recomposer).board; }
    QImage afresh() { return RefreshPreview(*full, f.doc, f.area, false).board; }
};

void ExpectSameBoards(const QImage &a, const QImage &b, const std::string &what)
{
    ASSERT_FALSE(a.isNull()) << what;
    ASSERT_EQ(a.size(), b.size()) << what;
    ASSERT_EQ(a.format(), b.format()) << what;
    int firstRow = -1;
    int rows = 0;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), static_cast<std::size_t>(a.bytesPerLine())) != 0) {
            firstRow = firstRow < 0 ? y : firstRow;
            ++rows;
        }
    }
    EXPECT_EQ(rows, 0) << what << ": rows that differ, the first " << firstRow;
}

bool SameRect(const QRectF &a, const QRectF &b)
{
    // Bit for bit: QRectF's own comparison is fuzzy, and a record that is
    // not a number equals itself.
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    return bits(a.x()) == bits(b.x()) && bits(a.y()) == bits(b.y()) && bits(a.width()) == bits(b.width())
           && bits(a.height()) == bits(b.height());
}

void ExpectSameRecords(const RenderState &a, const RenderState &b, const std::string &what)
{
    int differing = 0;
    for (int c = 0; c < kStripColumns; ++c) {
        for (int r = 0; r < kStripRows; ++r) {
            bool same = SameRect(a.stripScreenRects.at(c, r), b.stripScreenRects.at(c, r))
                        && a.priceTabSpacing.at(c, r) == b.priceTabSpacing.at(c, r);
            for (int k = 0; k < kTextItemCount; ++k)
                same = same && SameRect(a.textScreenRects.at(c, r)[k], b.textScreenRects.at(c, r)[k]);
            if (!same && differing++ == 0)
                ADD_FAILURE() << what << ": the records of strip " << c << "," << r << " differ";
        }
    }
    EXPECT_EQ(differing, 0) << what;
    const TextStepResults &x = a.text;
    const TextStepResults &y = b.text;
    EXPECT_EQ(x.leftOverflow, y.leftOverflow) << what;
    EXPECT_EQ(x.rightOverflow, y.rightOverflow) << what;
    EXPECT_EQ(x.tabSpan, y.tabSpan) << what;
    EXPECT_EQ(x.tabsUsed, y.tabsUsed) << what;
    EXPECT_EQ(x.lastMeasuredLineHeight, y.lastMeasuredLineHeight) << what;
    EXPECT_EQ(x.lineHeightChanged, y.lineHeightChanged) << what;
    EXPECT_EQ(x.priceProbePoint, y.priceProbePoint) << what;
    EXPECT_EQ(x.rightPartHit, y.rightPartHit) << what;
    EXPECT_EQ(x.leftPartHit, y.leftPartHit) << what;
    EXPECT_EQ(x.digitWidthAnswer, y.digitWidthAnswer) << what;
    EXPECT_EQ(a.usedFontList, b.usedFontList) << what;
}

enum class Drawn { Part, All, Nothing };

struct Edit {
    const char *name;
    std::function<void(Boards &)> apply;
    Drawn drawn;
};

// Edits of every kind, applied one after the other; each leaves the board
// and the records a full composition gives.
std::vector<Edit> Edits()
{
    return {
        {"a letter typed into a main item", [](Boards &b) { b.f.doc.strip(1, 2).MainItemTextParams.Text += u'x'; },
         Drawn::Part},
        {"a letter deleted from the sub items",
         [](Boards &b) { b.f.doc.strip(0, 3).SubItemsTextParams.Text.chop(1); }, Drawn::Part},
        {"a price changed", [](Boards &b) { b.f.doc.strip(2, 0).PricesTextParams.Text = u"Small^~Large\r\n5.49>250"_qs; },
         Drawn::Part},
        {"nothing changed", [](Boards &) {}, Drawn::Nothing},
        {"a strip moved down", [](Boards &b) { b.f.doc.strip(1, 1).YOffsetFactor = 0.4; }, Drawn::Part},
        {"a strip made taller, over the one below", [](Boards &b) { b.f.doc.strip(0, 1).YSizeFactor = 1.7; },
         Drawn::Part},
        {"a fill colour changed", [](Boards &b) { b.f.doc.strip(2, 4).BackGroundColor = MakeColour(200, 10, 10); },
         Drawn::Part},
        {"accents stacked above the line",
         [](Boards &b) { b.f.doc.strip(2, 3).MainItemTextParams.Text = u"A\u0302\u0302\u0302\u0302 gy\u0323\u0323\u0323"_qs; },
         Drawn::Part},
        {"a letter typed into the strip above the accents",
         [](Boards &b) { b.f.doc.strip(2, 2).MainItemTextParams.Text += u'k'; }, Drawn::Part},
        {"a letter typed into the strip below the accents",
         [](Boards &b) { b.f.doc.strip(2, 4).MainItemTextParams.Text += u'k'; }, Drawn::Part},
        {"a text made larger after a size press marked the line height as changed",
         [](Boards &b) {
             b.both([](RenderState &s) { s.text.lineHeightChanged = true; });
             b.f.doc.strip(1, 3).MainItemTextParams.ScaleFactor = 0.45;
         },
         Drawn::Part},
        {"a letter typed after the size press", [](Boards &b) { b.f.doc.strip(0, 4).SubItemsTextParams.Text += u'q'; },
         Drawn::Part},
        {"the line height marked as changed, then nothing changed",
         [](Boards &b) { b.both([](RenderState &s) { s.text.lineHeightChanged = true; }); }, Drawn::Nothing},
        {"a text colour changed", [](Boards &b) { b.f.doc.strip(1, 4).MainItemTextParams.TextColor = kBlack; },
         Drawn::Part},
        {"a main item passing into its neighbours",
         [](Boards &b) {
             TextParams &main = b.f.doc.strip(0, 2).MainItemTextParams;
             main.Text = u"Enormous Triple Burger With Everything On It"_qs;
             main.ScaleFactor = 0.9;
             main.Yref = -0.3;
         },
         Drawn::Part},
        {"a letter typed into the strip the long text passes over",
         [](Boards &b) { b.f.doc.strip(1, 2).MainItemTextParams.Text += u'y'; }, Drawn::Part},
        {"a strip gains a picture",
         [](Boards &b) {
             StripData &s = b.f.doc.strip(2, 2);
             s.SubImageFileName = b.f.file(u"Item0.jpg"_qs);
             s.SubImageFrameIndex = 5;
             s.SubImageCropPercentageX = s.SubImageCropPercentageY = 80;
             s.XSizeFactor = 0.5;
         },
         Drawn::Part},
        {"the picture's proxies come into use", [](Boards &b) { b.both([](RenderState &s) { s.pictureProxiesInUse = true; }); },
         Drawn::All},
        {"the picture is replaced on disk",
         [](Boards &b) {
             b.f.picture(u"Item0_Proxy.jpg"_qs, Qt::cyan, 64, 40);
         },
         Drawn::Part},
        {"a picture two rows tall",
         [](Boards &b) {
             StripData &s = b.f.doc.strip(0, 0);
             s.SubImageFileName = b.f.file(u"Item1.jpg"_qs);
             s.SubImageFrameIndex = 2;
             s.YSizeFactor = 2.0;
             s.XSizeFactor = 0.7;
         },
         Drawn::Part},
        {"a letter typed beside the tall picture's lower half",
         [](Boards &b) { b.f.doc.strip(1, 1).SubItemsTextParams.Text += u'w'; }, Drawn::Part},
        {"a logo over a strip",
         [](Boards &b) {
             StripData &s = b.f.doc.strip(0, 4);
             s.SubImageFileName = b.f.file(u"Company_logo.png"_qs);
             s.XSizeFactor = 0.3;
         },
         Drawn::Part},
        {"a strip loses its picture", [](Boards &b) { b.f.doc.strip(2, 2).SubImageFileName.clear(); }, Drawn::Part},
        {"a strip deleted", [](Boards &b) { ResetStrip(b.f.doc.strip(1, 3)); }, Drawn::Part},
        {"a strip copied over another", [](Boards &b) { b.f.doc.strip(1, 3) = b.f.doc.strip(0, 0); }, Drawn::Part},
        {"the outline colour changes", [](Boards &b) { b.both([](RenderState &s) { s.currentTextColour = kBlack; }); },
         Drawn::Part},
        {"recorded rectangles forgotten by an edit",
         [](Boards &b) { b.both([](RenderState &s) { s.ForgetStripRects(2, 1); }); }, Drawn::Part},
        {"recorded rectangles copied to a neighbour",
         [](Boards &b) {
             b.both([](RenderState &s) { s.textScreenRects.at(1, 0) = s.textScreenRects.at(0, 0); });
         },
         Drawn::Part},
        {"the price probe armed",
         [](Boards &b) {
             b.both([&b](RenderState &s) {
                 const QRectF prices = s.textScreenRects.at(1, 1)[Prices];
                 s.text.priceProbePoint = ScreenToGraphics(s, prices.center() + QPointF(prices.width() / 4, 0));
             });
         },
         Drawn::All},
        {"after the probe", [](Boards &b) { b.both([](RenderState &s) { s.text.priceProbePoint = QPoint(0, 0); }); },
         Drawn::Nothing},
        {"white print", [](Boards &b) { b.both([](RenderState &s) { s.whitePrint = true; }); }, Drawn::All},
        {"a letter typed in white print", [](Boards &b) { b.f.doc.strip(2, 3).MainItemTextParams.Text += u'z'; },
         Drawn::Part},
        {"white print off", [](Boards &b) { b.both([](RenderState &s) { s.whitePrint = false; }); }, Drawn::All},
        {"a strip far off the board", [](Boards &b) { b.f.doc.strip(0, 5).XOffsetFactor = 1.0e9; }, Drawn::All},
        {"a strip whose size is not a number",
         [](Boards &b) { b.f.doc.strip(1, 5).YSizeFactor = std::numeric_limits<double>::quiet_NaN(); }, Drawn::All},
        {"every strip changed", [](Boards &b) {
             for (int c = 0; c < 3; ++c)
                 for (int r = 0; r < 6; ++r)
                     b.f.doc.strip(c, r).MainItemTextParams.Text += u'!';
         },
         Drawn::All},
        {"another background",
         [](Boards &b) {
             b.f.doc.BackgroundPath =
                 WriteGradient(b.f.file(u"Other.png"_qs), 480, 360, qRgb(90, 10, 10), qRgb(10, 90, 10));
         },
         Drawn::All},
        {"the background changed on disk",
         [](Boards &b) {
             WriteGradient(b.f.doc.BackgroundPath, 480, 360, qRgb(10, 10, 10), qRgb(250, 250, 90));
         },
         Drawn::All},
        {"a row less", [](Boards &b) { b.f.doc.NumberOfRows = 5; }, Drawn::All},
        {"the caches cleared", [](Boards &) { ClearRenderCaches(); }, Drawn::All},
    };
}

TEST(Recompose, EveryEditLeavesWhatAFullCompositionLeaves)
{
    Boards b(3, 6);
    ExpectSameBoards(b.incremental(), b.afresh(), "first refresh");
    ExpectSameRecords(*b.f.state, *b.full, "first refresh");
    EXPECT_TRUE(b.recomposer.lastWasFull());
    for (const Edit &edit : Edits()) {
        edit.apply(b);
        const QImage incremental = b.incremental();
        const QImage afresh = b.afresh();
        ExpectSameBoards(incremental, afresh, edit.name);
        ExpectSameRecords(*b.f.state, *b.full, edit.name);
        int drawnRows = 0;
        for (const QRect &rows : b.recomposer.changedRows())
            drawnRows += rows.height();
        switch (edit.drawn) {
        case Drawn::Part:
            EXPECT_FALSE(b.recomposer.lastWasFull()) << edit.name;
            EXPECT_GT(drawnRows, 0) << edit.name;
            EXPECT_LT(drawnRows, incremental.height()) << edit.name;
            break;
        case Drawn::All:
            EXPECT_TRUE(b.recomposer.lastWasFull()) << edit.name;
            break;
        case Drawn::Nothing:
            EXPECT_FALSE(b.recomposer.lastWasFull()) << edit.name;
            EXPECT_EQ(drawnRows, 0) << edit.name;
            break;
        }
    }
}

// The probe is answered by the strip under it, drawn in full.
TEST(Recompose, AnswersThePriceProbeAsAFullComposition)
{
    Boards b(2, 3);
    b.incremental();
    b.afresh();
    const QRectF prices = b.f.state->textScreenRects.at(1, 1)[Prices];
    ASSERT_FALSE(prices.isEmpty());
    b.both([&](RenderState &s) { s.text.priceProbePoint = ScreenToGraphics(s, prices.center()); });
    b.f.doc.strip(1, 1).PricesTextParams.Text += u'5';
    ExpectSameBoards(b.incremental(), b.afresh(), "probe");
    ExpectSameRecords(*b.f.state, *b.full, "probe");
    EXPECT_TRUE(b.f.state->text.rightPartHit || b.f.state->text.leftPartHit);
}

// A board composed by anything else (a save's full-size refresh) in between
// makes the next refresh a full one, and it still matches.
TEST(Recompose, AnotherCompositionInBetweenIsNoticed)
{
    Boards b(2, 4);
    b.incremental();
    b.afresh();
    b.both([&](RenderState &s) { RunOutputRefresh(s, b.f.doc, b.f.area); });
    b.f.doc.strip(0, 1).MainItemTextParams.Text += u'q';
    ExpectSameBoards(b.incremental(), b.afresh(), "after an output refresh");
    ExpectSameRecords(*b.f.state, *b.full, "after an output refresh");
    EXPECT_TRUE(b.recomposer.lastWasFull());
}

// Fonts added while the editor runs may draw a face that drew in a stand-in
// before: the whole board is composed again, and still as a full composition.
TEST(Recompose, FontsAddedComposeTheWholeBoard)
{
    Boards b(2, 3);
    b.incremental();
    b.afresh();
    const quint64 before = RenderCacheGeneration();
    const QString file = b.f.file(u"Added.ttf"_qs);
    ASSERT_TRUE(QFile::copy(u"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"_qs, file));
    const int id = QFontDatabase::addApplicationFont(file);
    ASSERT_GE(id, 0);
    EXPECT_NE(RenderCacheGeneration(), before);
    b.f.doc.strip(0, 0).MainItemTextParams.Text += u'f';
    ExpectSameBoards(b.incremental(), b.afresh(), "fonts added");
    EXPECT_TRUE(b.recomposer.lastWasFull());
    QFontDatabase::removeApplicationFont(id);
}

} // namespace
} // namespace zorvan
