#include "benchmark.h"
#include "benchservices.h"
#include "textheavyboard.h"

#include "editing/commandtable.h"
#include "editing/controlids.h"
#include "editing/leftclick.h"

#include <cstdio>
#include <cstdlib>

using namespace zorvan;

namespace {

// One press of a move arrow on a text of a strip in the middle of the
// text-heavy board, in Text mode: the block moves a step, the board is
// composed again and painted into the preview. Presses alternate right and
// left, so the text stays where it was.
bench::Measurement ArrowPressToRefresh()
{
    bench::TextHeavyBoard board(900, 1600);
    bench::BenchEditor window(board.dir.path());
    Editor &editor = window.editor();
    window.Open(board.doc);
    editor.panel().SetPanelAfterLoading();
    editor.RefreshPreview();
    const QRectF target = editor.render().textScreenRects.at(3, 20)[MainItem];
    HandleLeftClick(editor, target.center().toPoint(), false);
    if (!editor.modes().text) {
        std::fprintf(stderr, "arrow press bench: the click did not enter Text mode\n");
        std::abort();
    }
    int presses = 0;
    const double ms = bench::MedianMilliseconds(21, [&] {
        editor.RunCommand(CommandEvent{++presses % 2 ? ctl::MoveRight : ctl::MoveLeft});
    });
    return {ms, "ms", 30.0};
}

const bench::Registration arrowPress{"text-heavy-arrow-press-to-refresh", ArrowPressToRefresh};

} // namespace
