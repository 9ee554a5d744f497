// The figures of a preview that keeps up, run together with
// `zorvan-bench --suite preview` (the TV export and the open-and-save figures
// are registered beside their kin in render_bench.cpp and container_bench.cpp).
#include "benchmark.h"

#include "benchboards.h"
#include "benchservices.h"
#include "peakmemory.h"

#include "editing/controlids.h"
#include "editing/leftclick.h"
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

// The edit a refresh follows while the user works: one strip's fill colour
// changed, as a palette click or an arrow press changes one strip.
void EditOneStrip(bench::BenchEditor &window, int column, int row, int run)
{
    StripData &s = window.editor().document().strip(column, row);
    s.BackGroundColor = MakeColour(40 + run % 2 * 100, 60, 90);
    window.editor().document().Modified = true;
}

// Refreshes after a one-strip edit, and full compositions forced by fitting
// the board to a window a pixel shorter or taller, as a resize does; both
// with the files decoded by an earlier refresh, as while editing.
bench::Measurement RefreshFigure(const QString &folder, const MenuData &doc, int column, int row, double goalMs,
                                 const char *fullName)
{
    DecodedImageCache::instance().clear();
    bench::BenchEditor window(folder);
    window.Open(doc);
    const bench::Timing first = bench::MedianTiming(1, [&] { Refresh(window); });
    int run = 0;
    const bench::Timing edit = bench::MedianTiming(kRuns, [&] {
        EditOneStrip(window, column, row, ++run);
        Refresh(window);
    });
    const bench::Timing full = bench::MedianTiming(kRuns, [&] {
        window.setAreaHeight(++run % 2 == 0 ? 900 : 899);
        Refresh(window);
    });
    const bench::Timing floor = DecodeFloor(folder);
    std::printf("%s: %.2f ms, %.2f x floor (floor %.2f ms); goal under %.0f ms: %s [cpu %.2f ms; the whole board "
                "composed again, as after a resize]\n",
                fullName, full.wallMs, full.wallMs / floor.wallMs, floor.wallMs, goalMs,
                full.wallMs < goalMs ? "met" : "missed", full.cpuMs);
    return {edit.wallMs, "ms", goalMs, floor.wallMs, 0.0,
            bench::Format("cpu %.2f ms; one strip's colour changed, then refreshed; first refresh after open %.1f ms; "
                          "floor: decoding the background proxy, cpu %.2f ms",
                          edit.cpuMs, first.wallMs, floor.cpuMs)};
}

bench::Measurement PictureBoardRefresh()
{
    QTemporaryDir dir;
    bench::WritePictureBoardFiles(dir.path());
    return RefreshFigure(dir.path(), bench::PictureBoardDocument(dir.path()), 1, 4, 8.0,
                         "preview-refresh-2x16-1920-full");
}

bench::Measurement TextBoardRefresh()
{
    QTemporaryDir dir;
    bench::WriteTextBoardFiles(dir.path());
    return RefreshFigure(dir.path(), bench::TextBoardDocument(dir.path()), 3, 120, 40.0,
                         "preview-refresh-8x200-full");
}

// One letter typed into the main item box of a strip of board 2 in Text
// mode, through the editor's own handler of the box, up to the board painted
// into the window; letters with a Backspace now and then.
bench::Measurement Keystroke()
{
    QTemporaryDir dir;
    bench::WriteTextBoardFiles(dir.path());
    DecodedImageCache::instance().clear();
    bench::BenchEditor window(dir.path());
    window.Open(bench::TextBoardDocument(dir.path()));
    window.editor().panel().SetPanelAfterLoading();
    Refresh(window);
    const QRectF target = window.editor().render().textScreenRects.at(3, 120)[MainItem];
    HandleLeftClick(window.editor(), target.center().toPoint(), false);
    if (!window.editor().modes().text) {
        std::fprintf(stderr, "zorvan-bench: the click did not enter Text mode\n");
        std::abort();
    }
    int typed = 0;
    const bench::Timing keystroke = bench::MedianTiming(kRuns, [&] {
        QString text = window.panel().text(ctl::MainItemBox);
        if (++typed % 4 == 0)
            text.chop(1);
        else
            text += QLatin1Char('a' + typed % 26);
        window.panel().setText(ctl::MainItemBox, text);
        window.editor().RunCommand(CommandEvent{ctl::MainItemBox});
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
