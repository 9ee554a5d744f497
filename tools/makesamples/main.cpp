// zorvan-makesamples [FOLDER]: paints the demo boards and writes, into FOLDER
// (default "samples"), each board's layout container and TV image exactly as
// the editor's Save writes them, plus the landscape board's white print image.

#include "sampleboards.h"
#include "samplepainting.h"

#include "assets/fontcatalogue.h"
#include "assets/workfolderfontcollector.h"
#include "document/container.h"
#include "document/layoutpaths.h"
#include "document/menudata.h"
#include "document/userprompts.h"
#include "render/boardexport.h"
#include "render/imaging.h"
#include "render/previewrefresh.h"
#include "render/renderstate.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace zorvan::samples {

namespace {

constexpr int kBackgroundQuality = 82;
constexpr int kPictureQuality = 85;
const QSize kPictureSize(480, 360);
// The virtual window the boards are laid out in, as a maximised editor on a full HD screen.
const BoardRect kArea{0, 0, 1600, 900};

bool WriteJpeg(const QImage &image, const QString &path, int quality, QString *error)
{
    QString reason;
    if (SaveImageFile(image, path, "image/jpeg", quality, &reason))
        return true;
    *error = path + QStringLiteral(": ") + reason;
    return false;
}

// Draws the board for output (collecting its fonts into the work folder) and
// writes its TV image; returns the path written.
QString ExportTvImage(const MenuData &doc, RenderState &state, const QString &layoutPath, QString *error)
{
    const PreviewRefresh refresh = RunOutputRefresh(state, doc, kArea);
    if (refresh.board.isNull()) {
        *error = doc.BackgroundPath + QStringLiteral(": the background cannot be drawn");
        return QString();
    }
    BoardExportOptions options;
    options.layoutPath = layoutPath;
    options.askRotation = [](TvRotation) { return TvRotation::None; };
    return ExportBoardImage(doc, state, options, error);
}

bool MakeSample(const SampleBoard &board, const QString &outFolder, bool withWhitePrint, QString *error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        *error = QStringLiteral("cannot make a temporary work folder: ") + work.errorString();
        return false;
    }
    const QString workFolder = work.path();
    if (!WriteJpeg(PaintBackground(board.backgroundSize, board.theme),
                   JoinPath(workFolder, QLatin1String(kBackgroundMember)), kBackgroundQuality, error))
        return false;
    for (const auto &[name, dish] : board.pictures)
        if (!WriteJpeg(PaintDish(dish, kPictureSize), JoinPath(workFolder, name), kPictureQuality, error))
            return false;

    auto doc = std::make_unique<MenuData>();
    BuildLayout(board, workFolder, *doc);

    const FontCatalogue catalogue;
    WorkFolderFontCollector collector(catalogue);
    auto state = std::make_unique<RenderState>();
    state->workFolder = workFolder;
    state->fontCollector = &collector;
    const QString layoutPath = JoinPath(outFolder, board.baseName + QStringLiteral("_LAYOUT.ZORVAN"));

    if (withWhitePrint) {
        state->whitePrint = true;
        const QString written = ExportTvImage(*doc, *state, layoutPath, error);
        if (written.isEmpty())
            return false;
        std::printf("%s\n", qPrintable(written));
        state->whitePrint = false;
    }
    const QString written = ExportTvImage(*doc, *state, layoutPath, error);
    if (written.isEmpty())
        return false;
    std::printf("%s\n", qPrintable(written));

    ContainerSources sources;
    sources.fromContainer = true;
    sources.workFolder = workFolder;
    sources.usedFontList = state->usedFontList;
    FixedAnswerPrompts prompts(Answer::Yes);
    const PackResult packed = PackContainer(layoutPath, *doc, sources, prompts);
    if (!packed.ok) {
        *error = layoutPath + QStringLiteral(": ") + packed.error;
        return false;
    }
    if (!packed.missingFiles.isEmpty()) {
        *error = layoutPath + QStringLiteral(": not packed: ") + packed.missingFiles.join(QStringLiteral(", "));
        return false;
    }
    std::printf("%s (%s)\n", qPrintable(layoutPath), qPrintable(packed.members.join(QStringLiteral(", "))));
    return true;
}

} // namespace

} // namespace zorvan::samples

int main(int argc, char **argv)
{
    using namespace zorvan::samples;
    // Painting text needs a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() > 1 || (args.size() == 1 && args[0].startsWith(QLatin1Char('-')))) {
        std::fprintf(stderr, "usage: zorvan-makesamples [FOLDER]\n");
        return args.value(0) == QLatin1String("--help") ? 0 : 2;
    }
    const QString outFolder = QDir(args.value(0, QStringLiteral("samples"))).absolutePath();
    if (!QDir().mkpath(outFolder)) {
        std::fprintf(stderr, "zorvan-makesamples: %s: cannot be created\n", qPrintable(outFolder));
        return 2;
    }
    QString error;
    if (!MakeSample(LandscapeBoard(), outFolder, true, &error) || !MakeSample(PortraitBoard(), outFolder, false, &error)) {
        std::fprintf(stderr, "zorvan-makesamples: %s\n", qPrintable(error));
        return 2;
    }
    return 0;
}
