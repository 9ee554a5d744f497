#include "benchmark.h"

#include "benchboards.h"

#include "document/menudata.h"
#include "render/boardexport.h"
#include "render/brightness.h"
#include "render/decodedimagecache.h"
#include "render/imaging.h"
#include "render/previewrefresh.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace zorvan;

namespace {

using bench::PhotoLikeImage;

void Save(const QImage &image, const QString &path, int quality)
{
    bench::SaveJpeg(image, path, quality);
}

// A 3840 x 2160 board of 4 x 8 strips, 8 of them with 2400 x 1800 pictures,
// with the proxies the editor makes on open (1600 pixels on the longer side).
struct BenchBoard {
    QTemporaryDir dir;
    MenuData doc;
    std::unique_ptr<RenderState> state = std::make_unique<RenderState>();
    BoardRect area{0, 0, 1600, 900};

    BenchBoard()
    {
        const QString work = dir.path();
        const QImage background = PhotoLikeImage(3840, 2160, qRgb(30, 40, 90), qRgb(120, 30, 20));
        doc.BackgroundPath = QDir(work).filePath(QStringLiteral("Background.jpg"));
        Save(background, doc.BackgroundPath, 90);
        Save(background.scaled(1600, 900, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
             QDir(work).filePath(QStringLiteral("Background_Proxy.jpg")), 80);
        doc.NumberOfColumns = 4;
        doc.NumberOfRows = 8;
        for (int i = 0; i < 8; ++i) {
            const QString picture = QDir(work).filePath(QStringLiteral("Item%1.jpg").arg(i));
            const QImage image = PhotoLikeImage(2400, 1800, qRgb(200, 150 + i * 10, 40), qRgb(90, 60, 30 + i * 20));
            Save(image, picture, 90);
            Save(image.scaled(1600, 1200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                 QDir(work).filePath(QStringLiteral("Item%1_Proxy.jpg").arg(i)), 80);
            StripData &s = doc.strip(i % 4, (i / 4) * 4);
            s.SubImageFileName = picture;
            s.SubImageFrameIndex = 1 + i % 9;
            s.SubImageCropPercentageX = s.SubImageCropPercentageY = 100;
            s.XSizeFactor = 0.4;
        }
        for (int c = 0; c < 4; ++c) {
            for (int r = 0; r < 8; ++r) {
                StripData &s = doc.strip(c, r);
                if (s.SubImageFileName.isEmpty()) {
                    s.BackGroundColor = MakeColour(20 * r, 40 * c, 120);
                    s.SubImageFrameIndex = r % 4;
                    s.XOffsetFactor = 0.02;
                    s.XSizeFactor = 0.96;
                }
            }
        }
        state->workFolder = work;
        state->backgroundProxyInUse = true;
        state->pictureProxiesInUse = true;
    }
};

// Decoding a background and encoding a JPEG of its size at the TV image's quality.
bench::Timing FloorTiming(const QString &backgroundPath, const QString &outPath)
{
    return bench::MedianTiming(5, [&] {
        const LoadedImage image = LoadImageFile(backgroundPath);
        Save(image.image, outPath, 84);
    });
}

double FloorMilliseconds(const QString &backgroundPath, const QString &outPath)
{
    return FloorTiming(backgroundPath, outPath).wallMs;
}

bench::Measurement TvExport()
{
    BenchBoard board;
    RunOutputRefresh(*board.state, board.doc, board.area);
    BoardExportOptions options;
    options.layoutPath = QDir(board.dir.path()).filePath(QStringLiteral("Bench_LAYOUT.ZORVAN"));
    options.trelmontFolder = board.dir.path();
    // Interleaved, so that the load of a shared machine falls on both alike;
    // each export decodes its pictures afresh, as the first save after an edit does.
    std::vector<double> exportMs, floorMs, exportCpu, floorCpu;
    for (int round = 0; round < 3; ++round) {
        const bench::Timing e = bench::MedianTiming(3, [&] {
            DecodedImageCache::instance().clear();
            if (ExportBoardImage(board.doc, *board.state, options).isEmpty())
                std::abort();
        });
        const bench::Timing f = FloorTiming(board.doc.BackgroundPath,
                                            QDir(board.dir.path()).filePath(QStringLiteral("floor.jpg")));
        exportMs.push_back(e.wallMs);
        exportCpu.push_back(e.cpuMs);
        floorMs.push_back(f.wallMs);
        floorCpu.push_back(f.cpuMs);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    return {median(exportMs), "ms", 0.0, median(floorMs), 1.3,
            bench::Format("cpu %.1f ms, %.2f x floor cpu %.1f ms; floor: decoding the background and encoding a "
                          "JPEG of its size at quality 84",
                          median(exportCpu), median(exportCpu) / median(floorCpu), median(floorCpu))};
}

bench::Measurement PreviewRefresh1600()
{
    BenchBoard board;
    const double coldMs = bench::MedianMilliseconds(5, [&] {
        DecodedImageCache::instance().clear();
        if (RefreshPreview(*board.state, board.doc, board.area, false).board.isNull())
            std::abort();
    });
    // While the user edits, the proxies stay as they are from one refresh to the next.
    const double refreshMs = bench::MedianMilliseconds(9, [&] {
        if (RefreshPreview(*board.state, board.doc, board.area, false).board.isNull())
            std::abort();
    });
    const double floorMs = FloorMilliseconds(QDir(board.dir.path()).filePath(QStringLiteral("Background_Proxy.jpg")),
                                             QDir(board.dir.path()).filePath(QStringLiteral("floor.jpg")));
    std::printf("render-preview-refresh-1600: refresh %.1f ms (%.1f ms with nothing decoded yet), floor at 1600 "
                "pixels %.1f ms, ratio %.2f (%.2f)\n",
                refreshMs, coldMs, floorMs, refreshMs / floorMs, coldMs / floorMs);
    return {refreshMs, "ms", 8.0};
}

// The full-size refresh of every save brightens full-size pictures.
bench::Measurement Brightness2400()
{
    const QImage picture = PhotoLikeImage(2400, 1800, qRgb(200, 150, 40), qRgb(90, 60, 30));
    const double ms = bench::MedianMilliseconds(9, [&] {
        QImage copy = picture;
        AdjustBrightness(2, copy, 60);
    });
    return {ms, "ms", 0.0};
}

const bench::Registration brightness{"render-brightness-2400x1800", Brightness2400};
const bench::Registration tvExport{"render-tv-export-3840", TvExport, "preview", 4};
const bench::Registration previewRefresh{"render-preview-refresh-1600", PreviewRefresh1600};

} // namespace
