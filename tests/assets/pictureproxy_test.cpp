#include "assetfixture.h"
#include "imagefiles.h"

#include "assets/backgroundload.h"
#include "assets/backgroundproxy.h"
#include "assets/pictureadjustments.h"
#include "assets/pictureimport.h"
#include "assets/pictureproxy.h"
#include "document/menudata.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <gtest/gtest.h>

namespace zorvan::test {
namespace {

QSize SizeOf(const QString &path)
{
    return QImageReader(path).size();
}

TEST(PictureProxy, PlainCopyUpTo1600AndScaledCopyFrom1601)
{
    const struct {
        const char *name;
        int width, height;
        const char *proxy;
        QSize proxySize;
        bool copied;
    } cases[] = {
        {"a.jpg", 1600, 1200, "a_Proxy.jpg", {1600, 1200}, true},
        {"b.jpg", 1601, 1200, "b_Proxy.jpg", {1600, 1199}, false},
        {"c.jpg", 1200, 1601, "c_Proxy.jpg", {1199, 1600}, false},
        {"d.png", 1601, 1200, "d_Proxy.png", {1600, 1199}, false},
        {"e.png", 1600, 1600, "e_Proxy.png", {1600, 1600}, true},
    };
    for (const auto &c : cases) {
        AssetFixture f;
        const QString name = QString::fromLatin1(c.name);
        const QImage image = Solid(c.width, c.height, QColor(30, 60, 90));
        const QString path = name.endsWith(QLatin1String(".png")) ? WritePng(f.workFile(name), image)
                                                                   : WriteJpeg(f.workFile(name), image);
        EXPECT_TRUE(MakePictureProxy(path, f.prompts)) << c.name;
        const QString proxy = f.workFile(QString::fromLatin1(c.proxy));
        EXPECT_EQ(SizeOf(proxy), c.proxySize) << c.name;
        EXPECT_EQ(ReadBytes(proxy) == ReadBytes(path), c.copied) << c.name;
        EXPECT_EQ(QImageReader(proxy).format(), name.endsWith(QLatin1String(".png")) ? "png" : "jpeg") << c.name;
        EXPECT_TRUE(f.prompts.shown().isEmpty());
    }
}

TEST(PictureProxy, LargeGifIsNeverScaled)
{
    AssetFixture f;
    const QString gif = WriteBytes(f.workFile(QStringLiteral("g.gif")), GifBytes(2000, 2000));
    EXPECT_TRUE(MakePictureProxy(gif, f.prompts));
    EXPECT_EQ(ReadBytes(f.workFile(QStringLiteral("g_Proxy.gif"))), ReadBytes(gif));
}

TEST(PictureProxy, UpperCaseJpgIsProxiedBesideItNotOverIt)
{
    AssetFixture f;
    const QString picture = WriteJpeg(f.workFile(QStringLiteral("IMG.JPG")), Solid(2000, 1000, Qt::red));
    const QByteArray before = ReadBytes(picture);
    EXPECT_TRUE(MakePictureProxy(picture, f.prompts));
    EXPECT_EQ(ReadBytes(picture), before);
    EXPECT_EQ(SizeOf(f.workFile(QStringLiteral("IMG_Proxy.jpg"))), QSize(1600, 800));
}

TEST(PictureProxy, FailedSaveShowsItsMessage)
{
    AssetFixture f;
    const QString picture = WriteJpeg(f.workFile(QStringLiteral("p.jpg")), Solid(1700, 100, Qt::red));
    // A folder in the proxy's place cannot be written over.
    ASSERT_TRUE(QDir(f.work.path()).mkdir(QStringLiteral("p_Proxy.jpg")));
    EXPECT_FALSE(MakePictureProxy(picture, f.prompts));
    EXPECT_EQ(f.prompts.shown(),
              QStringList{QStringLiteral("Unable to Save proxy File.\n\n Please call Trelmont Tech Support.")});
}

// Brightness lives in the strip and in its proxy; the picture file never changes.
TEST(RemadeProxy, BakesBrightnessWithoutTouchingThePicture)
{
    const struct {
        int width, height;
        QSize proxySize;
    } cases[] = {{200, 100, {200, 100}}, {3200, 1600, {1600, 800}}};
    for (const auto &c : cases) {
        AssetFixture f;
        const QString source = WriteJpeg(f.sourceFile(QStringLiteral("m.jpg")), Solid(c.width, c.height, QColor(100, 100, 100)));
        ASSERT_TRUE(ImportPicture(source, f.strip, f.assets).attached);
        const QByteArray picture = ReadBytes(f.strip.SubImageFileName);

        ASSERT_TRUE(ChangeBrightness(f.strip, kBrightnessStep * 6)); // 120: factor 1.47
        EXPECT_TRUE(RemakeStripPictureProxy(f.strip, f.prompts));
        EXPECT_EQ(ReadBytes(f.strip.SubImageFileName), picture);
        const QString proxy = f.workFile(QStringLiteral("m_Proxy.jpg"));
        EXPECT_EQ(SizeOf(proxy), c.proxySize);
        EXPECT_TRUE(Near(ReadStored(proxy).pixel(10, 10), QColor(147, 147, 147), 6));

        ASSERT_TRUE(ChangeBrightness(f.strip, -kBrightnessStep * 6));
        EXPECT_TRUE(RemakeStripPictureProxy(f.strip, f.prompts));
        EXPECT_TRUE(Near(ReadStored(proxy).pixel(10, 10), QColor(100, 100, 100), 6));
        EXPECT_EQ(ReadBytes(f.strip.SubImageFileName), picture);
    }
}

TEST(RemadeProxy, GifBrightnessIsRefused)
{
    StripData strip;
    strip.SubImageFileName = QStringLiteral("/w/a.gif");
    EXPECT_FALSE(ChangeBrightness(strip, kBrightnessStep));
    EXPECT_EQ(strip.SubImageBrightnessFactor, 0);
    strip.SubImageFileName = QStringLiteral("/w/a.jpg");
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(ChangeBrightness(strip, -kBrightnessStep));
    EXPECT_EQ(strip.SubImageBrightnessFactor, -400) << "brightness has no limit";
}

TEST(RemadeProxy, FailedSaveShowsTheProxyMessage)
{
    AssetFixture f;
    f.strip.SubImageFileName = WriteJpeg(f.workFile(QStringLiteral("p.jpg")), Solid(64, 48, Qt::red));
    f.strip.SubImageBrightnessFactor = 20;
    ASSERT_TRUE(QDir(f.work.path()).mkdir(QStringLiteral("p_Proxy.jpg")));
    EXPECT_FALSE(RemakeStripPictureProxy(f.strip, f.prompts));
    EXPECT_EQ(f.prompts.shown(),
              QStringList{QStringLiteral("Unable to Save Background proxy File.\n\n Please call Trelmont Tech Support.")});
}

TEST(BackgroundProxy, MadeOnlyAbove1600AndOnlyForWorkFolderLayouts)
{
    const struct {
        int width, height;
        bool fromContainer;
        bool made;
        QSize proxySize;
    } cases[] = {
        {1600, 900, true, false, {}},
        {1601, 900, true, true, {1600, 899}},
        {3840, 2160, true, true, {1600, 900}},
        {3840, 2160, false, false, {}},
    };
    for (const auto &c : cases) {
        AssetFixture f;
        WriteJpeg(f.workFile(QStringLiteral("Background.jpg")), Solid(c.width, c.height, Qt::darkGreen));
        EXPECT_EQ(MakeBackgroundProxy(f.assets, c.fromContainer), c.made) << c.width;
        const QString proxy = f.workFile(QStringLiteral("Background_Proxy.jpg"));
        EXPECT_EQ(QFileInfo::exists(proxy), c.made) << c.width;
        if (c.made) {
            EXPECT_EQ(SizeOf(proxy), c.proxySize);
        }
    }
}

TEST(BackgroundLoad, CopiesTheChoiceAndRemakesEveryProxy)
{
    AssetFixture f;
    MenuData doc;
    doc.NumberOfColumns = 2;
    doc.NumberOfRows = 2;
    const QString big = WriteJpeg(f.workFile(QStringLiteral("big.jpg")), Solid(2400, 1200, QColor(100, 100, 100)));
    const QString small = WriteJpeg(f.workFile(QStringLiteral("small.jpg")), Solid(300, 200, QColor(100, 100, 100)));
    const QString gif = WriteBytes(f.workFile(QStringLiteral("anim.gif")), GifBytes(10, 10));
    doc.strip(0, 0).SubImageFileName = big;
    doc.strip(0, 0).SubImageBrightnessFactor = 51; // factor 1.2
    doc.strip(1, 0).SubImageFileName = small;
    doc.strip(0, 1).SubImageFileName = gif;
    // Beyond the grid in use: no proxy.
    doc.strip(2, 0).SubImageFileName = WriteJpeg(f.workFile(QStringLiteral("out.jpg")), Solid(2000, 10, Qt::red));
    const QString chosen = WriteJpeg(f.sourceFile(QStringLiteral("Menu.jpg")), Solid(1920, 1080, Qt::black));

    const BackgroundLoad load = LoadBackgroundFiles(chosen, doc, f.assets, true);
    EXPECT_TRUE(load.copied);
    EXPECT_TRUE(load.backgroundProxyInUse);
    EXPECT_TRUE(load.pictureProxiesInUse);
    EXPECT_EQ(doc.BackgroundPath, chosen);
    EXPECT_EQ(ReadBytes(f.workFile(QStringLiteral("Background.jpg"))), ReadBytes(chosen));
    EXPECT_EQ(SizeOf(f.workFile(QStringLiteral("Background_Proxy.jpg"))), QSize(1600, 900));
    const QImage bigProxy = ReadStored(f.workFile(QStringLiteral("big_Proxy.jpg")));
    EXPECT_EQ(bigProxy.size(), QSize(1600, 800));
    EXPECT_TRUE(Near(bigProxy.pixel(5, 5), QColor(120, 120, 120), 6)) << "the scaled proxy carries the brightness";
    EXPECT_EQ(ReadBytes(f.workFile(QStringLiteral("small_Proxy.jpg"))), ReadBytes(small));
    EXPECT_EQ(ReadBytes(f.workFile(QStringLiteral("anim_Proxy.gif"))), ReadBytes(gif));
    EXPECT_FALSE(QFileInfo::exists(f.workFile(QStringLiteral("out_Proxy.jpg"))));
    EXPECT_TRUE(f.prompts.shown().isEmpty());
}

// Drawn from its proxy, a small picture shows no brightness unless the proxy
// carries it, and the saved TV image draws from proxies too.
TEST(BackgroundLoad, SmallPictureWithBrightnessGetsItBakedIn)
{
    AssetFixture f;
    MenuData doc;
    doc.NumberOfColumns = 1;
    doc.NumberOfRows = 1;
    const QString small = WriteJpeg(f.workFile(QStringLiteral("small.jpg")), Solid(300, 200, QColor(100, 100, 100)));
    doc.strip(0, 0).SubImageFileName = small;
    doc.strip(0, 0).SubImageBrightnessFactor = 51;
    const QByteArray picture = ReadBytes(small);
    EXPECT_TRUE(MakeProxiesForAllStrips(doc, true, f.prompts));
    EXPECT_TRUE(Near(ReadStored(f.workFile(QStringLiteral("small_Proxy.jpg"))).pixel(5, 5), QColor(120, 120, 120), 6));
    EXPECT_EQ(ReadBytes(small), picture);
}

TEST(BackgroundLoad, NothingForLayoutsOutsideTheWorkFolder)
{
    AssetFixture f;
    MenuData doc;
    doc.strip(0, 0).SubImageFileName = WriteJpeg(f.workFile(QStringLiteral("big.jpg")), Solid(2400, 1200, Qt::red));
    const QString chosen = WriteJpeg(f.sourceFile(QStringLiteral("Menu.jpg")), Solid(2000, 1000, Qt::black));
    const BackgroundLoad load = LoadBackgroundFiles(chosen, doc, f.assets, false);
    EXPECT_TRUE(load.copied);
    EXPECT_FALSE(load.backgroundProxyInUse);
    EXPECT_FALSE(load.pictureProxiesInUse);
    EXPECT_FALSE(QFileInfo::exists(f.workFile(QStringLiteral("big_Proxy.jpg"))));
}

TEST(BackgroundLoad, ChoosingTheWorkFolderCopyKeepsIt)
{
    AssetFixture f;
    MenuData doc;
    const QString background = WriteJpeg(f.workFile(QStringLiteral("Background.jpg")), Solid(64, 48, Qt::red));
    const QByteArray before = ReadBytes(background);
    EXPECT_TRUE(LoadBackgroundFiles(background, doc, f.assets, true).copied);
    EXPECT_EQ(ReadBytes(background), before);
}

} // namespace
} // namespace zorvan::test
