#include "benchmark.h"
#include "textheavyboard.h"

#include "document/menudata.h"
#include "render/imaging.h"
#include "render/previewrefresh.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace zorvan;
using zorvan::bench::TextHeavyBoard;

namespace {

bench::Measurement TextHeavyPreview()
{
    // A portrait board at the preview proxies' 1600 pixels on the longer side.
    TextHeavyBoard board(900, 1600);
    const double ms = bench::MedianMilliseconds(7, [&] {
        if (RefreshPreview(*board.state, board.doc, board.area, false).board.isNull())
            std::abort();
    });
    return {ms, "ms", 150.0};
}

bench::Measurement TextHeavyOutput()
{
    // The full-size refresh before a save, on a 4K portrait background.
    TextHeavyBoard board(2160, 3840);
    const double ms = bench::MedianMilliseconds(5, [&] {
        if (RunOutputRefresh(*board.state, board.doc, board.area).board.isNull())
            std::abort();
    });
    return {ms, "ms", 0.0};
}

const bench::Registration textHeavyPreview{"text-heavy-refresh-1600", TextHeavyPreview};
const bench::Registration textHeavyOutput{"text-heavy-output-refresh-3840", TextHeavyOutput};

} // namespace
