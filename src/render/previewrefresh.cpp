#include "render/previewrefresh.h"

#include "document/menudata.h"
#include "render/boardcomposer.h"
#include "render/boardgeometry.h"
#include "render/boardrecomposer.h"
#include "render/decodedimagecache.h"
#include "render/imaging.h"
#include "render/pictureprefetch.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace zorvan {

namespace {

// Font sizes divide by the resolution: a file claiming less than one dot per
// inch counts as stating none.
int TruncatedResolution(const ImageResolution &resolution)
{
    const int dpi = static_cast<int>(resolution.y);
    return dpi >= 1 ? dpi : static_cast<int>(kDefaultDpi);
}

// Size and resolution of the background, from its header where the format
// allows, so that the geometry is known before the pixels are decoded.
struct BackgroundHeader {
    QSize size;
    ImageResolution resolution;
    std::optional<LoadedImage> decoded; // when the header alone was not enough
};

BackgroundHeader ReadBackgroundHeader(const QString &path)
{
    BackgroundHeader header;
    QImageReader reader(path);
    const QByteArray format = reader.format();
    if ((format == "jpeg" || format == "jpg") && reader.size().isValid()) {
        header.size = reader.size();
        header.resolution = ReadImageResolution(path);
        return header;
    }
    header.decoded = LoadImageFileCached(path);
    header.size = header.decoded->image.size();
    header.resolution = header.decoded->resolution;
    return header;
}

void ApplyGeometry(RenderState &state, const MenuData &doc, const BoardRect &availableArea, const QSize &imageSize,
                   const ImageResolution &resolution)
{
    state.imageResolution = TruncatedResolution(resolution);
    state.imageWidth = std::max(imageSize.width(), 0);
    state.imageHeight = std::max(imageSize.height(), 0);
    state.boardRect = FitBoardRect(availableArea, state.imageWidth, state.imageHeight);
    // An unreadable background has no width: the board stays empty rather
    // than forming a ratio from it.
    state.screenRatio = state.imageWidth > 0 ? static_cast<double>(state.boardRect.width()) / state.imageWidth : 0.0;
    ComputeCellGrid(state, doc);
}

} // namespace

QString PreviewBackgroundPath(const RenderState &state, const MenuData &doc)
{
    if (state.backgroundProxyInUse && !state.workFolder.isEmpty()) {
        const QString proxy = QDir(state.workFolder).filePath(QStringLiteral("Background_Proxy.jpg"));
        if (QFileInfo::exists(proxy))
            return proxy;
    }
    return doc.BackgroundPath;
}

QString ShowResolution(RenderState &state, const QString &imagePath)
{
    // The header holds all the read-out needs.
    const QSize size = QImageReader(imagePath).size();
    state.imageResolution = TruncatedResolution(ReadImageResolution(imagePath));
    if (!size.isValid() || size.width() == 0)
        return QString();
    const int resolution = state.imageResolution;
    return QString::asprintf("      Resolution: %d x %d at %d PPI (%0.1f in x %0.1f in)", size.width(),
                             size.height(), resolution, static_cast<double>(size.width()) / resolution,
                             static_cast<double>(size.height()) / resolution);
}

PreviewRefresh RefreshPreview(RenderState &state, const MenuData &doc, const BoardRect &availableArea,
                              bool geometryOnly, BoardRecomposer *recomposer)
{
    PreviewRefresh result;
    if (doc.BackgroundPath.isEmpty()) {
        result.noBackground = true;
        return result;
    }
    const qsizetype dot = doc.BackgroundPath.lastIndexOf(QLatin1Char('.'));
    state.backgroundExtension = dot < 0 ? QString() : doc.BackgroundPath.mid(dot + 1);
    if (state.resolutionReadoutPending) {
        result.resolutionText = ShowResolution(state, doc.BackgroundPath);
        state.resolutionReadoutPending = false;
    }

    const QString path = PreviewBackgroundPath(state, doc);
    BackgroundHeader header = ReadBackgroundHeader(path);
    ApplyGeometry(state, doc, availableArea, header.size, header.resolution);
    if (geometryOnly || !HasDrawableBoard(state))
        return result;

    // Taken before the file is decoded, so that a file changed meanwhile is
    // read again next time.
    const FileStamp stamp = recomposer ? StampOf(path) : FileStamp();
    if (recomposer && recomposer->holdsBackground(path, stamp, header.size)) {
        BoardRecomposer::Result composed = recomposer->compose(doc, state);
        result.board = std::move(composed.board);
        result.ok = composed.ok;
        return result;
    }

    LoadedImage background;
    if (header.decoded) {
        background = std::move(*header.decoded);
    } else {
        PicturePrefetch prefetch(doc, state);
        background = LoadImageFileCached(path);
    }
    // A header that promised more than the file holds.
    if (background.image.size() != header.size) {
        ApplyGeometry(state, doc, availableArea, background.image.size(), background.resolution);
        if (!HasDrawableBoard(state))
            return result;
    }

    // Backgrounds in grey or indexed colour are drawn on as 32-bit images, so
    // their strips are never silently left out.
    result.board = ToPaintableImage(std::move(background.image));
    if (recomposer) {
        recomposer->setBackground(path, stamp, result.board);
        BoardRecomposer::Result composed = recomposer->compose(doc, state);
        result.board = std::move(composed.board);
        result.ok = composed.ok;
        return result;
    }
    result.ok = ComposeBoardOnto(result.board, doc, state);
    return result;
}

void DrawBoardPreview(QPainter &painter, const QImage &board, RenderState &state)
{
    const BoardRect &b = state.boardRect;
    state.previewDestRect = QRectF(b.left, b.top, b.width(), b.height());
    if (board.isNull() || b.width() <= 0 || b.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(state.previewDestRect, board);
    painter.restore();
}

PreviewRefresh RunOutputRefresh(RenderState &state, const MenuData &doc, const BoardRect &availableArea)
{
    const bool backgroundProxy = state.backgroundProxyInUse;
    const bool pictureProxies = state.pictureProxiesInUse;
    state.backgroundProxyInUse = false;
    state.pictureProxiesInUse = false;
    state.outputRender = true;
    PreviewRefresh result = RefreshPreview(state, doc, availableArea, false);
    state.outputRender = false;
    state.backgroundProxyInUse = backgroundProxy;
    state.pictureProxiesInUse = pictureProxies;
    return result;
}

} // namespace zorvan
