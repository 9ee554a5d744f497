#include "render/strippicture.h"

#include "document/stripdata.h"
#include "render/brightness.h"
#include "render/imaging.h"
#include "render/pictureframe.h"
#include "render/renderstate.h"

#include <QFileInfo>
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

QImage CropPicture(const QImage &picture, const StripData &strip)
{
    if (!IsCropValue(strip.SubImageCropPercentageX) && !IsCropValue(strip.SubImageCropPercentageY))
        return picture;
    const float w = static_cast<float>(picture.width());
    const float h = static_cast<float>(picture.height());
    const float x = static_cast<float>(strip.SubImageCropOriginPercentageX) / 100.0f * w;
    const float y = static_cast<float>(strip.SubImageCropOriginPercentageY) / 100.0f * h;
    const float cw = static_cast<float>(strip.SubImageCropPercentageX) / 100.0f * w;
    const float ch = static_cast<float>(strip.SubImageCropPercentageY) / 100.0f * h;
    // An area that is empty or reaches outside the picture cannot be cut out;
    // the picture is then drawn whole rather than padded.
    constexpr float slack = 0.001f;
    if (x < 0 || y < 0 || cw < 1.0f || ch < 1.0f || x + cw > w + slack || y + ch > h + slack)
        return picture;
    const QRect area = QRect(qRound(x), qRound(y), qRound(cw), qRound(ch)).intersected(picture.rect());
    if (area.isEmpty())
        return picture;
    return picture.copy(area);
}

void DrawStripPicture(QPainter &painter, const RenderState &state, const StripData &strip, const QRectF &stripBox)
{
    if (strip.SubImageFileName.isEmpty())
        return;
    const bool hidden = state.whitePrint && strip.ImageHiddenOnWhite;
    if (!hidden) {
        bool fromProxy = false;
        const QString path = PictureDrawPath(strip.SubImageFileName, state.pictureProxiesInUse, &fromProxy);
        QImage picture = LoadImageFile(path).image;
        if (!picture.isNull()) {
            picture = CropPicture(picture, strip);
            // A proxy carries its strip's brightness already; the picture
            // itself never does, also when a missing proxy made us fall back to it.
            if (!fromProxy && strip.SubImageBrightnessFactor != 0)
                AdjustBrightness(PictureTypeFromName(strip.SubImageFileName), picture,
                                 strip.SubImageBrightnessFactor);
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(stripBox, picture);
            painter.restore();
        }
    }
    DrawPictureFrame(painter, state, strip, stripBox);
}

} // namespace zorvan
