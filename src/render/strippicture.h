#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QRectF>
#include <QString>

#include <optional>

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

// The visible part of a picture of pictureSize by the strip's crop numbers;
// nothing (the whole picture) when the numbers ask for no crop or for an
// area that is empty or reaches outside the picture.
std::optional<QRect> PictureCropArea(const QSize &pictureSize, const StripData &strip);
QImage CropPicture(const QImage &picture, const StripData &strip);

// The visible part of the picture file, decoded no larger than targetSize
// (device pixels); the picture's proportions are not kept, as it is
// stretched over its box anyway. Null when the file cannot be read.
QImage DecodeVisiblePicture(const QString &path, const StripData &strip, const QSize &targetSize);

// Decodes into the decoded-image cache what DecodeVisiblePicture will ask for,
// when the cache will keep it.
void PrefetchVisiblePicture(const QString &path, const StripData &strip, const QSize &targetSize);

// The pixel size a picture is decoded at for a box in device pixels.
QSize PictureTargetSize(const QRectF &deviceRect);

// Picture step of the content step: the picture stretched into the strip box,
// then its frame.
void DrawStripPicture(QPainter &painter, const RenderState &state, const StripData &strip, const QRectF &stripBox);

} // namespace zorvan
