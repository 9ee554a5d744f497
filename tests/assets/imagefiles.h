#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

namespace zorvan::test {

QImage Solid(int width, int height, const QColor &colour);

// JPEG bytes of an image, straight from Qt's encoder (no EXIF segment).
QByteArray JpegBytes(const QImage &image, int quality = 95);

// The JPEG with an EXIF APP1 segment carrying only the Orientation tag.
QByteArray WithExifOrientation(const QByteArray &jpeg, int orientation);

// The JPEG padded with comment segments to exactly totalSize bytes, so a
// large file needs no large image.
QByteArray PaddedTo(const QByteArray &jpeg, qint64 totalSize);

// A GIF whose header states width x height; its image data is empty.
QByteArray GifBytes(int width, int height);

QString WriteBytes(const QString &path, const QByteArray &bytes);
QString WriteJpeg(const QString &path, const QImage &image);
QString WritePng(const QString &path, const QImage &image);
QByteArray ReadBytes(const QString &path);

// The image as stored, without applying any orientation.
QImage ReadStored(const QString &path);

// Whether a decoded pixel is close to the colour (JPEG blurs a little).
bool Near(QRgb pixel, const QColor &colour, int tolerance = 40);

} // namespace zorvan::test
