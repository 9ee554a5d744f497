#include "benchmark.h"

#include "document/menudata.h"
#include "document/userprompts.h"
#include "editing/layoutfilesave.h"
#include "render/previewrefresh.h"
#include "render/renderstate.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace zorvan;

namespace {

// A 4K board of 4 x 10 strips, each with a photo-sized picture and three
// texts: the size of board a restaurant's TV shows.
struct SaveFixture {
    QTemporaryDir dir;
    QString work;
    MenuData doc;
    std::unique_ptr<RenderState> state = std::make_unique<RenderState>();

    SaveFixture()
    {
        work = dir.filePath(QStringLiteral("Trelmont/QRT1"));
        QDir().mkpath(work);
        auto picture = [](int w, int h, int seed) {
            QImage image(w, h, QImage::Format_RGB32);
            QPainter painter(&image);
            for (int y = 0; y < h; y += 8)
                for (int x = 0; x < w; x += 8)
                    painter.fillRect(x, y, 8, 8, QColor::fromHsv((x + y * 3 + seed * 37) % 360, 150 + (x * y) % 100, 200));
            return image;
        };
        doc.BackgroundPath = work + QStringLiteral("/Background.jpg");
        picture(3840, 2160, 0).save(doc.BackgroundPath, "JPEG", 84);
        doc.NumberOfColumns = 4;
        doc.NumberOfRows = 10;
        for (int i = 0; i < 40; ++i) {
            StripData &strip = doc.strip(i / 10, i % 10);
            strip.SubImageFileName = work + QStringLiteral("/Item%1.jpg").arg(i);
            picture(1200, 900, i + 1).save(strip.SubImageFileName, "JPEG", 80);
            strip.SubImageFrameIndex = 1;
            strip.block(MainItem).Text = QStringLiteral("Item %1").arg(i);
            strip.block(SubItems).Text = QStringLiteral("with fries\r\nand a drink");
            strip.block(Prices).Text = QStringLiteral("4.99\t6.49");
        }
        state->workFolder = work;
    }
};

} // namespace

static const bench::Registration saveRegistration{"save-4k-board-40-pictures", [] {
    SaveFixture f;
    QueuedPrompts prompts;
    LayoutFilesRequest request;
    request.containerPath = f.dir.filePath(QStringLiteral("Bench_LAYOUT.ZORVAN"));
    request.trelmontFolder = TrelmontFolderOf(f.work);
    request.workFolder = f.work;
    const double ms = bench::MedianMilliseconds(3, [&] {
        // What Save does after the Save As dialog: the full-size refresh, then both files.
        RunOutputRefresh(*f.state, f.doc, BoardRect{0, 0, 1600, 900});
        const LayoutFilesResult result = SaveLayoutFiles(f.doc, *f.state, request, prompts);
        if (!result.ok) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(result.error));
            std::abort();
        }
    });
    return bench::Measurement{ms, "ms", 0.0};
}};
