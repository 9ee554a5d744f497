#include "assets/fontcatalogue.h"
#include "assets/fontnames.h"

#include "privatefonts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::PrivateFonts;

TEST(FontCatalogue, FamiliesMatchWithoutRegardToCaseButNotToBlanks)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
    FontCatalogue catalogue;

    EXPECT_EQ(catalogue.Status("DejaVu Sans"), FontStatus::Installed);
    EXPECT_EQ(catalogue.Status("dejavu SANS"), FontStatus::Installed);
    EXPECT_EQ(catalogue.Status("DejaVuSans"), FontStatus::Missing);
    EXPECT_EQ(catalogue.Status("DejaVu Serif"), FontStatus::Missing);
    EXPECT_EQ(catalogue.Status(""), FontStatus::Missing);
    EXPECT_TRUE(catalogue.IsInstalled("DejaVu Sans", "Burger"));
    EXPECT_FALSE(catalogue.IsInstalled("DejaVu Serif", "Burger"));
    // A block without text never needs its font.
    EXPECT_TRUE(catalogue.IsInstalled("DejaVu Serif", ""));
}

TEST(FontCatalogue, TheFileOfAFaceIsItsRegularStyle)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSansBold, "DejaVuSans-Bold.ttf");
    fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
    fonts.install(test::kDejaVuSerif, "DejaVuSerif-Bold.ttf", "Bolder", "Bold");
    FontCatalogue catalogue;

    EXPECT_EQ(catalogue.FontFilePath("DejaVu Sans"), fonts.fontFolder() + "/DejaVuSans.ttf");
    EXPECT_EQ(catalogue.FontFileName("dejavu sans"), "DejaVuSans.ttf");
    // A family without a regular style still has a file to carry.
    EXPECT_EQ(catalogue.FontFileName("Bolder"), "DejaVuSerif-Bold.ttf");
    EXPECT_TRUE(catalogue.FontFilePath("DejaVu Serif").isEmpty());
}

TEST(FontCatalogue, StandInsCountAsInstalledAndHaveNoFileToCarry)
{
    PrivateFonts fonts;
    fonts.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
    fonts.install(test::kLiberationSerif, "LiberationSerif-Regular.ttf");
    fonts.install(test::kCarlito, "Carlito-Regular.ttf");
    fonts.install(test::kOpenSansExtraBold, "OpenSans-ExtraBold.ttf");
    FontCatalogue catalogue;

    const struct {
        const char *face;
        FontStatus status;
        const char *standIn;
    } cases[] = {
        {"Arial", FontStatus::StandIn, "Liberation Sans"},
        {"arial", FontStatus::StandIn, "Liberation Sans"},
        {"Microsoft Sans Serif", FontStatus::StandIn, "Liberation Sans"},
        {"Times New Roman", FontStatus::StandIn, "Liberation Serif"},
        {"Calibri", FontStatus::StandIn, "Carlito"},
        {"Segoe UI Black", FontStatus::StandIn, "Open Sans Extrabold"},
        {"Segoe UI", FontStatus::StandIn, "Open Sans"},
        {"Courier New", FontStatus::Missing, ""}, // its stand-in is not installed here
        {"Cambria", FontStatus::Missing, ""},
        {"Liberation Sans", FontStatus::Installed, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.face);
        EXPECT_EQ(catalogue.Status(c.face), c.status);
        EXPECT_EQ(catalogue.StandInFamily(c.face), c.standIn);
        EXPECT_EQ(catalogue.IsInstalled(c.face, "Fries"), c.status != FontStatus::Missing);
        if (c.status == FontStatus::StandIn) {
            EXPECT_TRUE(catalogue.FontFilePath(c.face).isEmpty());
        }
    }
}

TEST(FontCatalogue, TheFaceItselfWinsOverItsStandIn)
{
    PrivateFonts fonts;
    fonts.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
    fonts.install(test::kDejaVuSans, "arial.ttf", "Arial");
    FontCatalogue catalogue;

    EXPECT_EQ(catalogue.Status("Arial"), FontStatus::Installed);
    EXPECT_TRUE(catalogue.StandInFamily("Arial").isEmpty());
    EXPECT_EQ(catalogue.FontFilePath("Arial"), fonts.fontFolder() + "/arial.ttf");
}

TEST(FontCatalogue, CubanoAndArtBrushAreFoundByTheirStyleQualifiedNames)
{
    PrivateFonts fonts;
    // Each family also has a regular style, which a plain lookup would take.
    fonts.install(test::kDejaVuSans, "CubanoLight.ttf", "Cubano", "Regular");
    fonts.install(test::kDejaVuSansBold, "Cubano.ttf", "Cubano", "Normal");
    fonts.install(test::kDejaVuSans, "ArtBrushThin.ttf", "ArtBrush", "Regular");
    fonts.install(test::kDejaVuSansBold, "ArtBrush.ttf", "ArtBrush", "Medium");
    fonts.install(test::kDejaVuSans, "Other.ttf", "Other", "Regular");
    fonts.install(test::kDejaVuSansBold, "OtherNormal.ttf", "Other", "Normal");
    FontCatalogue catalogue;

    EXPECT_EQ(catalogue.FontFileName("Cubano"), "Cubano.ttf");
    EXPECT_EQ(catalogue.FontFileName("ArtBrush"), "ArtBrush.ttf");
    // Only those two faces are qualified.
    EXPECT_EQ(catalogue.FontFileName("Other"), "Other.ttf");
    EXPECT_EQ(catalogue.Status("Cubano"), FontStatus::Installed);
}

TEST(FontCatalogue, CubanoWithoutANormalStyleFallsBackToItsFamily)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "Cubano-Regular.ttf", "Cubano", "Regular");
    FontCatalogue catalogue;
    EXPECT_EQ(catalogue.FontFileName("Cubano"), "Cubano-Regular.ttf");
}

TEST(FontCatalogue, FileNamesWithOneUnderscoreAreShortened)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "Brand_Bold.ttf", "Brand");
    fonts.install(test::kDejaVuSerif, "Brand__X.ttf", "BrandX");
    FontCatalogue catalogue;

    // The shortened name is what layouts list; that file need not exist.
    EXPECT_EQ(catalogue.FontFilePath("Brand"), fonts.fontFolder() + "/Brand.ttf");
    EXPECT_EQ(catalogue.FontFilePath("BrandX"), fonts.fontFolder() + "/Brand__X.ttf");
}

TEST(FontNames, ShortenedFileNames)
{
    const struct {
        const char *name;
        const char *shortened;
    } cases[] = {
        {"Brand_Bold.ttf", "Brand.ttf"},  {"Brand_Bold_Italic.ttf", "Brand.ttf"},
        {"Brand__X.ttf", "Brand__X.ttf"}, {"A_b__c.ttf", "A_b__c.ttf"},
        {"_Lead.ttf", "_Lead.ttf"},       {"Plain.ttf", "Plain.ttf"},
        {"No_Extension", "No"},           {"Dots.in_name", "Dots.in"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ShortenedFontFileName(c.name), c.shortened) << c.name;
}

TEST(FontNames, LookupNames)
{
    EXPECT_EQ(FontLookupName("Cubano"), "Cubano Normal");
    EXPECT_EQ(FontLookupName("ArtBrush"), "ArtBrush Medium");
    EXPECT_EQ(FontLookupName("cubano"), "cubano");
    EXPECT_EQ(FontLookupName("Cubano Normal"), "Cubano Normal");
}

TEST(FontCatalogue, RefreshFindsFontsInstalledMeanwhile)
{
    PrivateFonts fonts;
    FontCatalogue catalogue;
    EXPECT_EQ(catalogue.Status("DejaVu Serif"), FontStatus::Missing);

    ASSERT_TRUE(QFile::copy(test::kDejaVuSerif, fonts.userFontFolder() + "/DejaVuSerif.ttf"));
    catalogue.Refresh();
    EXPECT_EQ(catalogue.Status("DejaVu Serif"), FontStatus::Installed);
    EXPECT_EQ(catalogue.FontFilePath("DejaVu Serif"), fonts.userFontFolder() + "/DejaVuSerif.ttf");
}

TEST(FontCatalogue, AddedFilesAreKnownAtOnceAndStayKnown)
{
    PrivateFonts fonts;
    QTemporaryDir elsewhere;
    const QString path = elsewhere.filePath("DejaVuSansMono.ttf");
    ASSERT_TRUE(QFile::copy(test::kDejaVuSansMono, path));
    FontCatalogue catalogue;

    EXPECT_TRUE(catalogue.AddFontFile(path));
    EXPECT_EQ(catalogue.Status("DejaVu Sans Mono"), FontStatus::Installed);
    catalogue.Refresh();
    EXPECT_EQ(catalogue.FontFilePath("DejaVu Sans Mono"), path);

    const QString notAFont = elsewhere.filePath("notes.ttf");
    QFile file(notAFont);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a font");
    file.close();
    EXPECT_FALSE(catalogue.AddFontFile(notAFont));
}

} // namespace
} // namespace zorvan
