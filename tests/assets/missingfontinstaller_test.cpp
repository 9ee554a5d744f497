#include "assets/fontcatalogue.h"
#include "assets/fontinstallmodel.h"
#include "assets/fontlistfile.h"
#include "assets/fontinstallview.h"
#include "assets/layoutfontcheck.h"
#include "assets/missingfontinstaller.h"
#include "document/userprompts.h"

#include "privatefonts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

using test::PrivateFonts;
using Visit = ScriptedFontInstallView::Visit;

const QString kOneFontMessage = QStringLiteral(
    "                           MISSING FONT\n\nThe font required, but not installed on this computer, is:\r\n"
    "\r\n                          DejaVu Serif\r\n"
    "\r\nClick 'OK' to install missing font(s) on the next panel\nusing the following procedure:\n\n"
    "For each missing font to be installed, RIGHT click\r\non the font name and select 'Install for all users'");

const QString kTwoFontsMessage = QStringLiteral(
    "           \r\n                MISSING FONTS\n\nThe fonts required, but not installed on this computer, are:\r\n"
    "\r\n                          DejaVu Serif\r\n                          DejaVu Sans Mono\r\n"
    "\r\nClick 'OK' to install missing font(s) on the next panel\nusing the following procedure:\n\n"
    "For each missing font to be installed, RIGHT click\r\non the font name and select 'Install for all users'");

// A layout unpacked into the work folder that carries two fonts this
// machine lacks.
struct CarriedFonts {
    PrivateFonts fonts;
    QTemporaryDir workFolder;
    QString serifCopy;
    QString monoCopy;

    CarriedFonts()
    {
        fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
        serifCopy = workFolder.filePath("DejaVuSerif.ttf");
        monoCopy = workFolder.filePath("DejaVuSansMono.ttf");
        QFile::copy(test::kDejaVuSerif, serifCopy);
        QFile::copy(test::kDejaVuSansMono, monoCopy);
    }
};

TEST(MissingFontsMessage, SingularAndPluralHeadings)
{
    EXPECT_EQ(MissingFontsMessage("DejaVu Serif\r\n"), kOneFontMessage);
    EXPECT_EQ(MissingFontsMessage("DejaVu Serif\r\nDejaVu Sans Mono\r\n"), kTwoFontsMessage);
}

TEST(FontInstallModel, CarriedFilesWithTheFacesTheFontListGivesThem)
{
    CarriedFonts layout;
    ASSERT_TRUE(QFile::copy(test::kDejaVuSans, layout.workFolder.filePath("NOTES.TTF")));
    QFile other(layout.workFolder.filePath("Background.jpg"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    ASSERT_TRUE(WriteFontListFile(layout.workFolder.filePath("FontFileNames.txt"),
                                  "Arial,arial.ttf;DejaVu Serif,DejaVuSerif.ttf;Serif Alias,DejaVuSerif.ttf;"));
    FontCatalogue catalogue;
    FontInstallModel model(catalogue, {"DejaVu Serif"}, layout.workFolder.path());

    ASSERT_EQ(model.files().size(), 3);
    EXPECT_EQ(model.files()[0].fileName, "DejaVuSansMono.ttf");
    EXPECT_TRUE(model.files()[0].faces.isEmpty());
    EXPECT_EQ(model.files()[1].fileName, "DejaVuSerif.ttf");
    EXPECT_EQ(model.files()[1].faces, QStringList({"DejaVu Serif", "Serif Alias"}));
    EXPECT_EQ(model.files()[1].path, layout.serifCopy);
    EXPECT_EQ(model.files()[2].fileName, "NOTES.TTF");
    EXPECT_FALSE(model.isFaceInstalled("DejaVu Serif"));
    EXPECT_FALSE(model.install(7));
}

TEST(MissingFontInstaller, ACarriedFontInstalledFromTheDialogIsFoundByTheRecheck)
{
    CarriedFonts layout;
    FontCatalogue catalogue;
    LayoutFontCheck check(catalogue, layout.workFolder.path());
    check.CheckBlock("DejaVu Serif", "Burger");
    QString missing = check.missingFontList();
    ASSERT_EQ(missing, "DejaVu Serif\r\n");

    QueuedPrompts prompts({Answer::Ok});
    ScriptedFontInstallView view;
    view.queue({{"DejaVuSerif.ttf"}, true});
    MissingFontInstaller installer(catalogue, prompts, view);

    EXPECT_TRUE(installer.Run(missing, layout.workFolder.path(), layout.workFolder.path()));
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(prompts.shown(), QStringList{kOneFontMessage});
    EXPECT_TRUE(view.errors().isEmpty()) << view.errors().join('\n').toStdString();
    ASSERT_EQ(view.shownFaces().size(), 1);
    EXPECT_EQ(view.shownFaces()[0], QStringList{"DejaVu Serif"});
    EXPECT_EQ(view.shownFiles()[0], QStringList({"DejaVuSansMono.ttf", "DejaVuSerif.ttf"}));

    // Installed for this user and drawn from there; the carried copy is gone.
    const QString installed = layout.fonts.userFontFolder() + "/DejaVuSerif.ttf";
    EXPECT_TRUE(QFile::exists(installed));
    EXPECT_EQ(catalogue.FontFilePath("DejaVu Serif"), installed);
    EXPECT_FALSE(QFile::exists(layout.serifCopy));
    EXPECT_TRUE(QFile::exists(layout.monoCopy));
    EXPECT_FALSE(prompts.busy());

    // A new catalogue, as after a restart, finds it too.
    FontCatalogue later;
    EXPECT_EQ(later.Status("DejaVu Serif"), FontStatus::Installed);
}

TEST(MissingFontInstaller, OneOfTwoInstalledThenDoneAsksAgainForTheOther)
{
    CarriedFonts layout;
    FontCatalogue catalogue;
    QString missing = "DejaVu Serif\r\nDejaVu Sans Mono\r\n";

    QueuedPrompts prompts({Answer::Ok, Answer::Cancel});
    ScriptedFontInstallView view;
    view.queue({{"DejaVuSerif.ttf"}, true});
    MissingFontInstaller installer(catalogue, prompts, view);

    EXPECT_FALSE(installer.Run(missing, layout.workFolder.path(), layout.workFolder.path()));
    EXPECT_EQ(missing, "DejaVu Sans Mono\r\n");
    ASSERT_EQ(prompts.shown().size(), 2);
    EXPECT_EQ(prompts.shown()[0], kTwoFontsMessage);
    EXPECT_TRUE(prompts.shown()[1].startsWith("                           MISSING FONT\n\n"));
    EXPECT_TRUE(prompts.shown()[1].contains("\r\n                          DejaVu Sans Mono\r\n"));
    EXPECT_FALSE(prompts.shown()[1].contains("DejaVu Serif"));
    EXPECT_EQ(view.shownFaces().size(), 1);
}

TEST(MissingFontInstaller, InstallingTheOtherOnTheSecondPassFinishes)
{
    CarriedFonts layout;
    FontCatalogue catalogue;
    QString missing = "DejaVu Serif\r\nDejaVu Sans Mono\r\n";

    QueuedPrompts prompts({Answer::Ok, Answer::Ok});
    ScriptedFontInstallView view;
    view.queue({{"DejaVuSerif.ttf"}, true});
    view.queue({{"DejaVuSansMono.ttf"}, true});
    MissingFontInstaller installer(catalogue, prompts, view);

    EXPECT_TRUE(installer.Run(missing, layout.workFolder.path(), layout.workFolder.path()));
    EXPECT_TRUE(missing.isEmpty());
    ASSERT_EQ(view.shownFaces().size(), 2);
    EXPECT_EQ(view.shownFaces()[1], QStringList{"DejaVu Sans Mono"});
    EXPECT_EQ(view.shownFiles()[1], QStringList{"DejaVuSansMono.ttf"}); // the installed one's copy is gone
    EXPECT_EQ(prompts.pendingAnswers(), 0);
}

TEST(MissingFontInstaller, CancelOrClosingTheDialogAbandons)
{
    const struct {
        const char *name;
        QList<Answer> answers;
        QList<Visit> visits;
        int messages;
        int showings;
    } cases[] = {
        {"cancel in the message", {Answer::Cancel}, {}, 1, 0},
        {"dialog closed", {Answer::Ok}, {Visit{{}, false}}, 1, 1},
        {"dialog closed after an install", {Answer::Ok}, {Visit{{"DejaVuSerif.ttf"}, false}}, 1, 1},
        {"done without installing, then cancel", {Answer::Ok, Answer::Cancel}, {Visit{{}, true}}, 2, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CarriedFonts layout;
        FontCatalogue catalogue;
        QString missing = "DejaVu Serif\r\n";
        QueuedPrompts prompts(c.answers);
        ScriptedFontInstallView view;
        for (const Visit &v : c.visits)
            view.queue(v);
        MissingFontInstaller installer(catalogue, prompts, view);

        EXPECT_FALSE(installer.Run(missing, layout.workFolder.path(), layout.workFolder.path()));
        EXPECT_EQ(missing, "DejaVu Serif\r\n");
        EXPECT_EQ(prompts.shown().size(), c.messages);
        EXPECT_EQ(view.shownFaces().size(), c.showings);
        EXPECT_TRUE(QFile::exists(layout.serifCopy));
    }
}

TEST(MissingFontInstaller, NothingMissingAsksNothing)
{
    PrivateFonts fonts;
    FontCatalogue catalogue;
    QueuedPrompts prompts;
    ScriptedFontInstallView view;
    QString missing;
    EXPECT_TRUE(MissingFontInstaller(catalogue, prompts, view).Run(missing, {}, {}));
    EXPECT_TRUE(prompts.shown().isEmpty());
}

// Fonts installed while the dialog is up, by any means, are found.
class InstallBehindTheDialog : public FontInstallView {
public:
    explicit InstallBehindTheDialog(QString target) : m_target(std::move(target)) {}
    bool ShowMissingFonts(FontInstallModel &) override { return QFile::copy(test::kDejaVuSerif, m_target); }

private:
    QString m_target;
};

TEST(MissingFontInstaller, FontsInstalledByOtherMeansAreFound)
{
    CarriedFonts layout;
    FontCatalogue catalogue;
    QString missing = "DejaVu Serif\r\n";
    QueuedPrompts prompts({Answer::Ok});
    InstallBehindTheDialog view(layout.fonts.fontFolder() + "/DejaVuSerif.ttf");
    EXPECT_TRUE(MissingFontInstaller(catalogue, prompts, view).Run(missing, layout.workFolder.path(), {}));
    EXPECT_TRUE(missing.isEmpty());
}

} // namespace
} // namespace zorvan
