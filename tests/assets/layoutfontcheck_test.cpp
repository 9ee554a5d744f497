#include "assets/fontcatalogue.h"
#include "assets/layoutfontcheck.h"
#include "document/menudata.h"

#include "layoutfixtures.h"
#include "privatefonts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace zorvan {
namespace {

using test::PrivateFonts;

void SetBlock(MenuData &doc, int column, int row, int item, const QString &face, const QString &text)
{
    doc.strip(column, row).block(item).Font = face;
    doc.strip(column, row).block(item).Text = text;
}

QString Carry(const QTemporaryDir &workFolder, const QString &source, const QString &fileName)
{
    const QString path = workFolder.filePath(fileName);
    QFile::copy(source, path);
    return path;
}

TEST(MissingFontList, EntriesAreCountedAndRemovedWhole)
{
    QString list;
    AddMissingFont(list, "Open Sans");
    AddMissingFont(list, "Sans");   // part of a listed name: taken as listed
    AddMissingFont(list, "Cubano");
    AddMissingFont(list, "Cubano");
    AddMissingFont(list, "Brand");
    EXPECT_EQ(list, "Open Sans\r\nCubano\r\nBrand\r\n");
    EXPECT_EQ(CountMissingFonts(list), 3);
    EXPECT_EQ(MissingFaces(list), QStringList({"Open Sans", "Cubano", "Brand"}));

    RemoveMissingFont(list, "Sans"); // not an entry of its own
    EXPECT_EQ(list, "Open Sans\r\nCubano\r\nBrand\r\n");
    RemoveMissingFont(list, "Cubano");
    EXPECT_EQ(list, "Open Sans\r\nBrand\r\n");
    RemoveMissingFont(list, "Open Sans");
    RemoveMissingFont(list, "Brand");
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(CountMissingFonts(list), 0);
}

TEST(LayoutFontCheck, MissingFacesAreListedOnceEach)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
    FontCatalogue catalogue;
    QTemporaryDir workFolder;

    MenuData doc;
    doc.NumberOfColumns = 2;
    doc.NumberOfRows = 2;
    SetBlock(doc, 0, 0, MainItem, "Arial Black", "Burger");
    SetBlock(doc, 0, 0, SubItems, "Arial", "with fries"); // contained in "Arial Black"
    SetBlock(doc, 0, 0, Prices, "DejaVu Sans", "4.99");
    SetBlock(doc, 0, 1, MainItem, "Cubano", "Shake");
    SetBlock(doc, 0, 1, Prices, "Arial Black", "2.49"); // listed already
    SetBlock(doc, 1, 0, MainItem, "Empty Face", "");    // no text: never needs its font
    SetBlock(doc, 1, 0, SubItems, "", "no face");
    SetBlock(doc, 1, 1, Prices, "Brand", "1.99");
    SetBlock(doc, 2, 0, MainItem, "Outside", "beyond the grid in use");

    LayoutFontCheck check(catalogue, workFolder.path());
    check.CheckDocument(doc);
    EXPECT_EQ(check.missingFontList(), "Arial Black\r\nCubano\r\nBrand\r\n");
    EXPECT_EQ(check.removedFontList(), "DejaVu Sans,");
}

TEST(LayoutFontCheck, TheCarriedCopyOfAnInstalledFontIsDeletedOnce)
{
    PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
    FontCatalogue catalogue;
    QTemporaryDir workFolder;
    const QString installedCopy = Carry(workFolder, test::kDejaVuSans, "DejaVuSans.ttf");
    const QString missingCopy = Carry(workFolder, test::kDejaVuSerif, "DejaVuSerif.ttf");

    LayoutFontCheck check(catalogue, workFolder.path());
    check.CheckBlock("DejaVu Sans", "Burger");
    check.CheckBlock("DejaVu Serif", "Fries");
    check.CheckBlock("dejavu sans", "Shake");
    check.CheckBlock("DejaVu Sans", "Cola");

    EXPECT_FALSE(QFile::exists(installedCopy));
    EXPECT_TRUE(QFile::exists(missingCopy));
    EXPECT_EQ(check.deletedFiles(), QStringList{installedCopy});
    EXPECT_EQ(check.missingFontList(), "DejaVu Serif\r\n");
    EXPECT_EQ(check.removedFontList(), "DejaVu Sans,dejavu sans,");
}

TEST(LayoutFontCheck, StandInsAreNotMissingAndTheirCarriedFilesStay)
{
    PrivateFonts fonts;
    fonts.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
    FontCatalogue catalogue;
    QTemporaryDir workFolder;
    const QString carried = Carry(workFolder, test::kDejaVuSans, "arial.ttf");

    LayoutFontCheck check(catalogue, workFolder.path());
    check.CheckBlock("Arial", "Burger");
    check.CheckBlock("Times New Roman", "Fries"); // its stand-in is not installed here

    EXPECT_EQ(check.missingFontList(), "Times New Roman\r\n");
    EXPECT_TRUE(QFile::exists(carried));
    EXPECT_TRUE(check.deletedFiles().isEmpty());
}

TEST(LayoutFontCheck, ALayoutMadeHereHasNothingMissing)
{
    PrivateFonts fonts;
    fonts.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
    fonts.install(test::kLiberationSerif, "LiberationSerif-Regular.ttf");
    fonts.install(test::kOpenSansExtraBold, "OpenSans-ExtraBold.ttf");
    FontCatalogue catalogue;

    // The sample layout uses the default face and faces of the other platform.
    const std::unique_ptr<MenuData> doc = test::SampleLayout();
    LayoutFontCheck check(catalogue, QString());
    check.CheckDocument(*doc);
    EXPECT_TRUE(check.missingFontList().isEmpty()) << check.missingFontList().toStdString();
}

} // namespace
} // namespace zorvan
