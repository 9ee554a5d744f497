#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace zorvan {

class RenderState;
struct StripData;

// The file a strip picture is drawn from: its proxy when proxies are in use
// and the proxy exists, otherwise the picture itself. fromProxy tells which.
QString PictureDrawPath(const QString &picturePath, bool proxiesInUse, bool *fromProxy = nullptr);

// The proxy name of a picture, as the proxy maker forms it; empty for a name
// without a known extension.
QString PictureProxyName(const QString &picturePath);

// The visible part of the picture by the strip's crop numbers; the whole
// picture when the numbers ask for no crop or for an area outside it.
QImage CropPicture(const QImage &picture, const StripData &strip);

// Picture step of the content step: the picture stretched into the strip box,
// then its frame.
void DrawStripPicture(QPainter &painter, const RenderState &state, const StripData &strip, const QRectF &stripBox);

} // namespace zorvan
