#include "assets/fontcatalogue.h"
#include "assets/workfolderfontcollector.h"
#include "document/menudata.h"
#include "render/previewrefresh.h"
#include "render/renderstate.h"

#include "privatefonts.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace zorvan {
namespace {

using test::PrivateFonts;

// A 2 x 2 board whose texts use installed faces, a stand-in and a missing
// face, drawn for output with the work folder collecting fonts.
struct CollectingBoard {
    PrivateFonts fonts;
    QTemporaryDir workFolder;
    std::unique_ptr<FontCatalogue> catalogue;
    std::unique_ptr<WorkFolderFontCollector> collector;
    MenuData doc;
    std::unique_ptr<RenderState> state = std::make_unique<RenderState>();
    BoardRect area{0, 0, 400, 200};

    CollectingBoard()
    {
        fonts.install(test::kDejaVuSansBold, "ariblk.ttf", "Arial Black");
        fonts.install(test::kDejaVuSans, "arial.ttf", "Arial");
        fonts.install(test::kDejaVuSerif, "DejaVuSerif.ttf");
        fonts.install(test::kCarlito, "Carlito-Regular.ttf");
        catalogue = std::make_unique<FontCatalogue>();
        collector = std::make_unique<WorkFolderFontCollector>(*catalogue);

        QImage background(200, 100, QImage::Format_RGB32);
        background.fill(Qt::gray);
        doc.BackgroundPath = workFolder.filePath("Background.png");
        background.save(doc.BackgroundPath);
        doc.NumberOfColumns = 2;
        doc.NumberOfRows = 2;
        state->workFolder = workFolder.path();
        state->fontCollector = collector.get();
    }

    void set(int column, int row, int item, const QString &face, const QString &text)
    {
        doc.strip(column, row).block(item).Font = face;
        doc.strip(column, row).block(item).Text = text;
    }
};

TEST(FontCollectionDuringOutput, EachFontListedOncePerDrawing)
{
    CollectingBoard board;
    board.set(0, 0, MainItem, "Arial Black", "Burger");
    board.set(0, 0, SubItems, "Arial", "with fries");   // a name contained in the one before
    board.set(0, 0, Prices, "Arial Black", "4.99");
    board.set(1, 0, MainItem, "Calibri", "Shake");        // drawn by its stand-in Carlito
    board.set(1, 0, Prices, "Cubano", "2.49");           // not installed
    board.set(0, 1, MainItem, "DejaVu Serif", "Cola");
    board.set(1, 1, MainItem, "Unused Face", "");        // no text, no font needed

    const QString expected = "Arial Black,ariblk.ttf;Arial,arial.ttf;DejaVu Serif,DejaVuSerif.ttf;";
    RunOutputRefresh(*board.state, board.doc, board.area);
    EXPECT_EQ(board.state->usedFontList, expected);
    // Saving twice in one run: the second drawing lists each font once again.
    RunOutputRefresh(*board.state, board.doc, board.area);
    EXPECT_EQ(board.state->usedFontList, expected);
    EXPECT_EQ(QDir(board.workFolder.path()).entryList({"*.ttf"}, QDir::Files, QDir::Name),
              QStringList({"DejaVuSerif.ttf", "arial.ttf", "ariblk.ttf"}));
}

TEST(FontCollectionDuringOutput, ThePreviewCollectsNothing)
{
    CollectingBoard board;
    board.set(0, 0, MainItem, "DejaVu Serif", "Cola");
    RefreshPreview(*board.state, board.doc, board.area, false);
    EXPECT_TRUE(board.state->usedFontList.isEmpty());
    EXPECT_TRUE(QDir(board.workFolder.path()).entryList({"*.ttf"}, QDir::Files).isEmpty());
}

} // namespace
} // namespace zorvan
