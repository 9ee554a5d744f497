#include "rendercommand.h"

#include "clicommands.h"
#include "layoutfileload.h"
#include "progressbar.h"

#include "assets/fontcatalogue.h"
#include "assets/workfolderfontcollector.h"
#include "document/layoutpaths.h"
#include "document/menudata.h"
#include "render/boardexport.h"
#include "render/boardimagenames.h"
#include "render/imaging.h"
#include "render/previewrefresh.h"

#include <QFileInfo>
#include <QIODevice>
#include <QPainter>
#include <QRegularExpression>

#include <memory>
#include <optional>

namespace zorvan::cli {

namespace {

struct RenderArguments {
    QString layoutPath;
    QString outPath;
    QString previewPath;
    std::optional<bool> whitePrint;
    TvRotation rotation = TvRotation::None;
    // The available area of the virtual window, at (0, 0).
    QSize area{1600, 900};
};

// The largest virtual window accepted; a preview of it is about 1 GB.
constexpr int kMaxAreaSide = 16384;

bool ParseRotation(const QString &word, TvRotation *rotation)
{
    if (word == QLatin1String("none"))
        *rotation = TvRotation::None;
    else if (word == QLatin1String("cw"))
        *rotation = TvRotation::Clockwise;
    else if (word == QLatin1String("ccw"))
        *rotation = TvRotation::CounterClockwise;
    else
        return false;
    return true;
}

bool ParseArea(const QString &word, QSize *area)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch m = pattern.match(word);
    if (!m.hasMatch())
        return false;
    const QSize size(m.captured(1).toInt(), m.captured(2).toInt());
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxAreaSide || size.height() > kMaxAreaSide)
        return false;
    *area = size;
    return true;
}

// The words after "render"; returns why they are wrong, or nothing.
QString ParseArguments(const QStringList &args, RenderArguments *parsed)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &word = args[i];
        const bool hasValue = i + 1 < args.size();
        if (word == QLatin1String("-o") || word == QLatin1String("--preview")) {
            if (!hasValue)
                return QStringLiteral("%1 needs a file name").arg(word);
            (word == QLatin1String("-o") ? parsed->outPath : parsed->previewPath) = args[++i];
        } else if (word == QLatin1String("--white-print")) {
            parsed->whitePrint = true;
        } else if (word == QLatin1String("--no-white-print")) {
            parsed->whitePrint = false;
        } else if (word == QLatin1String("--rotate")) {
            if (!hasValue || !ParseRotation(args[++i], &parsed->rotation))
                return QStringLiteral("--rotate takes none, cw or ccw");
        } else if (word == QLatin1String("--area")) {
            if (!hasValue || !ParseArea(args[++i], &parsed->area))
                return QStringLiteral("--area takes WIDTHxHEIGHT in pixels, each 1 to %1").arg(kMaxAreaSide);
        } else if (word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            return QStringLiteral("unknown option '%1'").arg(word);
        } else if (parsed->layoutPath.isEmpty()) {
            parsed->layoutPath = word;
        } else {
            return QStringLiteral("expects one FILE, got '%1' as well").arg(word);
        }
    }
    if (parsed->layoutPath.isEmpty())
        return QStringLiteral("expects a FILE");
    if (!parsed->outPath.isEmpty() && !parsed->previewPath.isEmpty())
        return QStringLiteral("-o and --preview cannot be used together");
    return QString();
}

// The path the TV image name rules start from: the container itself, or the
// container a legacy layout text converts to, beside it.
QString NamingPath(const QString &layoutPath)
{
    const QFileInfo file(layoutPath);
    if (IsContainerPath(layoutPath))
        return file.absoluteFilePath();
    return JoinPath(file.absolutePath(), ContainerNameForLegacy(file.fileName()));
}

int WritePreview(const RenderArguments &a, const MenuData &doc, RenderState &state, ProgressBar &bar,
                 QIODevice &out, QIODevice &err)
{
    const BoardRect area{0, 0, a.area.width(), a.area.height()};
    const PreviewRefresh refresh = RefreshPreview(state, doc, area, false);
    if (refresh.board.isNull())
        return Fail(err, doc.BackgroundPath, QStringLiteral("the background image cannot be read"));
    QImage window(a.area, QImage::Format_RGB32);
    window.fill(kButtonFaceGrey);
    QPainter painter(&window);
    DrawBoardPreview(painter, refresh.board, state);
    painter.end();
    QString error;
    if (!SaveImageFile(window, a.previewPath, "image/png", -1, &error))
        return Fail(err, a.previewPath, error);
    bar.finish();
    out.write(a.previewPath.toUtf8() + '\n');
    return kExitOk;
}

int WriteTvImage(const RenderArguments &a, const QString &namingPath, const MenuData &doc, RenderState &state,
                 ProgressBar &bar, QIODevice &out, QIODevice &err)
{
    const BoardRect area{0, 0, a.area.width(), a.area.height()};
    bar.show(35, QStringLiteral("drawing the board"));
    // As Save does: the full-size refresh first, then the export, both
    // collecting the fonts they draw with into the layout's work folder.
    const FontCatalogue catalogue;
    WorkFolderFontCollector fonts(catalogue);
    state.fontCollector = &fonts;
    const PreviewRefresh refresh = RunOutputRefresh(state, doc, area);
    if (refresh.board.isNull())
        return Fail(err, doc.BackgroundPath, QStringLiteral("the background image cannot be read"));
    BoardExportOptions options;
    options.layoutPath = namingPath;
    options.outputPath = a.outPath;
    options.askRotation = [rotation = a.rotation](TvRotation) { return rotation; };
    bar.show(70, QStringLiteral("writing the TV image"));
    QString error;
    const QString written = ExportBoardImage(doc, state, options, &error);
    state.fontCollector = nullptr;
    bar.finish();
    if (written.isEmpty())
        return Fail(err, a.outPath.isEmpty() ? TvImagePath(namingPath, state.whitePrint) : a.outPath, error);
    out.write(written.toUtf8() + '\n');
    return kExitOk;
}

} // namespace

int RunRenderCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    RenderArguments a;
    const QString problem = ParseArguments(args, &a);
    if (!problem.isEmpty())
        return Fail(err, QStringLiteral("render"), problem);

    ProgressBar bar(out, QStringLiteral("render"));
    bar.show(0, QStringLiteral("reading the layout"));
    LoadedLayout layout;
    QString error;
    if (!layout.load(a.layoutPath, &error))
        return Fail(err, a.layoutPath, error);
    const MenuData &doc = layout.doc();
    if (doc.BackgroundPath.isEmpty())
        return Fail(err, a.layoutPath, QStringLiteral("the layout names no background image"));

    auto state = std::make_unique<RenderState>();
    state->workFolder = layout.workFolder();
    state->whitePrint = a.whitePrint.value_or(doc.WhitePrintBackground);
    if (!a.previewPath.isEmpty()) {
        bar.show(35, QStringLiteral("drawing the preview"));
        return WritePreview(a, doc, *state, bar, out, err);
    }
    return WriteTvImage(a, NamingPath(a.layoutPath), doc, *state, bar, out, err);
}

} // namespace zorvan::cli
