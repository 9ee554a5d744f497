#include "render/strippicture.h"

#include "document/stripdata.h"
#include "render/brightness.h"
#include "render/decodedimagecache.h"
#include "render/imaging.h"
#include "render/inkcapture.h"
#include "render/pictureframe.h"
#include "render/renderstate.h"

#include <QFileInfo>
#include <QImageReader>
#include <QtMath>
#include <QPainter>

namespace zorvan {

namespace {

bool IsCropValue(int percent)
{
    return percent >= 1 && percent <= 99;
}

} // namespace

QString PictureProxyName(const QString &picturePath)
{
    QString proxy = picturePath;
    if (picturePath.contains(QLatin1String(".jpg")))
        return proxy.replace(QLatin1String(".jpg"), QLatin1String("_Proxy.jpg"));
    // The proxy maker names the proxy of an upper-case ".JPG" picture "_Proxy.jpg".
    if (picturePath.contains(QLatin1String(".JPG")))
        return proxy.replace(QLatin1String(".JPG"), QLatin1String("_Proxy.jpg"));
    if (picturePath.contains(QLatin1String(".png")))
        return proxy.replace(QLatin1String(".png"), QLatin1String("_Proxy.png"));
    if (picturePath.contains(QLatin1String(".gif")))
        return proxy.replace(QLatin1String(".gif"), QLatin1String("_Proxy.gif"));
    return QString();
}

QString PictureDrawPath(const QString &picturePath, bool proxiesInUse, bool *fromProxy)
{
    if (fromProxy)
        *fromProxy = false;
    if (!proxiesInUse)
        return picturePath;
    const QString proxy = PictureProxyName(picturePath);
    if (proxy.isEmpty() || !QFileInfo::exists(proxy))
        return picturePath;
    if (fromProxy)
        *fromProxy = true;
    return proxy;
}

std::optional<QRect> PictureCropArea(const QSize &pictureSize, const StripData &strip)
{
    if (!IsCropValue(strip.SubImageCropPercentageX) && !IsCropValue(strip.SubImageCropPercentageY))
        return std::nullopt;
    const float w = static_cast<float>(pictureSize.width());
    const float h = static_cast<float>(pictureSize.height());
    const float x = static_cast<float>(strip.SubImageCropOriginPercentageX) / 100.0f * w;
    const float y = static_cast<float>(strip.SubImageCropOriginPercentageY) / 100.0f * h;
    const float cw = static_cast<float>(strip.SubImageCropPercentageX) / 100.0f * w;
    const float ch = static_cast<float>(strip.SubImageCropPercentageY) / 100.0f * h;
    // An area that is empty or reaches outside the picture cannot be cut out;
    // the picture is then drawn whole rather than padded.
    constexpr float slack = 0.001f;
    if (x < 0 || y < 0 || cw < 1.0f || ch < 1.0f || x + cw > w + slack || y + ch > h + slack)
        return std::nullopt;
    const QRect area = QRect(qRound(x), qRound(y), qRound(cw), qRound(ch)).intersected(QRect(QPoint(), pictureSize));
    if (area.isEmpty())
        return std::nullopt;
    return area;
}

QImage CropPicture(const QImage &picture, const StripData &strip)
{
    const std::optional<QRect> area = PictureCropArea(picture.size(), strip);
    return area ? picture.copy(*area) : picture;
}

namespace {

QImage DecodeVisible(const QString &path, const StripData &strip, const QSize &targetSize, bool onlyIfKept)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid()) {
        QImage whole = LoadImageFile(path).image;
        return whole.isNull() ? whole : CropPicture(whole, strip);
    }
    const std::optional<QRect> area = PictureCropArea(size, strip);
    const QSize visible = area ? area->size() : size;
    if (area)
        reader.setClipRect(*area);
    // Pictures are mostly drawn much smaller than they are stored: decoding
    // them at the size they are drawn at is far cheaper, and JPEG pictures
    // decode at a fraction of their size directly.
    const QSize decoded = visible.boundedTo(targetSize.expandedTo(QSize(1, 1)));
    if (decoded != visible)
        reader.setScaledSize(decoded);
    if (onlyIfKept && (decoded.width() > DecodedImageCache::kMaxCachedSide
                       || decoded.height() > DecodedImageCache::kMaxCachedSide))
        return QImage();
    DecodedImageCache &cache = DecodedImageCache::instance();
    const QRect clip = area.value_or(QRect());
    if (std::optional<LoadedImage> cached = cache.find(path, clip, decoded))
        return cached->image;
    const FileStamp stamp = StampOf(path);
    QImage picture;
    if (!reader.read(&picture))
        return QImage();
    cache.insert(path, clip, decoded, stamp, LoadedImage{picture, {}});
    return picture;
}

} // namespace

QImage DecodeVisiblePicture(const QString &path, const StripData &strip, const QSize &targetSize)
{
    return DecodeVisible(path, strip, targetSize, false);
}

void PrefetchVisiblePicture(const QString &path, const StripData &strip, const QSize &targetSize)
{
    DecodeVisible(path, strip, targetSize, true);
}

QSize PictureTargetSize(const QRectF &deviceRect)
{
    return QSize(qCeil(deviceRect.width()), qCeil(deviceRect.height()));
}

void DrawStripPicture(QPainter &painter, const RenderState &state, const StripData &strip, const QRectF &stripBox)
{
    if (strip.SubImageFileName.isEmpty())
        return;
    const bool hidden = state.whitePrint && strip.ImageHiddenOnWhite;
    if (!hidden && !stripBox.isEmpty() && InkOnly()) {
        // Whether the picture can be read does not matter: it would stay inside its box.
        ReportInk(painter, stripBox, 2.0);
    } else if (!hidden && !stripBox.isEmpty()) {
        bool fromProxy = false;
        const QString path = PictureDrawPath(strip.SubImageFileName, state.pictureProxiesInUse, &fromProxy);
        const QSize targetSize = PictureTargetSize(painter.deviceTransform().mapRect(stripBox));
        QImage picture = DecodeVisiblePicture(path, strip, targetSize);
        if (!picture.isNull()) {
            // A proxy carries its strip's brightness already; the picture
            // itself never does, also when a missing proxy made us fall back to it.
            if (!fromProxy && strip.SubImageBrightnessFactor != 0)
                AdjustBrightness(PictureTypeFromName(strip.SubImageFileName), picture,
                                 strip.SubImageBrightnessFactor);
            ReportInk(painter, stripBox, 2.0);
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(stripBox, picture);
            painter.restore();
        }
    }
    DrawPictureFrame(painter, state, strip, stripBox);
}

} // namespace zorvan
