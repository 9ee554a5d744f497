#include "imagefiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <gtest/gtest.h>

#include <cstdlib>

namespace zorvan::test {

QImage Solid(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray JpegBytes(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(image)) << qPrintable(writer.errorString());
    return bytes;
}

QByteArray WithExifOrientation(const QByteArray &jpeg, int orientation)
{
    // Big-endian TIFF header, one IFD with one SHORT entry, no next IFD.
    const char tiff[] = {'M', 'M', 0, 0x2A, 0, 0, 0, 8,                                      // header
                         0, 1,                                                              // one entry
                         0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, static_cast<char>(orientation), 0, 0, // Orientation
                         0, 0, 0, 0};                                                       // no next IFD
    QByteArray payload = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray PaddedTo(const QByteArray &jpeg, qint64 totalSize)
{
    QByteArray padding;
    qint64 remaining = totalSize - jpeg.size();
    EXPECT_GE(remaining, 4);
    while (remaining > 0) {
        qint64 segment = std::min<qint64>(remaining, 65537);
        if (remaining - segment > 0 && remaining - segment < 4)
            segment -= 4;
        const int length = int(segment - 2);
        padding.append("\xFF\xFE", 2).append(char(length >> 8)).append(char(length & 0xFF));
        padding.append(QByteArray(int(segment - 4), 'x'));
        remaining -= segment;
    }
    return jpeg.left(2) + padding + jpeg.mid(2);
}

QByteArray GifBytes(int width, int height)
{
    QByteArray gif("GIF89a");
    const auto le16 = [&gif](int value) { gif.append(char(value & 0xFF)).append(char(value >> 8)); };
    le16(width);
    le16(height);
    gif.append(char(0x80)).append(char(0)).append(char(0)); // two-colour global table
    gif.append("\0\0\0\xFF\xFF\xFF", 6);
    gif.append(char(0x2C));
    le16(0);
    le16(0);
    le16(width);
    le16(height);
    gif.append(char(0));
    // Minimum code size 2, then a clear code and an end code.
    gif.append(char(2)).append(char(1)).append(char(0x2C)).append(char(0));
    gif.append(char(0x3B));
    return gif;
}

QString WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
    return path;
}

QString WriteJpeg(const QString &path, const QImage &image)
{
    return WriteBytes(path, JpegBytes(image));
}

QString WritePng(const QString &path, const QImage &image)
{
    EXPECT_TRUE(image.save(path, "png")) << qPrintable(path);
    return path;
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage ReadStored(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read();
}

bool Near(QRgb pixel, const QColor &colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

} // namespace zorvan::test
