#include "fakeservices.h"

#include "editing/autosave.h"
#include "editing/controlids.h"
#include "render/strippicture.h"

#include "tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

QString WriteJpeg(const QString &path, int width, int height, const QColor &colour = QColor(100, 100, 100))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QImageWriter writer(path, "jpeg");
    EXPECT_TRUE(writer.write(image)) << qPrintable(path);
    return path;
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PictureCommandsTest : public ::testing::Test {
protected:
    test::TempDir temp;
    QString work = temp.file(QStringLiteral("Trelmont/QRT100"));
    test::EditorFixture f{work};
    QString pictures = temp.file(QStringLiteral("Pictures"));

    PictureCommandsTest() { QDir().mkpath(pictures); }

    void run(int id, bool alt = false) { ASSERT_TRUE(f.editor.RunCommand(CommandEvent{id, false, alt})) << id; }

    QString picture(const QString &name, int width = 640, int height = 480)
    {
        return WriteJpeg(pictures + QLatin1Char('/') + name, width, height);
    }

    // A 2000 x 1000 background loaded through the menu's "&Open...".
    void loadBackground()
    {
        f.dialogs.files.push_back(WriteJpeg(pictures + QStringLiteral("/Menu.jpg"), 2000, 1000, Qt::black));
        run(MenuOpen);
    }

    StripData &strip(int column, int row) { return f.editor.document().strip(column, row); }

    void enterPictureMode(int column, int row)
    {
        f.editor.modes().picture = true;
        f.editor.selection().pictureEditStrip = {column, row};
    }
};

TEST_F(PictureCommandsTest, LoadBackgroundCopiesItMakesItsProxyAndMarksTheLayoutModified)
{
    loadBackground();
    ASSERT_EQ(f.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(f.dialogs.fileDialogs[0].title, QStringLiteral("Open Menu Background jpg Image File"));
    EXPECT_EQ(f.dialogs.fileDialogs[0].filter, QStringLiteral("ZORVAN Backgroundfile (*.jpg)|*.jpg||"));
    EXPECT_EQ(f.dialogs.fileDialogs[0].folder, QStringLiteral("/nonexistent/program/"));
    EXPECT_EQ(f.editor.document().BackgroundPath, pictures + QStringLiteral("/Menu.jpg"));
    EXPECT_EQ(f.editor.currentFilePath(), pictures + QStringLiteral("/Menu.jpg"));
    EXPECT_EQ(Bytes(work + QStringLiteral("/Background.jpg")), Bytes(pictures + QStringLiteral("/Menu.jpg")));
    EXPECT_EQ(QImageReader(work + QStringLiteral("/Background_Proxy.jpg")).size(), QSize(1600, 800));
    EXPECT_TRUE(f.editor.render().backgroundProxyInUse);
    EXPECT_EQ(f.editor.render().imageWidth, 1600) << "the preview draws from the proxy";
    EXPECT_EQ(f.editor.lastUsedFolder(), pictures);
    EXPECT_TRUE(f.editor.document().Modified);
    EXPECT_TRUE(f.dialogs.texts.isEmpty());
    // The work folder's background changed: what a crash would bring back names it at once.
    EXPECT_TRUE(HasAutosave(work));
}

TEST_F(PictureCommandsTest, LoadBackgroundCancelledAtTheSaveQuestionOrTheDialog)
{
    f.editor.document().Modified = true;
    f.dialogs.answers.push_back(MessageAnswer::Cancel);
    f.dialogs.files.push_back(picture(QStringLiteral("Menu.jpg")));
    run(MenuOpen);
    EXPECT_TRUE(f.dialogs.fileDialogs.isEmpty());
    EXPECT_TRUE(f.editor.document().BackgroundPath.isEmpty());

    f.dialogs.files.clear();
    f.editor.document().Modified = false;
    run(MenuOpen);
    EXPECT_EQ(f.dialogs.fileDialogs.size(), 1);
    EXPECT_TRUE(f.editor.document().BackgroundPath.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/Background.jpg")));
}

TEST_F(PictureCommandsTest, UnreadableBackgroundSaysSo)
{
    const QString broken = pictures + QStringLiteral("/Broken.jpg");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no picture");
    file.close();
    f.dialogs.files.push_back(broken);
    run(MenuOpen);
    EXPECT_EQ(f.dialogs.texts, QStringList{QStringLiteral("Sorry! Pictorix does not support this image format!")});
    // Refused before it replaced anything: the layout keeps no background rather than an unreadable one.
    EXPECT_TRUE(f.editor.document().BackgroundPath.isEmpty());
    EXPECT_FALSE(f.editor.document().Modified);
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/Background.jpg")));
}

TEST_F(PictureCommandsTest, LoadPictureInPictureModeImportsForTheSelectedStrip)
{
    loadBackground();
    enterPictureMode(1, 2);
    f.dialogs.files.push_back(picture(QStringLiteral("Burger.JPG")));
    run(LoadPicture);
    EXPECT_EQ(f.dialogs.fileDialogs.last().title, QStringLiteral("Open Picture File"));
    EXPECT_EQ(f.dialogs.fileDialogs.last().filter,
              QStringLiteral("Picture*.jpg;*.jpeg;*.gif;*.png|*.jpg;*.jpeg;*.gif;*.png||"));
    EXPECT_EQ(f.dialogs.fileDialogs.last().folder, QStringLiteral("/nonexistent/program/"));
    EXPECT_EQ(strip(1, 2).SubImageFileName, work + QStringLiteral("/Burger.jpg"));
    EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/Burger_Proxy.jpg")));
    EXPECT_TRUE(f.editor.render().pictureProxiesInUse);
    EXPECT_EQ(f.editor.undo().entries.size(), 1u);
    EXPECT_TRUE(f.editor.undo().entries.back().data.SubImageFileName.isEmpty());
    EXPECT_EQ(f.editor.status(), QStringLiteral("EDIT MODE:  IDLE"));
    EXPECT_TRUE(f.editor.document().Modified);

    // The next dialog opens where the last picture came from; the same picture gets a free name.
    f.dialogs.files.push_back(pictures + QStringLiteral("/Burger.JPG"));
    run(LoadPicture);
    EXPECT_EQ(f.dialogs.fileDialogs.last().folder, pictures);
    EXPECT_EQ(strip(1, 2).SubImageFileName, work + QStringLiteral("/Burger(1).jpg"));
}

TEST_F(PictureCommandsTest, LoadPictureInTextModeLinksTheFileWhereItLies)
{
    loadBackground();
    f.editor.modes().text = true;
    f.editor.selection().textEditStrip = {0, 3};
    const QString chosen = picture(QStringLiteral("Fries.jpg"));
    f.dialogs.files.push_back(chosen);
    run(LoadPicture);
    EXPECT_EQ(strip(0, 3).SubImageFileName, chosen);
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/Fries.jpg")));
    EXPECT_FALSE(QFileInfo::exists(pictures + QStringLiteral("/Fries_Proxy.jpg")));
}

TEST_F(PictureCommandsTest, LoadPictureOutsideTheStripModesChangesNothing)
{
    loadBackground();
    f.dialogs.files.push_back(picture(QStringLiteral("Fries.jpg")));
    run(LoadPicture);
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/Fries.jpg")));
    EXPECT_TRUE(strip(0, 0).SubImageFileName.isEmpty());
}

TEST_F(PictureCommandsTest, DeletePictureKeepsTheFiles)
{
    loadBackground();
    enterPictureMode(0, 0);
    f.dialogs.files.push_back(picture(QStringLiteral("Taco.jpg")));
    run(LoadPicture);
    strip(0, 0).SubImageFrameIndex = 3;
    enterPictureMode(0, 0);
    run(DeletePicture);
    EXPECT_TRUE(strip(0, 0).SubImageFileName.isEmpty());
    EXPECT_EQ(strip(0, 0).SubImageFrameIndex, 0);
    EXPECT_FALSE(f.editor.modes().picture);
    EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/Taco.jpg")));
    EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/Taco_Proxy.jpg")));
    EXPECT_FALSE(f.panel.isEnabled(DeletePicture));
    EXPECT_FALSE(f.panel.isEnabled(BrightnessPlus));
}

TEST_F(PictureCommandsTest, BrightnessRemakesTheProxyAndLeavesThePicture)
{
    loadBackground();
    enterPictureMode(0, 0);
    f.dialogs.files.push_back(picture(QStringLiteral("Soup.jpg")));
    run(LoadPicture);
    enterPictureMode(0, 0);
    f.editor.document().Modified = false;
    const QByteArray before = Bytes(strip(0, 0).SubImageFileName);
    run(BrightnessPlus);
    run(BrightnessPlus);
    EXPECT_EQ(strip(0, 0).SubImageBrightnessFactor, 40);
    EXPECT_EQ(Bytes(strip(0, 0).SubImageFileName), before);
    QImageReader reader(work + QStringLiteral("/Soup_Proxy.jpg"));
    const QImage proxy = reader.read();
    EXPECT_NEAR(qRed(proxy.pixel(5, 5)), 115, 5);
    EXPECT_FALSE(f.editor.document().Modified) << "brightness does not mark the layout modified";
    run(BrightnessMinus);
    EXPECT_EQ(strip(0, 0).SubImageBrightnessFactor, 20);
}

TEST_F(PictureCommandsTest, ZoomAndPanFollowTheCrop)
{
    loadBackground();
    enterPictureMode(0, 0);
    f.dialogs.files.push_back(picture(QStringLiteral("Cake.jpg")));
    run(LoadPicture);
    enterPictureMode(0, 0);
    run(HorizPlus);
    EXPECT_EQ(strip(0, 0).SubImageCropPercentageX, 96);
    EXPECT_EQ(strip(0, 0).SubImageCropPercentageY, 100);
    EXPECT_TRUE(f.panel.isEnabled(PanLabel));
    EXPECT_TRUE(f.panel.isEnabled(PanLeft));
    EXPECT_TRUE(f.panel.isEnabled(PanRight));
    EXPECT_FALSE(f.panel.isEnabled(PanUp));
    EXPECT_FALSE(f.panel.isEnabled(PanDown));
    EXPECT_TRUE(f.editor.document().Modified);

    run(PanRight);
    EXPECT_EQ(strip(0, 0).SubImageCropOriginPercentageX, 2) << "96 + 2 is not below 100 - 4";
    run(PanRight, true);
    EXPECT_EQ(strip(0, 0).SubImageCropOriginPercentageX, 3);
    run(HorizMinus);
    EXPECT_EQ(strip(0, 0).SubImageCropPercentageX, 99) << "cut back so that crop + origin ends at 100";
    EXPECT_EQ(strip(0, 0).SubImageCropOriginPercentageX, 1);
    run(ZoomMinus);
    EXPECT_EQ(strip(0, 0).SubImageCropPercentageX, 99) << "the vertical axis is already whole";
    run(ZoomPlus);
    EXPECT_EQ(strip(0, 0).SubImageCropPercentageX, 95);
    EXPECT_EQ(strip(0, 0).SubImageCropPercentageY, 96);
    EXPECT_TRUE(f.panel.isEnabled(PanUp));
    EXPECT_TRUE(f.panel.isEnabled(PanDown));
}

TEST_F(PictureCommandsTest, PreviewDrawsLargePicturesFromTheirProxies)
{
    loadBackground();
    enterPictureMode(1, 1);
    f.dialogs.files.push_back(picture(QStringLiteral("Pizza.jpg"), 2400, 1800));
    run(LoadPicture);
    bool fromProxy = false;
    const QString drawn = PictureDrawPath(strip(1, 1).SubImageFileName, f.editor.render().pictureProxiesInUse, &fromProxy);
    EXPECT_TRUE(fromProxy);
    EXPECT_EQ(drawn, work + QStringLiteral("/Pizza_Proxy.jpg"));
    EXPECT_EQ(QImageReader(drawn).size(), QSize(1600, 1200));
    EXPECT_EQ(QImageReader(strip(1, 1).SubImageFileName).size(), QSize(2400, 1800));
}

} // namespace
} // namespace zorvan
