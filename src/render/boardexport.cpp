#include "render/boardexport.h"

#include "document/menudata.h"
#include "render/boardcomposer.h"
#include "render/boardimagenames.h"
#include "render/imaging.h"
#include "render/pictureprefetch.h"
#include "render/renderstate.h"

namespace zorvan {

namespace {

QString Fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return QString();
}

} // namespace

QString ExportBoardImage(const MenuData &doc, RenderState &state, const BoardExportOptions &options, QString *error)
{
    LoadedImage background;
    {
        PicturePrefetch prefetch(doc, state);
        background = LoadImageFile(doc.BackgroundPath);
    }
    if (background.image.isNull())
        return Fail(error, QStringLiteral("cannot read the background image %1").arg(doc.BackgroundPath));
    QImage board = ToPaintableImage(std::move(background.image));
    // The TV image states the background's own resolution.
    constexpr double kInchesPerMetre = 0.0254;
    board.setDotsPerMeterX(qRound(background.resolution.x / kInchesPerMetre));
    board.setDotsPerMeterY(qRound(background.resolution.y / kInchesPerMetre));
    state.outputRender = true;
    const bool composed = ComposeBoardOnto(board, doc, state);
    state.outputRender = false;
    if (!composed)
        return Fail(error, QStringLiteral("cannot draw on the background image %1").arg(doc.BackgroundPath));

    if (!options.forPrint && board.width() < board.height()) {
        // Without a Trelmont folder (the command line) nothing is remembered.
        const TvRotation rotation = !options.trelmontFolder.isEmpty()
                                        ? AskRotation(options.trelmontFolder, options.askRotation)
                                        : options.askRotation ? options.askRotation(TvRotation::None)
                                                              : TvRotation::None;
        if (rotation != TvRotation::None) {
            const int dotsX = board.dotsPerMeterX();
            const int dotsY = board.dotsPerMeterY();
            board = RotateQuarterTurns(board, rotation == TvRotation::Clockwise ? 1 : -1);
            board.setDotsPerMeterX(dotsY);
            board.setDotsPerMeterY(dotsX);
        }
    }

    const QString path = !options.outputPath.isEmpty() ? options.outputPath
                         : options.forPrint           ? PrintImagePath(options.trelmontFolder)
                                                      : TvImagePath(options.layoutPath, state.whitePrint);
    // A layout whose name the rules do not change must never be written over.
    if (path == options.layoutPath)
        return Fail(error, QStringLiteral("the TV image name of %1 is the layout's own name").arg(path));
    const QByteArray mimeType = BoardImageMimeType(state.backgroundExtension);
    const int quality = mimeType == "image/jpeg" ? kTvImageJpegQuality : -1;
    QString reason;
    if (!SaveImageFile(board, path, mimeType, quality, &reason))
        return Fail(error, QStringLiteral("cannot write %1: %2").arg(path, reason));
    return path;
}

} // namespace zorvan
