#include "render/brightness.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(Brightness, PictureTypeByName)
{
    const struct {
        const char *name;
        int type;
    } cases[] = {
        {"/w/a.jpg", 2}, {"/w/a.png", 1}, {"/w/a.gif", 0}, {"/w/a.bmp", 2},
        {"/w/a.gif.png", 1}, {"/w/a.png.jpg", 2}, {".png", 2}, {".gif", 2}, {"a.PNG", 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PictureTypeFromName(QString::fromLatin1(c.name)), c.type) << c.name;
}

QImage Pixels(std::initializer_list<QRgb> argb)
{
    QImage image(static_cast<int>(argb.size()), 1, QImage::Format_ARGB32);
    int x = 0;
    for (QRgb v : argb)
        image.setPixel(x++, 0, v);
    return image;
}

TEST(Brightness, Extremes)
{
    const QImage source = Pixels({qRgb(100, 50, 200), qRgb(255, 255, 255), qRgba(10, 20, 30, 0),
                                  qRgba(100, 60, 20, 128)});
    struct Case {
        int value;
        QRgb expected[4];
    } cases[] = {
        {-255, {qRgb(0, 0, 0), qRgb(0, 0, 0), qRgba(10, 20, 30, 0), qRgb(0, 0, 0)}},
        {255, {qRgb(200, 100, 255), qRgb(255, 255, 255), qRgba(10, 20, 30, 0), qRgb(200, 120, 40)}},
        // 1 - 100 / 255: truncated toward zero.
        {-100, {qRgb(60, 30, 121), qRgb(155, 155, 155), qRgba(10, 20, 30, 0), qRgb(60, 36, 12)}},
        {0, {qRgb(100, 50, 200), qRgb(255, 255, 255), qRgba(10, 20, 30, 0), qRgba(100, 60, 20, 128)}},
    };
    for (const Case &c : cases) {
        for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
            QImage image = source.convertToFormat(format);
            AdjustBrightness(2, image, c.value);
            const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
            // Premultiplying loses a little colour on the semi-transparent pixel.
            const int pixels = format == QImage::Format_ARGB32 ? 4 : 3;
            for (int x = 0; x < pixels; ++x) {
                if (format != QImage::Format_ARGB32 && x == 2)
                    continue; // colour of a transparent pixel is not kept when premultiplied
                EXPECT_EQ(straight.pixel(x, 0), c.expected[x]) << "value " << c.value << " pixel " << x;
            }
        }
    }
}

TEST(Brightness, OpaqueImagesOfAnyFormat)
{
    QImage image(3, 2, QImage::Format_RGB888);
    image.fill(qRgb(40, 80, 120));
    AdjustBrightness(2, image, 255);
    EXPECT_EQ(image.pixel(2, 1), qRgb(80, 160, 240));
    QImage rgb32(3, 2, QImage::Format_RGB32);
    rgb32.fill(qRgb(40, 80, 120));
    AdjustBrightness(1, rgb32, 255);
    EXPECT_EQ(rgb32.format(), QImage::Format_RGB32);
    EXPECT_EQ(rgb32.pixel(0, 0), qRgb(80, 160, 240));
}

} // namespace
} // namespace zorvan
