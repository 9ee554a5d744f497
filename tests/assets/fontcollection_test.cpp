#include "assets/fontcatalogue.h"
#include "assets/workfolderfontcollector.h"

#include "privatefonts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::PrivateFonts;

QByteArray Digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList FilesIn(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files, QDir::Name);
}

TEST(FontCollection, TheInstalledFileIsCopiedIntoTheWorkFolder)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
    fonts.install(test::kDejaVuSansBold, "DejaVuSans-Bold.ttf");
    FontCatalogue catalogue;
    WorkFolderFontCollector collector(catalogue);
    QTemporaryDir workFolder;

    EXPECT_EQ(collector.CollectFontFile("DejaVu Sans", workFolder.path()), "DejaVuSans.ttf");
    EXPECT_EQ(Digest(workFolder.filePath("DejaVuSans.ttf")), Digest(test::kDejaVuSans));
    EXPECT_EQ(FilesIn(workFolder), QStringList{"DejaVuSans.ttf"});
}

TEST(FontCollection, AFileInTheWorkFolderIsNeverOverwritten)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
    FontCatalogue catalogue;
    WorkFolderFontCollector collector(catalogue);
    QTemporaryDir workFolder;
    ASSERT_TRUE(QFile::copy(test::kDejaVuSerif, workFolder.filePath("DejaVuSans.ttf")));

    EXPECT_EQ(collector.CollectFontFile("DejaVu Sans", workFolder.path()), "DejaVuSans.ttf");
    EXPECT_EQ(Digest(workFolder.filePath("DejaVuSans.ttf")), Digest(test::kDejaVuSerif));
}

TEST(FontCollection, StandInsAndMissingFacesAreNeverCollected)
{
    PrivateFonts fonts;
    fonts.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
    fonts.install(test::kCarlito, "Carlito-Regular.ttf");
    FontCatalogue catalogue;
    WorkFolderFontCollector collector(catalogue);
    QTemporaryDir workFolder;

    for (const char *face : {"Arial", "Calibri", "Microsoft Sans Serif", "Brand", ""})
        EXPECT_TRUE(collector.CollectFontFile(face, workFolder.path()).isEmpty()) << face;
    EXPECT_TRUE(FilesIn(workFolder).isEmpty());
    // The stand-in's own face is an ordinary installed font.
    EXPECT_EQ(collector.CollectFontFile("Liberation Sans", workFolder.path()), "LiberationSans-Regular.ttf");
}

TEST(FontCollection, ShortenedNamesCopyTheShortFileOnly)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "Brand_Bold.ttf", "Brand");
    fonts.install(test::kDejaVuSerif, "Label_Bold.ttf", "Label");
    fonts.install(test::kDejaVuSansMono, "Label.ttf", "Label Plain");
    fonts.install(test::kDejaVuSansBold, "Sign__Wide.ttf", "Sign");
    FontCatalogue catalogue;
    WorkFolderFontCollector collector(catalogue);
    QTemporaryDir workFolder;

    // Listed under the short name, which no file bears: nothing to copy.
    EXPECT_EQ(collector.CollectFontFile("Brand", workFolder.path()), "Brand.ttf");
    EXPECT_FALSE(QFile::exists(workFolder.filePath("Brand.ttf")));
    // The short name's file is copied, whatever font it is.
    EXPECT_EQ(collector.CollectFontFile("Label", workFolder.path()), "Label.ttf");
    EXPECT_EQ(Digest(workFolder.filePath("Label.ttf")), Digest(test::kDejaVuSansMono));
    // "__" keeps the name.
    EXPECT_EQ(collector.CollectFontFile("Sign", workFolder.path()), "Sign__Wide.ttf");
    EXPECT_EQ(Digest(workFolder.filePath("Sign__Wide.ttf")), Digest(test::kDejaVuSansBold));
    EXPECT_EQ(FilesIn(workFolder), QStringList({"Label.ttf", "Sign__Wide.ttf"}));
}

} // namespace
} // namespace zorvan
