// The figures of a preview that keeps up, run together with
// `zorvan-bench --suite preview` (the TV export and the open-and-save figures
// are registered beside their kin in render_bench.cpp and container_bench.cpp).
#include "benchmark.h"

#include "benchboards.h"
#include "benchservices.h"
#include "peakmemory.h"

#include "render/decodedimagecache.h"
#include "render/imaging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace zorvan;

namespace {

constexpr int kRuns = 15;

void Refresh(bench::BenchEditor &window)
{
    if (!window.editor().RefreshPreview())
        std::abort();
}

// The least a refresh that draws anew must do: decode the picture the board
// is drawn on.
bench::Timing DecodeFloor(const QString &folder)
{
    const QString proxy = QDir(folder).filePath(QStringLiteral("Background_Proxy.jpg"));
    return bench::MedianTiming(kRuns, [&] {
        if (LoadImageFile(proxy).image.isNull())
            std::abort();
    });
}

bench::Measurement RefreshFigure(const QString &folder, const MenuData &doc, double goalMs)
{
    DecodedImageCache::instance().clear();
    bench::BenchEditor window(folder);
    window.Open(doc);
    const bench::Timing first = bench::MedianTiming(1, [&] { Refresh(window); });
    // While the user edits, the files stay as they are from one refresh to the next.
    const bench::Timing warm = bench::MedianTiming(kRuns, [&] { Refresh(window); });
    const bench::Timing floor = DecodeFloor(folder);
    return {warm.wallMs, "ms", goalMs, floor.wallMs, 0.0,
            bench::Format("cpu %.2f ms; first refresh after open %.1f ms; floor: decoding the background proxy, "
                          "cpu %.2f ms",
                          warm.cpuMs, first.wallMs, floor.cpuMs)};
}

bench::Measurement PictureBoardRefresh()
{
    QTemporaryDir dir;
    bench::WritePictureBoardFiles(dir.path());
    return RefreshFigure(dir.path(), bench::PictureBoardDocument(dir.path()), 8.0);
}

bench::Measurement TextBoardRefresh()
{
    QTemporaryDir dir;
    bench::WriteTextBoardFiles(dir.path());
    return RefreshFigure(dir.path(), bench::TextBoardDocument(dir.path()), 40.0);
}

// One letter typed into a main item of board 2, then the refresh that shows it.
bench::Measurement Keystroke()
{
    QTemporaryDir dir;
    bench::WriteTextBoardFiles(dir.path());
    DecodedImageCache::instance().clear();
    bench::BenchEditor window(dir.path());
    window.Open(bench::TextBoardDocument(dir.path()));
    Refresh(window);
    int typed = 0;
    const bench::Timing keystroke = bench::MedianTiming(kRuns, [&] {
        TextParams &block = window.editor().document().strip(3, 120).MainItemTextParams;
        block.Text += QChar(u'a' + typed++ % 26);
        window.editor().document().Modified = true;
        Refresh(window);
    });
    const bench::Timing floor = DecodeFloor(dir.path());
    return {keystroke.wallMs, "ms", 40.0, floor.wallMs, 0.0,
            bench::Format("cpu %.2f ms; floor: decoding the background proxy, cpu %.2f ms", keystroke.cpuMs,
                          floor.cpuMs)};
}

double PeakKiB(const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(600000) || child.exitCode() != 0) {
        std::fprintf(stderr, "zorvan-bench: the peak memory child failed\n");
        std::abort();
    }
    bool ok = false;
    const double kib = child.readAllStandardOutput().trimmed().toDouble(&ok);
    if (!ok)
        std::abort();
    return kib;
}

bench::Measurement PeakMemory()
{
    QTemporaryDir dir;
    bench::WriteTextBoardFiles(dir.path());
    const QString argument = QString::fromLatin1(bench::kPeakMemoryChildArgument);
    const double idle = PeakKiB({argument}) / 1024.0;
    const double open = PeakKiB({argument, dir.path()}) / 1024.0;
    return {open, "MiB", 0.0, idle, 0.0,
            "peak resident size (VmHWM) of an editor process with board 2 opened, refreshed and typed in; floor: the "
            "same process at start-up"};
}

const bench::Registration pictureBoard{"preview-refresh-2x16-1920", PictureBoardRefresh, "preview", 1};
const bench::Registration textBoard{"preview-refresh-8x200", TextBoardRefresh, "preview", 2};
const bench::Registration keystroke{"preview-keystroke-8x200", Keystroke, "preview", 3};
const bench::Registration peakMemory{"preview-peak-memory-8x200", PeakMemory, "preview", 6};

} // namespace

namespace zorvan::bench {

int RunPeakMemoryChild(int argc, char **argv)
{
    if (argc >= 1) {
        const QString folder = QString::fromLocal8Bit(argv[0]);
        BenchEditor window(folder);
        window.Open(TextBoardDocument(folder));
        Refresh(window);
        window.editor().document().strip(0, 0).MainItemTextParams.Text += u'x';
        Refresh(window);
    }
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            std::printf("%s\n", line.mid(6).trimmed().split(' ').value(0).constData());
            return 0;
        }
    }
    return 1;
}

} // namespace zorvan::bench
