#include "assets/fontcatalogue.h"
#include "assets/fontinstallview.h"
#include "assets/openedlayoutfonts.h"
#include "document/container.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"

#include "privatefonts.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace zorvan {
namespace {

using test::PrivateFonts;

std::unique_ptr<MenuData> Layout()
{
    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = 1;
    doc->NumberOfRows = 2;
    doc->strip(0, 0).MainItemTextParams.Font = "DejaVu Serif";
    doc->strip(0, 0).MainItemTextParams.Text = "Burger";
    doc->strip(0, 0).PricesTextParams.Font = "Arial";
    doc->strip(0, 0).PricesTextParams.Text = "4.99";
    doc->strip(0, 1).MainItemTextParams.Font = "DejaVu Sans";
    doc->strip(0, 1).MainItemTextParams.Text = "Fries";
    return doc;
}

// Saves the layout as a container the way the editor does after drawing it
// for output: the used fonts' files in the work folder and in the font list.
QString Save(const MenuData &doc, const QString &folder, const QString &usedFontList, const QStringList &fontFiles)
{
    const QString work = folder + "/work";
    QDir().mkpath(work);
    QImage background(64, 48, QImage::Format_RGB32);
    background.fill(Qt::darkRed);
    background.save(work + "/Background.jpg", "JPEG");
    for (const QString &file : fontFiles)
        QFile::copy(file, work + '/' + QFileInfo(file).fileName());
    ContainerSources sources;
    sources.workFolder = work;
    sources.usedFontList = usedFontList;
    QueuedPrompts prompts;
    const QString path = folder + "/Menu_LAYOUT.ZORVAN";
    const PackResult packed = PackContainer(path, doc, sources, prompts);
    EXPECT_TRUE(packed.ok) << packed.error.toStdString();
    return path;
}

// Unpacks and reads a container into a fresh work folder, as Open does.
std::unique_ptr<MenuData> Open(const QString &container, const QString &workFolder)
{
    const UnpackResult unpacked = UnpackContainer(container, workFolder);
    EXPECT_TRUE(unpacked.ok) << unpacked.error.toStdString();
    QString text;
    QString error;
    EXPECT_TRUE(ReadLayoutTextFile(workFolder + "/Layout.XZORVAN", &text, &error)) << error.toStdString();
    auto doc = std::make_unique<MenuData>();
    EXPECT_TRUE(ReadLayoutText(text, *doc).ok);
    return doc;
}

TEST(FontsTravel, ALayoutMadeHereReopensHereWithoutAStop)
{
    PrivateFonts fonts;
    const QString serif = fonts.install(test::kDejaVuSerif, "DejaVuSerif.ttf");
    const QString sans = fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
    fonts.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
    QTemporaryDir saved;
    // Arial draws with its stand-in and is not collected.
    const QString container = Save(*Layout(), saved.path(),
                                   "DejaVu Serif,DejaVuSerif.ttf;DejaVu Sans,DejaVuSans.ttf;", {serif, sans});

    QTemporaryDir workFolder;
    const std::unique_ptr<MenuData> doc = Open(container, workFolder.path());
    FontCatalogue catalogue;
    QueuedPrompts prompts;
    ScriptedFontInstallView view;
    const OpenedLayoutFonts opened =
        CheckOpenedLayoutFonts(*doc, catalogue, workFolder.path(), workFolder.path(), prompts, view);

    EXPECT_TRUE(opened.proceed);
    EXPECT_TRUE(opened.missingFontList.isEmpty());
    EXPECT_TRUE(prompts.shown().isEmpty());
    EXPECT_TRUE(view.shownFaces().isEmpty());
    // The carried copies are not needed on this machine.
    EXPECT_EQ(opened.deletedFiles, QStringList({workFolder.filePath("DejaVuSerif.ttf"), workFolder.filePath("DejaVuSans.ttf")}));
}

TEST(FontsTravel, AContainerCarryingAMissingFontOpensAfterTheUserInstallsIt)
{
    QTemporaryDir saved;
    QString container;
    {
        PrivateFonts madeOn;
        const QString serif = madeOn.install(test::kDejaVuSerif, "DejaVuSerif.ttf");
        container = Save(*Layout(), saved.path(), "DejaVu Serif,DejaVuSerif.ttf;", {serif});
    }

    PrivateFonts openedOn;
    openedOn.install(test::kDejaVuSans, "DejaVuSans.ttf");
    openedOn.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
    QTemporaryDir workFolder;
    const std::unique_ptr<MenuData> doc = Open(container, workFolder.path());
    FontCatalogue catalogue;
    ASSERT_EQ(catalogue.Status("DejaVu Serif"), FontStatus::Missing);

    QueuedPrompts prompts({Answer::Ok});
    ScriptedFontInstallView view;
    view.queue({{"DejaVuSerif.ttf"}, true});
    const OpenedLayoutFonts opened =
        CheckOpenedLayoutFonts(*doc, catalogue, workFolder.path(), workFolder.path(), prompts, view);

    EXPECT_TRUE(opened.proceed);
    EXPECT_TRUE(opened.missingFontList.isEmpty());
    ASSERT_EQ(prompts.shown().size(), 1);
    EXPECT_TRUE(prompts.shown()[0].contains("MISSING FONT\n"));
    ASSERT_EQ(view.shownFaces().size(), 1);
    EXPECT_EQ(view.shownFaces()[0], QStringList{"DejaVu Serif"});
    EXPECT_EQ(view.shownFiles()[0], QStringList{"DejaVuSerif.ttf"});
    EXPECT_TRUE(QFile::exists(openedOn.userFontFolder() + "/DejaVuSerif.ttf"));
    EXPECT_EQ(FontCatalogue().Status("DejaVu Serif"), FontStatus::Installed);
}

TEST(FontsTravel, CancellingTheInstallationAbandonsTheOpening)
{
    QTemporaryDir saved;
    QString container;
    {
        PrivateFonts madeOn;
        const QString serif = madeOn.install(test::kDejaVuSerif, "DejaVuSerif.ttf");
        container = Save(*Layout(), saved.path(), "DejaVu Serif,DejaVuSerif.ttf;", {serif});
    }
    PrivateFonts openedOn;
    QTemporaryDir workFolder;
    const std::unique_ptr<MenuData> doc = Open(container, workFolder.path());
    FontCatalogue catalogue;
    QueuedPrompts prompts({Answer::Cancel});
    ScriptedFontInstallView view;
    const OpenedLayoutFonts opened =
        CheckOpenedLayoutFonts(*doc, catalogue, workFolder.path(), workFolder.path(), prompts, view);

    EXPECT_FALSE(opened.proceed);
    // Arial's stand-in is not installed on this machine either.
    EXPECT_EQ(opened.missingFontList, "DejaVu Serif\r\nArial\r\nDejaVu Sans\r\n");
    EXPECT_TRUE(view.shownFaces().isEmpty());
    EXPECT_TRUE(QFile::exists(workFolder.filePath("DejaVuSerif.ttf")));
}

} // namespace
} // namespace zorvan
