#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zorvan {

// Dots per inch stated by an image file; 96 in both directions when it
// states none.
struct ImageResolution {
    double x = 96.0;
    double y = 96.0;
};

inline constexpr double kDefaultDpi = 96.0;

// The most memory one decoded image may take; larger images are refused by
// the decoder instead of exhausting memory.
inline constexpr int kImageDecodeLimitMegabytes = 512;

// A decoded image with the resolution its file states. An unreadable file
// gives a null image, whose width is 0.
struct LoadedImage {
    QImage image;
    ImageResolution resolution;

    int width() const { return image.width(); }
    int height() const { return image.height(); }
};

LoadedImage LoadImageFile(const QString &path);

// Only the resolution, without decoding the pixels.
ImageResolution ReadImageResolution(const QString &path);

// A 32-bit image with alpha, transparent.
QImage NewBitmap(int width, int height);

// Whether an encoder for this MIME type ("image/jpeg", "image/png", ...) is installed.
bool HasEncoder(const QByteArray &mimeType);

// Writes the image with the encoder of mimeType; quality applies when not
// negative. A missing encoder or a failed write returns false with a reason,
// and leaves an existing file at path as it was.
bool SaveImageFile(const QImage &image, const QString &path, const QByteArray &mimeType, int quality = -1,
                   QString *error = nullptr);

// Quarter turns clockwise (negative: counter-clockwise), optionally mirrored
// left to right afterwards.
QImage RotateQuarterTurns(const QImage &image, int quarterTurns, bool flipHorizontal = false);

// The EXIF orientation value (1..8) of an image file; 1 when it has none.
int ExifOrientation(const QString &path);

// A format QPainter can draw on, keeping alpha when the image has any.
QImage ToPaintableImage(QImage image);

} // namespace zorvan
