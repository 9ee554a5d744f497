#include "render/imaging.h"

#include "render/jpegdensity.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QTransform>

#include <cmath>

namespace zorvan {

namespace {

// Header segments of a JPEG lie before its image data; EXIF blocks are at most 64 KiB.
constexpr qint64 kJpegHeaderBytes = 256 * 1024;
constexpr double kInchesPerMetre = 0.0254;

// Qt refuses to decode more than 128 MB by default, which turns away ordinary
// 48-megapixel camera pictures; the limit here still stops decompression bombs.
[[maybe_unused]] const bool kDecodeLimitSet = [] {
    QImageReader::setAllocationLimit(kImageDecodeLimitMegabytes);
    return true;
}();

bool IsJpegFormat(const QByteArray &format)
{
    return format == "jpeg" || format == "jpg";
}

std::optional<ImageResolution> JpegFileDensity(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ReadJpegDensity(file.read(kJpegHeaderBytes));
}

// Qt gives every decoded image a density; a file that states none gets the
// same default as an image made in memory, which therefore means "none".
ImageResolution ResolutionFromImage(const QImage &image)
{
    static const int defaultX = QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX();
    static const int defaultY = QImage(1, 1, QImage::Format_RGB32).dotsPerMeterY();
    const auto dpi = [](int dotsPerMetre) {
        // Metric storage loses a little (72 dpi is kept as 2835 dots per metre).
        return std::round(dotsPerMetre * kInchesPerMetre * 100.0) / 100.0;
    };
    ImageResolution r;
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterX() != defaultX)
        r.x = dpi(image.dotsPerMeterX());
    if (image.dotsPerMeterY() > 0 && image.dotsPerMeterY() != defaultY)
        r.y = dpi(image.dotsPerMeterY());
    return r;
}

QByteArray FormatForMimeType(const QByteArray &mimeType)
{
    static const struct {
        const char *mime;
        const char *format;
    } table[] = {{"image/jpeg", "jpeg"}, {"image/png", "png"}, {"image/gif", "gif"},
                 {"image/tiff", "tiff"}, {"image/bmp", "bmp"}};
    for (const auto &entry : table)
        if (mimeType == entry.mime)
            return entry.format;
    return {};
}

} // namespace

LoadedImage LoadImageFile(const QString &path)
{
    LoadedImage loaded;
    QImageReader reader(path);
    // Orientation is applied on purpose by the image import, never silently here.
    reader.setAutoTransform(false);
    const QByteArray format = reader.format();
    if (!reader.read(&loaded.image)) {
        loaded.image = QImage();
        return loaded;
    }
    if (IsJpegFormat(format))
        loaded.resolution = JpegFileDensity(path).value_or(ImageResolution{});
    else
        loaded.resolution = ResolutionFromImage(loaded.image);
    return loaded;
}

ImageResolution ReadImageResolution(const QString &path)
{
    QImageReader reader(path);
    if (IsJpegFormat(reader.format()))
        return JpegFileDensity(path).value_or(ImageResolution{});
    return LoadImageFile(path).resolution;
}

QImage NewBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

bool HasEncoder(const QByteArray &mimeType)
{
    return !FormatForMimeType(mimeType).isEmpty() && QImageWriter::supportedMimeTypes().contains(mimeType);
}

bool SaveImageFile(const QImage &image, const QString &path, const QByteArray &mimeType, int quality, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!HasEncoder(mimeType))
        return fail(QStringLiteral("no encoder for %1").arg(QString::fromLatin1(mimeType)));
    if (image.isNull())
        return fail(QStringLiteral("the image is empty"));
    // Written beside the target and renamed at the end, so a failed write
    // never leaves a half-written file in place of a good one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    QImageWriter writer(&file, FormatForMimeType(mimeType));
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        file.cancelWriting();
        return fail(writer.errorString());
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

QImage RotateQuarterTurns(const QImage &image, int quarterTurns, bool flipHorizontal)
{
    const int turns = ((quarterTurns % 4) + 4) % 4;
    QImage rotated = turns == 0 ? image : image.transformed(QTransform().rotate(90.0 * turns));
    if (flipHorizontal)
        rotated = rotated.mirrored(true, false);
    return rotated;
}

int ExifOrientation(const QString &path)
{
    QImageReader reader(path);
    switch (reader.transformation()) {
    case QImageIOHandler::TransformationMirror: return 2;
    case QImageIOHandler::TransformationRotate180: return 3;
    case QImageIOHandler::TransformationFlip: return 4;
    case QImageIOHandler::TransformationFlipAndRotate90: return 5;
    case QImageIOHandler::TransformationRotate90: return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90: return 7;
    case QImageIOHandler::TransformationRotate270: return 8;
    default: return 1;
    }
}

QImage ToPaintableImage(QImage image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image;
    default:
        return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
    }
}

} // namespace zorvan
