#include "render/decodedimagecache.h"

#include "renderfixture.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::BoardFixture;
using test::RgbAt;

// The preview keeps decoded proxies between refreshes; a proxy remade under
// the same name (after a brightness change) must show at once.
TEST(DecodedImageCache, ARewrittenPictureIsReadAgain)
{
    BoardFixture f;
    StripData &s = f.doc.strip(0, 0);
    s.SubImageFileName = f.picture(QStringLiteral("Burger.png"), Qt::green);
    EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0x00FF00u);
    EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0x00FF00u);

    // The same size on disk; only the content and the modification time changed.
    const QDateTime modified = QFileInfo(s.SubImageFileName).lastModified();
    f.picture(QStringLiteral("Burger.png"), Qt::red);
    {
        QFile file(s.SubImageFileName);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(modified.addSecs(60), QFileDevice::FileModificationTime);
    }
    EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0xFF0000u);

    // A different picture under the name of the old one.
    f.picture(QStringLiteral("Burger.png"), Qt::blue, 41, 20);
    EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0x0000FFu);

    QFile::remove(s.SubImageFileName);
    EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0x646464u);
}

TEST(DecodedImageCache, CachedPicturesAreNotChangedByBrightness)
{
    BoardFixture f;
    StripData &s = f.doc.strip(0, 0);
    s.SubImageFileName = f.picture(QStringLiteral("Burger.png"), QColor(100, 100, 100));
    s.SubImageBrightnessFactor = 255;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(RgbAt(f.refresh().board, 50, 25), 0xC8C8C8u) << i;
}

TEST(DecodedImageCache, KeepsOnlySmallImages)
{
    test::TempDir dir;
    const QString path = test::WriteImage(dir.file(QStringLiteral("big.png")),
                                          test::SolidImage(DecodedImageCache::kMaxCachedSide + 1, 2, Qt::red), "png");
    DecodedImageCache &cache = DecodedImageCache::instance();
    const FileStamp stamp = StampOf(path);
    cache.insert(path, QRect(), QSize(), stamp, LoadImageFile(path));
    EXPECT_FALSE(cache.find(path, QRect(), QSize()));
    const QString small = test::WriteImage(dir.file(QStringLiteral("small.png")), test::SolidImage(8, 8, Qt::red), "png");
    cache.insert(small, QRect(), QSize(), StampOf(small), LoadImageFile(small));
    EXPECT_TRUE(cache.find(small, QRect(), QSize()));
    EXPECT_FALSE(cache.find(small, QRect(0, 0, 4, 4), QSize()));
    EXPECT_EQ(StampOf(dir.file(QStringLiteral("missing.png"))).size, -1);
}

} // namespace
} // namespace zorvan
