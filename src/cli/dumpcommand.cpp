#include "dumpcommand.h"

#include "clicommands.h"
#include "layoutfileload.h"
#include "rectsjson.h"

#include "document/documentjson.h"
#include "document/menudata.h"
#include "render/previewrefresh.h"
#include "render/renderstate.h"

#include <QIODevice>

#include <memory>

namespace zorvan::cli {

namespace {

// The window a headless run draws in: its available area, in screen space.
const BoardRect kVirtualWindowArea{0, 0, 1600, 900};

// The full-size refresh that precedes a save, in the virtual window, so that
// the recorded rectangles are those the editor would hold afterwards. False
// when there was no background to draw on.
bool DrawForRects(LoadedLayout &layout, RenderState &state)
{
    const MenuData &doc = layout.doc();
    state.workFolder = layout.workFolder();
    state.whitePrint = doc.WhitePrintBackground;
    return !RunOutputRefresh(state, doc, kVirtualWindowArea).board.isNull();
}

} // namespace

int RunDumpCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    QStringList files = args;
    const bool rects = files.removeAll(QStringLiteral("--rects")) > 0;
    if (files.size() != 1 || files[0].startsWith(u'-'))
        return Fail(err, QStringLiteral("dump"), QStringLiteral("expects exactly one FILE (and optionally --rects)"));
    LoadedLayout layout;
    QString error;
    if (!layout.load(files[0], &error))
        return Fail(err, files[0], error);
    if (!rects) {
        out.write(DocumentJson(layout.doc(), layout.backgroundFileName()) + '\n');
        return kExitOk;
    }
    auto state = std::make_unique<RenderState>();
    if (!DrawForRects(layout, *state))
        return Fail(err, layout.doc().BackgroundPath.isEmpty() ? files[0] : layout.doc().BackgroundPath,
                    QStringLiteral("the background image cannot be read"));
    out.write(DocumentJsonWithRects(layout.doc(), layout.backgroundFileName(), *state) + '\n');
    return kExitOk;
}

} // namespace zorvan::cli
