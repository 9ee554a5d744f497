#include "assets/fontcatalogue.h"
#include "assets/userfontinstall.h"

#include "privatefonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::PrivateFonts;

TEST(UserFontInstall, NeverOverwritesAnInstalledFont)
{
    PrivateFonts fonts;
    FontCatalogue catalogue;
    QTemporaryDir carried;
    const QString serif = carried.filePath("Menu.ttf");
    ASSERT_TRUE(QFile::copy(test::kDejaVuSerif, serif));
    ASSERT_TRUE(QFile::copy(test::kDejaVuSansMono, fonts.userFontFolder() + "/Menu.ttf"));
    EXPECT_EQ(UserFontFolder(), fonts.userFontFolder());

    const FontInstallResult first = InstallUserFont(serif, catalogue);
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.installedPath, fonts.userFontFolder() + "/Menu-2.ttf");
    EXPECT_EQ(catalogue.Status("DejaVu Serif"), FontStatus::Installed);

    // The same file again is installed already.
    const FontInstallResult again = InstallUserFont(serif, catalogue);
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.installedPath, first.installedPath);
    EXPECT_FALSE(QFile::exists(fonts.userFontFolder() + "/Menu-3.ttf"));
}

TEST(UserFontInstall, AFileThatIsNoFontIsRefusedAndLeavesNothing)
{
    PrivateFonts fonts;
    FontCatalogue catalogue;
    QTemporaryDir carried;
    const QString broken = carried.filePath("Broken.ttf");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a font");
    file.close();

    const FontInstallResult result = InstallUserFont(broken, catalogue);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("not a font file")) << result.error.toStdString();
    EXPECT_FALSE(QFile::exists(fonts.userFontFolder() + "/Broken.ttf"));

    const FontInstallResult gone = InstallUserFont(carried.filePath("Gone.ttf"), catalogue);
    EXPECT_FALSE(gone.ok);
    EXPECT_FALSE(gone.error.isEmpty());
}

TEST(UserFontInstall, QtDrawsWithTheInstalledFontAtOnce)
{
    PrivateFonts fonts;
    FontCatalogue catalogue;
    QTemporaryDir carried;
    const QString serif = carried.filePath("DejaVuSerif.ttf");
    ASSERT_TRUE(QFile::copy(test::kDejaVuSerif, serif));

    const FontInstallResult result = InstallUserFont(serif, catalogue);
    ASSERT_TRUE(result.ok);
    ASSERT_GE(result.qtFontId, 0);
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(result.qtFontId), QStringList{"DejaVu Serif"});
}

} // namespace
} // namespace zorvan
