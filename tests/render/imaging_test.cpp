#include "render/imaging.h"

#include "renderfixture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <gtest/gtest.h>

#include <vector>

namespace zorvan {
namespace {

using test::SolidImage;

QByteArray JpegBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

// Qt writes a JFIF header first; its unit sits at byte 13 and the densities follow.
QByteArray WithJfifDensity(QByteArray jpeg, int unit, int x, int y)
{
    EXPECT_EQ(jpeg.mid(6, 5), QByteArrayLiteral("JFIF\0"));
    jpeg[13] = static_cast<char>(unit);
    jpeg[14] = static_cast<char>(x >> 8);
    jpeg[15] = static_cast<char>(x & 0xFF);
    jpeg[16] = static_cast<char>(y >> 8);
    jpeg[17] = static_cast<char>(y & 0xFF);
    return jpeg;
}

struct ExifEntry {
    unsigned tag;
    unsigned type;      // 3 short, 5 rational
    unsigned value;     // a short, or the numerator of a rational over 1
};

// An EXIF block (big-endian) with the given entries, placed right after the
// JFIF header.
QByteArray WithExif(const QByteArray &jpeg, const std::vector<ExifEntry> &entries)
{
    QByteArray tiff("MM\0\x2A\0\0\0\x08", 8);
    const auto u16 = [&tiff](unsigned v) { tiff.append(char(v >> 8)).append(char(v & 0xFF)); };
    const auto u32 = [&](unsigned v) { u16(v >> 16); u16(v & 0xFFFF); };
    u16(static_cast<unsigned>(entries.size()));
    unsigned dataOffset = 8 + 2 + static_cast<unsigned>(entries.size()) * 12 + 4;
    std::vector<unsigned> rationals;
    for (const ExifEntry &e : entries) {
        u16(e.tag);
        u16(e.type);
        u32(1);
        if (e.type == 5) {
            u32(dataOffset);
            dataOffset += 8;
            rationals.push_back(e.value);
        } else {
            u16(e.value);
            u16(0);
        }
    }
    u32(0);
    for (unsigned numerator : rationals) {
        u32(numerator);
        u32(1);
    }
    QByteArray segment = QByteArrayLiteral("Exif\0\0") + tiff;
    const int length = static_cast<int>(segment.size()) + 2;
    QByteArray app1("\xFF\xE1", 2);
    app1.append(char(length >> 8)).append(char(length & 0xFF)).append(segment);
    const int jfifEnd = 4 + ((static_cast<unsigned char>(jpeg[4]) << 8) | static_cast<unsigned char>(jpeg[5]));
    return jpeg.left(jfifEnd) + app1 + jpeg.mid(jfifEnd);
}

QByteArray WithExifDensity(const QByteArray &jpeg, unsigned xDpi, unsigned yDpi, unsigned unit)
{
    return WithExif(jpeg, {{0x011A, 5, xDpi}, {0x011B, 5, yDpi}, {0x0128, 3, unit}});
}

QString WriteBytes(const test::TempDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.file(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

TEST(Imaging, UnreadableFileHasWidthZero)
{
    test::TempDir dir;
    const QString junk = WriteBytes(dir, QStringLiteral("junk.jpg"), "not an image");
    for (const QString &path : {junk, dir.file(QStringLiteral("missing.png"))}) {
        const LoadedImage image = LoadImageFile(path);
        EXPECT_EQ(image.width(), 0) << qPrintable(path);
        EXPECT_TRUE(image.image.isNull());
    }
}

TEST(Imaging, ResolutionComesFromTheJpegHeader)
{
    test::TempDir dir;
    const QByteArray plain = JpegBytes(SolidImage(64, 48, Qt::red));
    struct Case {
        const char *name;
        QByteArray bytes;
        double x;
        double y;
    } cases[] = {
        {"JFIF dots per inch", WithJfifDensity(plain, 1, 300, 150), 300, 150},
        {"JFIF dots per centimetre", WithJfifDensity(plain, 2, 100, 100), 254, 254},
        {"JFIF aspect ratio only", WithJfifDensity(plain, 0, 1, 1), 96, 96},
        {"JFIF aspect ratio only, EXIF density", WithExifDensity(WithJfifDensity(plain, 0, 1, 1), 72, 72, 2), 72, 72},
        {"EXIF in centimetres", WithExifDensity(WithJfifDensity(plain, 0, 1, 1), 40, 40, 3), 101.6, 101.6},
        {"JFIF wins over EXIF", WithExifDensity(WithJfifDensity(plain, 1, 200, 200), 72, 72, 2), 200, 200},
    };
    for (const Case &c : cases) {
        const QString path = WriteBytes(dir, QStringLiteral("image.jpg"), c.bytes);
        const LoadedImage image = LoadImageFile(path);
        ASSERT_EQ(image.width(), 64) << c.name;
        EXPECT_NEAR(image.resolution.x, c.x, 1e-9) << c.name;
        EXPECT_NEAR(image.resolution.y, c.y, 1e-9) << c.name;
        EXPECT_NEAR(ReadImageResolution(path).y, c.y, 1e-9) << c.name;
    }
}

TEST(Imaging, PngDensityIsReadWithoutRoundingLoss)
{
    test::TempDir dir;
    QImage image = SolidImage(8, 8, Qt::blue);
    image.setDotsPerMeterX(2835); // 72 dpi as PNG stores it
    image.setDotsPerMeterY(5906); // 150 dpi
    const QString path = test::WriteImage(dir.file(QStringLiteral("dense.png")), image, "png");
    const ImageResolution r = LoadImageFile(path).resolution;
    EXPECT_EQ(static_cast<int>(r.x), 72);
    EXPECT_EQ(static_cast<int>(r.y), 150);
}

TEST(Imaging, SaveNeedsAnEncoderAndKeepsTheOldFileOnFailure)
{
    test::TempDir dir;
    const QString path = WriteBytes(dir, QStringLiteral("board.jpg"), "previous board");
    QString error;
    EXPECT_FALSE(SaveImageFile(SolidImage(16, 16, Qt::green), path, "image/x-unknown", -1, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(SaveImageFile(QImage(), path, "image/jpeg", 84, &error));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("previous board"));
}

TEST(Imaging, SavesEveryBoardFormatAndJpegQualityCounts)
{
    test::TempDir dir;
    QImage noisy(128, 128, QImage::Format_RGB32);
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xFF, (x * y) & 0xFF, (x ^ y) & 0xFF));
    for (const char *mime : {"image/jpeg", "image/png", "image/bmp", "image/tiff"}) {
        const QString path = dir.file(QStringLiteral("out.") + QString::fromLatin1(mime).mid(6));
        ASSERT_TRUE(HasEncoder(mime)) << mime;
        ASSERT_TRUE(SaveImageFile(noisy, path, mime)) << mime;
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray(mime).mid(6)) << mime;
        EXPECT_EQ(reader.size(), QSize(128, 128)) << mime;
    }
    const QString low = dir.file(QStringLiteral("low.jpg"));
    const QString high = dir.file(QStringLiteral("high.jpg"));
    ASSERT_TRUE(SaveImageFile(noisy, low, "image/jpeg", 20));
    ASSERT_TRUE(SaveImageFile(noisy, high, "image/jpeg", 84));
    EXPECT_LT(QFileInfo(low).size(), QFileInfo(high).size());
}

TEST(Imaging, QuarterTurnsMoveTheCorners)
{
    // 3 x 2 with a red top-left pixel.
    QImage image = SolidImage(3, 2, Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    const QImage cw = RotateQuarterTurns(image, 1);
    ASSERT_EQ(cw.size(), QSize(2, 3));
    EXPECT_EQ(test::RgbAt(cw, 1, 0), 0xFF0000u); // top-left went to the top-right
    const QImage ccw = RotateQuarterTurns(image, -1);
    EXPECT_EQ(test::RgbAt(ccw, 0, 2), 0xFF0000u); // and to the bottom-left
    const QImage half = RotateQuarterTurns(image, 2);
    EXPECT_EQ(test::RgbAt(half, 2, 1), 0xFF0000u);
    const QImage mirrored = RotateQuarterTurns(image, 0, true);
    EXPECT_EQ(test::RgbAt(mirrored, 2, 0), 0xFF0000u);
}

TEST(Imaging, ExifOrientationValue)
{
    test::TempDir dir;
    const QImage image = SolidImage(32, 16, Qt::gray);
    EXPECT_EQ(ExifOrientation(WriteBytes(dir, QStringLiteral("upright.jpg"), JpegBytes(image))), 1);
    for (unsigned orientation = 1; orientation <= 8; ++orientation) {
        const QString path = WriteBytes(dir, QStringLiteral("oriented.jpg"),
                                        WithExif(JpegBytes(image), {{0x0112, 3, orientation}}));
        EXPECT_EQ(ExifOrientation(path), static_cast<int>(orientation));
    }
    // Loading never turns the pixels by itself.
    EXPECT_EQ(LoadImageFile(dir.file(QStringLiteral("oriented.jpg"))).image.size(), QSize(32, 16));
    EXPECT_EQ(ExifOrientation(dir.file(QStringLiteral("missing.jpg"))), 1);
}

TEST(Imaging, PaintableImagesKeepColourAndAlpha)
{
    QImage grey(4, 4, QImage::Format_Grayscale8);
    grey.fill(qRgb(90, 90, 90));
    const QImage paintable = ToPaintableImage(grey);
    EXPECT_EQ(paintable.format(), QImage::Format_RGB32);
    EXPECT_EQ(test::RgbAt(paintable, 1, 1), 0x5A5A5Au);
    QImage indexed = SolidImage(4, 4, Qt::transparent, QImage::Format_ARGB32).convertToFormat(QImage::Format_Indexed8);
    EXPECT_TRUE(ToPaintableImage(indexed).hasAlphaChannel());
}

} // namespace
} // namespace zorvan
