#include "render/strippicture.h"

#include "renderfixture.h"

#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::BoardFixture;
using test::RgbAt;

// Left half red, right half blue.
QString TwoColourPicture(BoardFixture &f, const QSize &size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(size.width() / 2, 0, size.width() / 2, size.height(), Qt::blue);
    return test::WriteImage(f.file(QStringLiteral("halves.") + QLatin1String(format)), image, format, 95);
}

bool Near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) < 12 && std::abs(qGreen(a) - qGreen(b)) < 12 && std::abs(qBlue(a) - qBlue(b)) < 12;
}

struct CropCase {
    const char *name;
    int cropX, cropY, originX, originY;
    QRgb left, right; // drawn colours near the box's left and right edges
};

TEST(StripPicture, CropShowsThePartAndAFailedCropShowsTheWhole)
{
    const CropCase cases[] = {
        {"no crop numbers", 0, 0, 0, 0, 0xFF0000, 0x0000FF},
        {"whole picture", 100, 100, 0, 0, 0xFF0000, 0x0000FF},
        {"left half stretched", 50, 100, 0, 0, 0xFF0000, 0xFF0000},
        {"right half stretched", 50, 100, 50, 0, 0x0000FF, 0x0000FF},
        {"top half: both colours", 100, 50, 0, 0, 0xFF0000, 0x0000FF},
        {"area reaching outside: uncropped", 50, 100, 60, 0, 0xFF0000, 0x0000FF},
        {"empty height: uncropped", 50, 0, 0, 0, 0xFF0000, 0x0000FF},
        {"above 100 on both axes: no crop", 150, 120, 0, 0, 0xFF0000, 0x0000FF},
    };
    // Pictures smaller and larger than their box, lossless and JPEG.
    const struct {
        QSize size;
        const char *format;
    } pictures[] = {{{40, 20}, "png"}, {{800, 400}, "png"}, {{800, 400}, "jpg"}, {{1600, 1200}, "jpg"}};
    for (const auto &picture : pictures)
    for (const CropCase &c : cases) {
        BoardFixture f;
        StripData &s = f.doc.strip(0, 0);
        s.SubImageFileName = TwoColourPicture(f, picture.size, picture.format);
        s.SubImageCropPercentageX = c.cropX;
        s.SubImageCropPercentageY = c.cropY;
        s.SubImageCropOriginPercentageX = c.originX;
        s.SubImageCropOriginPercentageY = c.originY;
        const QImage board = f.refresh().board;
        EXPECT_PRED2(Near, RgbAt(board, 5, 25), c.left) << c.name << " " << picture.format;
        EXPECT_PRED2(Near, RgbAt(board, 95, 25), c.right) << c.name << " " << picture.format;
    }
}

TEST(StripPicture, ProxyNames)
{
    const struct {
        const char *picture;
        const char *proxy;
    } cases[] = {
        {"/w/Burger.jpg", "/w/Burger_Proxy.jpg"},
        {"/w/Burger.JPG", "/w/Burger_Proxy.jpg"},
        {"/w/Fries.png", "/w/Fries_Proxy.png"},
        {"/w/Shake.gif", "/w/Shake_Proxy.gif"},
        {"/w/Menu.bmp", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PictureProxyName(QString::fromLatin1(c.picture)), QString::fromLatin1(c.proxy)) << c.picture;
}

TEST(StripPicture, DrawsFromTheProxyOnlyWhenProxiesAreInUseAndItExists)
{
    BoardFixture f;
    const QString picture = f.picture(QStringLiteral("Burger.png"), Qt::white);
    bool fromProxy = true;
    EXPECT_EQ(PictureDrawPath(picture, true, &fromProxy), picture);
    EXPECT_FALSE(fromProxy);
    const QString proxy = f.picture(QStringLiteral("Burger_Proxy.png"), Qt::green);
    EXPECT_EQ(PictureDrawPath(picture, true, &fromProxy), proxy);
    EXPECT_TRUE(fromProxy);
    EXPECT_EQ(PictureDrawPath(picture, false, &fromProxy), picture);
    EXPECT_FALSE(fromProxy);
}

TEST(StripPicture, BrightnessIsAppliedToThePictureButNeverAgainToItsProxy)
{
    BoardFixture f;
    StripData &s = f.doc.strip(0, 0);
    s.SubImageFileName = f.picture(QStringLiteral("Burger.png"), QColor(100, 100, 100));
    s.SubImageBrightnessFactor = 255;
    EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0xC8C8C8u);

    // A missing proxy falls back to the picture, which still needs its brightness.
    f.state->pictureProxiesInUse = true;
    EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0xC8C8C8u);

    // The proxy carries the brightness already.
    f.picture(QStringLiteral("Burger_Proxy.png"), QColor(30, 60, 90));
    EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0x1E3C5Au);
    // The picture file itself is never changed.
    EXPECT_EQ(RgbAt(QImage(s.SubImageFileName), 1, 1), 0x646464u);
}

TEST(StripPicture, UnreadablePictureStillGetsItsFrame)
{
    BoardFixture f(1000, 500);
    StripData &s = f.doc.strip(0, 0);
    s.SubImageFileName = f.file(QStringLiteral("Missing.png"));
    s.SubImageFrameIndex = 3;
    s.BackGroundColor = MakeColour(255, 0, 0);
    const QImage board = f.refresh().board;
    EXPECT_EQ(RgbAt(board, 250, 125), 0x646464u); // no picture, no fill
    EXPECT_EQ(RgbAt(board, 500, 125), 0x000000u); // the frame
}

} // namespace
} // namespace zorvan
