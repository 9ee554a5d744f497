#include "fontinstalldialog.h"

#include "assets/fontcatalogue.h"
#include "assets/fontinstallmodel.h"

#include "privatefonts.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(FontInstallDialog, InstallPerFileThenDone)
{
    test::PrivateFonts fonts;
    QTemporaryDir workFolder;
    ASSERT_TRUE(QFile::copy(test::kDejaVuSerif, workFolder.filePath("DejaVuSerif.ttf")));
    ASSERT_TRUE(QFile::copy(test::kDejaVuSansMono, workFolder.filePath("DejaVuSansMono.ttf")));
    FontCatalogue catalogue;
    FontInstallModel model(catalogue, {"DejaVu Serif"}, workFolder.path());

    FontInstallDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(),
              "TO INSTALL MISSING FONT(S), Right Click on font File(s) and click INSTALL FOR ALL USERS");
    const int serif = model.indexOf("DejaVuSerif.ttf");
    ASSERT_GE(serif, 0);
    ASSERT_NE(dialog.installButton(serif), nullptr);
    EXPECT_EQ(dialog.installButton(serif)->text(), "Install");
    EXPECT_EQ(dialog.doneButton()->text(), "Done");

    dialog.show();
    dialog.installButton(serif)->click();
    EXPECT_TRUE(model.files()[serif].installed);
    EXPECT_FALSE(dialog.installButton(serif)->isEnabled());
    EXPECT_TRUE(model.isFaceInstalled("DejaVu Serif"));
    // Nothing is installed without a click.
    EXPECT_FALSE(model.isFaceInstalled("DejaVu Sans Mono"));
    EXPECT_FALSE(QFile::exists(fonts.userFontFolder() + "/DejaVuSansMono.ttf"));

    dialog.doneButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FontInstallDialog, ClosingItOtherwiseRejects)
{
    test::PrivateFonts fonts;
    FontCatalogue catalogue;
    FontInstallModel model(catalogue, {"Cubano"}, QString());
    FontInstallDialog dialog(model);
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace zorvan
