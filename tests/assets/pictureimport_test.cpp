#include "assetfixture.h"
#include "imagefiles.h"

#include "assets/pictureimport.h"
#include "assets/picturenames.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <gtest/gtest.h>

namespace zorvan::test {
namespace {

TEST(PictureNames, AcceptsLowerCaseAndJpegSpellingsOnly)
{
    const struct {
        const char *path;
        bool accepted;
    } cases[] = {
        {"/p/Logo.jpg", true},   {"/p/Logo.JPG", true},  {"/p/Logo.jpeg", true}, {"/p/Logo.JPEG", true},
        {"/p/Logo.png", true},   {"/p/Logo.gif", true},  {"/p/Logo.PNG", false}, {"/p/Logo.GIF", false},
        {"/p/Logo.bmp", false},  {".jpg", false},        {"C:\\p\\a.jpg", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsImportablePicture(QString::fromLatin1(c.path)), c.accepted) << c.path;
}

TEST(PictureNames, NormalisesJpegExtensions)
{
    EXPECT_EQ(NormalisedPictureFileName(QStringLiteral("Photo.JPG")), QStringLiteral("Photo.jpg"));
    EXPECT_EQ(NormalisedPictureFileName(QStringLiteral("Photo.jpeg")), QStringLiteral("Photo.jpg"));
    EXPECT_EQ(NormalisedPictureFileName(QStringLiteral("Photo.JPEG")), QStringLiteral("Photo.jpg"));
    EXPECT_EQ(NormalisedPictureFileName(QStringLiteral("Photo.png")), QStringLiteral("Photo.png"));
    EXPECT_EQ(FileNameOfPath(QStringLiteral("C:\\Pictures\\Burger.jpg")), QStringLiteral("Burger.jpg"));
    EXPECT_EQ(FileNameOfPath(QStringLiteral("/home/u/Burger.jpg")), QStringLiteral("Burger.jpg"));
}

TEST(PictureNames, UniqueNameSkipsFoldersThatLookLikeExtensions)
{
    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a.jpg")));
    const QString folder = dir.file(QStringLiteral("a.jpg"));
    WriteBytes(folder + QStringLiteral("/b.jpg"), "x");
    EXPECT_EQ(UniquePicturePath(folder + QStringLiteral("/b.jpg")), folder + QStringLiteral("/b(1).jpg"));
}

TEST(PictureImport, SameNameThreeTimesAccumulatesSuffixes)
{
    AssetFixture f;
    const QString source = WriteJpeg(f.sourceFile(QStringLiteral("Logo.jpg")), Solid(640, 480, Qt::red));
    const QStringList expected = {QStringLiteral("Logo.jpg"), QStringLiteral("Logo(1).jpg"),
                                  QStringLiteral("Logo(1)(2).jpg")};
    for (const QString &name : expected) {
        const ImportedPicture imported = ImportPicture(source, f.strip, f.assets);
        ASSERT_TRUE(imported.attached);
        EXPECT_EQ(imported.path, f.workFile(name));
        EXPECT_EQ(f.strip.SubImageFileName, f.workFile(name));
        EXPECT_EQ(ReadBytes(imported.path), ReadBytes(source)) << "an upright picture is copied as it is";
    }
    EXPECT_TRUE(f.prompts.shown().isEmpty());
}

TEST(PictureImport, UpperCaseJpegIsStoredAsJpgAndUpperCasePngIsIgnored)
{
    AssetFixture f;
    const QString jpeg = WriteJpeg(f.sourceFile(QStringLiteral("Photo.JPEG")), Solid(640, 480, Qt::red));
    EXPECT_TRUE(ImportPicture(jpeg, f.strip, f.assets).attached);
    EXPECT_EQ(f.strip.SubImageFileName, f.workFile(QStringLiteral("Photo.jpg")));
    EXPECT_TRUE(QFileInfo::exists(f.workFile(QStringLiteral("Photo_Proxy.jpg"))));

    AssetFixture g;
    g.strip.SubImageFileName = QStringLiteral("/kept.jpg");
    g.strip.SubImageBrightnessFactor = 40;
    const StripData before = g.strip;
    const QString png = WritePng(g.sourceFile(QStringLiteral("Photo.PNG")), Solid(640, 480, Qt::red));
    EXPECT_FALSE(ImportPicture(png, g.strip, g.assets).attached);
    EXPECT_EQ(g.strip, before);
    EXPECT_TRUE(g.prompts.shown().isEmpty());
    EXPECT_TRUE(QDir(g.work.path()).isEmpty());
}

TEST(PictureImport, FreshPictureIsShownWholeWithoutBrightness)
{
    AssetFixture f;
    f.strip.SubImageCropPercentageX = 40;
    f.strip.SubImageCropPercentageY = 50;
    f.strip.SubImageCropOriginPercentageX = 10;
    f.strip.SubImageCropOriginPercentageY = 20;
    f.strip.SubImageBrightnessFactor = -60;
    ImportPicture(WritePng(f.sourceFile(QStringLiteral("a.png")), Solid(600, 600, Qt::blue)), f.strip, f.assets);
    EXPECT_EQ(f.strip.SubImageCropPercentageX, 100);
    EXPECT_EQ(f.strip.SubImageCropPercentageY, 100);
    EXPECT_EQ(f.strip.SubImageCropOriginPercentageX, 0);
    EXPECT_EQ(f.strip.SubImageCropOriginPercentageY, 0);
    EXPECT_EQ(f.strip.SubImageBrightnessFactor, 0);
    EXPECT_TRUE(QFileInfo::exists(f.workFile(QStringLiteral("a_Proxy.png"))));
}

TEST(PictureImport, LowResolutionWarningBelow512OnBothSides)
{
    const struct {
        int width, height;
        bool warns;
    } cases[] = {{400, 300, true}, {600, 300, false}, {300, 600, false}, {511, 511, true}, {512, 100, false}};
    for (const auto &c : cases) {
        AssetFixture f;
        const QString source = WriteJpeg(f.sourceFile(QStringLiteral("p.jpg")), Solid(c.width, c.height, Qt::gray));
        EXPECT_TRUE(ImportPicture(source, f.strip, f.assets).attached);
        if (c.warns) {
            ASSERT_EQ(f.prompts.shown().size(), 1) << c.width << "x" << c.height;
            EXPECT_EQ(f.prompts.shown().first(),
                      QStringLiteral("This %1 x %2 pixel image is low resolution and may result in the picture not "
                                     "being crisp.")
                          .arg(c.width)
                          .arg(c.height));
        } else {
            EXPECT_TRUE(f.prompts.shown().isEmpty()) << c.width << "x" << c.height;
        }
    }
}

// An undecodable file would only give an empty frame that every save carries
// along; it is refused with its reason and nothing is copied.
TEST(PictureImport, UndecodableSourceIsRefusedWithAReason)
{
    AssetFixture f;
    const QString source = WriteBytes(f.sourceFile(QStringLiteral("broken.jpg")), "not a picture");
    const ImportedPicture imported = ImportPicture(source, f.strip, f.assets);
    EXPECT_FALSE(imported.attached);
    EXPECT_TRUE(imported.error.startsWith(source + QStringLiteral(" is not a picture"))) << imported.error.toStdString();
    EXPECT_TRUE(f.prompts.shown().isEmpty());
    EXPECT_TRUE(f.strip.SubImageFileName.isEmpty());
    EXPECT_TRUE(QDir(f.work.path()).isEmpty());
}

TEST(PictureImport, MissingSourceLeavesTheStripAlone)
{
    AssetFixture f;
    EXPECT_FALSE(ImportPicture(f.sourceFile(QStringLiteral("gone.jpg")), f.strip, f.assets).attached);
    EXPECT_TRUE(f.strip.SubImageFileName.isEmpty());
}

TEST(PictureImport, GifIsCopiedAsItIsAndProxiedByCopy)
{
    AssetFixture f;
    const QByteArray gif = GifBytes(2000, 2000);
    const QString source = WriteBytes(f.sourceFile(QStringLiteral("Anim.gif")), gif);
    EXPECT_TRUE(ImportPicture(source, f.strip, f.assets).attached);
    EXPECT_EQ(ReadBytes(f.workFile(QStringLiteral("Anim.gif"))), gif);
    EXPECT_EQ(ReadBytes(f.workFile(QStringLiteral("Anim_Proxy.gif"))), gif);
    EXPECT_TRUE(f.prompts.shown().isEmpty());
}

// A large JPEG file is made large by comment segments, so the test decodes
// a plain 5000 x 4000 picture rather than a noisy one.
TEST(PictureImport, LargeJpegOverFiveMillionBytesIsReducedTo3200)
{
    AssetFixture f;
    const QByteArray jpeg = JpegBytes(Solid(5000, 4000, QColor(200, 120, 40)), 80);
    const QString big = WriteBytes(f.sourceFile(QStringLiteral("Big.jpg")), PaddedTo(jpeg, 6'000'000));
    const QString small = WriteBytes(f.sourceFile(QStringLiteral("Small.jpg")), PaddedTo(jpeg, 4'000'000));
    ASSERT_EQ(QFileInfo(big).size(), 6'000'000);

    ImportPicture(big, f.strip, f.assets);
    EXPECT_EQ(QImageReader(f.workFile(QStringLiteral("Big.jpg"))).size(), QSize(3200, 2560));
    EXPECT_EQ(QImageReader(f.workFile(QStringLiteral("Big_Proxy.jpg"))).size(), QSize(1600, 1280));
    EXPECT_TRUE(Near(ReadStored(f.workFile(QStringLiteral("Big.jpg"))).pixel(100, 100), QColor(200, 120, 40)));

    ImportPicture(small, f.strip, f.assets);
    EXPECT_EQ(ReadBytes(f.workFile(QStringLiteral("Small.jpg"))), ReadBytes(small));
    EXPECT_EQ(QImageReader(f.workFile(QStringLiteral("Small_Proxy.jpg"))).size(), QSize(1600, 1280));
}

// Each stored picture has a red mark in its top-left corner and a green one
// in its top-right corner; the table says where they show once the picture
// stands upright.
TEST(PictureImport, ExifOrientationsOneToEightStandUpright)
{
    enum Corner { TL, TR, BL, BR };
    const struct {
        int orientation;
        bool swapsSides;
        Corner red, green;
    } cases[] = {
        {1, false, TL, TR}, {2, false, TR, TL}, {3, false, BR, BL}, {4, false, BL, BR},
        {5, true, TL, BL},  {6, true, TR, BR},  {7, true, BR, TR},  {8, true, BL, TL},
    };
    QImage stored = Solid(64, 48, Qt::blue);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            stored.setPixel(x, y, qRgb(255, 0, 0));
            stored.setPixel(63 - x, y, qRgb(0, 255, 0));
        }
    const QByteArray plain = JpegBytes(stored);

    for (const auto &c : cases) {
        AssetFixture f;
        const QString source =
            WriteBytes(f.sourceFile(QStringLiteral("o.jpg")), WithExifOrientation(plain, c.orientation));
        ASSERT_TRUE(ImportPicture(source, f.strip, f.assets).attached);
        const QImage upright = ReadStored(f.strip.SubImageFileName);
        const QSize expectedSize = c.swapsSides ? QSize(48, 64) : QSize(64, 48);
        ASSERT_EQ(upright.size(), expectedSize) << "orientation " << c.orientation;
        const auto at = [&](Corner corner) {
            const int x = (corner == TL || corner == BL) ? 5 : upright.width() - 6;
            const int y = (corner == TL || corner == TR) ? 5 : upright.height() - 6;
            return upright.pixel(x, y);
        };
        EXPECT_TRUE(Near(at(c.red), Qt::red)) << "orientation " << c.orientation;
        EXPECT_TRUE(Near(at(c.green), Qt::green)) << "orientation " << c.orientation;
        // The proxy is made from the upright copy.
        EXPECT_EQ(ReadStored(f.workFile(QStringLiteral("o_Proxy.jpg"))).size(), expectedSize);
        if (c.orientation == 1) {
            EXPECT_EQ(ReadBytes(f.strip.SubImageFileName), ReadBytes(source));
        }
        // Opened the way any viewer opens it, the copy looks like the original did.
        QImageReader viewer(f.strip.SubImageFileName);
        viewer.setAutoTransform(true);
        EXPECT_EQ(viewer.read().size(), expectedSize) << "the copy carries no orientation of its own";
    }
}

} // namespace
} // namespace zorvan::test
