#include "fakeservices.h"

#include "document/layoutpaths.h"
#include "document/layouttext.h"
#include "document/legacymigration.h"
#include "editing/controlids.h"
#include "editing/openlayout.h"

#include "tempdir.h"
#include "zipfixture.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMap>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

QByteArray JpegOf(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

QByteArray StoredLayout(const MenuData &doc, const QString &background = QStringLiteral("Background.jpg"))
{
    return EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(doc, background)));
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every file of a folder with its bytes.
QMap<QString, QByteArray> FolderContents(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
        contents[QDir(folder).relativeFilePath(path)] = file.readAll();
    }
    return contents;
}

// A small layout: grid of 3 x 4, a strip with a fill and a picture, one with text only.
std::unique_ptr<MenuData> SmallLayout(const QString &mainText = QStringLiteral("Burger"))
{
    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = 3;
    doc->NumberOfRows = 4;
    StripData &filled = doc->strip(0, 0);
    filled.BackGroundColor = MakeColour(200, 10, 10);
    filled.SubImageFileName = QStringLiteral("C:\\Menus\\Fries.jpg");
    filled.MainItemTextParams.Text = mainText;
    filled.MainItemTextParams.Font = QStringLiteral("DejaVu Sans");
    StripData &text = doc->strip(2, 1);
    text.BackGroundColor = MakeColour(10, 10, 200);
    text.PricesTextParams.Text = QStringLiteral("4.99");
    text.PricesTextParams.Font = QStringLiteral("DejaVu Sans");
    return doc;
}

class OpenLayoutTest : public ::testing::Test {
protected:
    test::TempDir temp;
    QString work = temp.file(QStringLiteral("Trelmont/QRT100"));
    QString menus = temp.file(QStringLiteral("Menus"));
    test::EditorFixture f{work};

    OpenLayoutTest() { QDir().mkpath(menus); }

    // A container with the layout, a 2000 x 1000 background and the picture.
    QString writeContainer(const QString &name, const MenuData &doc, const QColor &background = Qt::darkGreen)
    {
        const QString path = menus + QLatin1Char('/') + name;
        EXPECT_TRUE(test::WriteZip(path, {{"Layout.XZORVAN", StoredLayout(doc)},
                                          {"Background.jpg", JpegOf(2000, 1000, background)},
                                          {"Fries.jpg", JpegOf(64, 48, Qt::yellow)}}));
        return path;
    }

    void open(const QString &path)
    {
        f.dialogs.files.push_back(path);
        ASSERT_TRUE(f.editor.RunCommand(CommandEvent{ctl::OpenLayout, false, false}));
    }

    // The state a failed opening must not touch.
    struct Snapshot {
        MenuData doc;
        QString title;
        LayoutFileState files;
        QMap<QString, QByteArray> workFiles;
        bool whitePrint = false;
    };
    std::unique_ptr<Snapshot> snapshot()
    {
        auto s = std::make_unique<Snapshot>();
        s->doc = f.editor.document();
        s->title = f.editor.title();
        s->files = f.editor.files();
        s->workFiles = FolderContents(work);
        s->whitePrint = f.editor.whitePrint();
        return s;
    }
    void expectUnchanged(const Snapshot &before)
    {
        EXPECT_TRUE(f.editor.document() == before.doc);
        EXPECT_EQ(f.editor.title(), before.title);
        EXPECT_EQ(f.editor.files().layoutFileName, before.files.layoutFileName);
        EXPECT_EQ(f.editor.files().currentFilePath, before.files.currentFilePath);
        EXPECT_EQ(f.editor.files().fromContainer, before.files.fromContainer);
        EXPECT_EQ(FolderContents(work), before.workFiles);
        EXPECT_EQ(f.editor.whitePrint(), before.whitePrint);
    }
};

TEST_F(OpenLayoutTest, AContainerOpensIntoTheWorkFolderAndLeavesTheEditorIdle)
{
    const auto layout = SmallLayout();
    const QString path = writeContainer(QStringLiteral("Lunch_LAYOUT.ZORVAN"), *layout);
    f.editor.modes().text = true;
    f.editor.undo().entries.push_back(UndoEntry{});
    f.editor.undo().index = 0;
    f.editor.group().members.push_back({0, 0});
    open(path);

    ASSERT_EQ(f.dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(f.dialogs.fileDialogs[0].title, QStringLiteral("Open ZorvanLayout File"));
    EXPECT_EQ(f.dialogs.fileDialogs[0].filter,
              QStringLiteral("ZorvanLayout File*.XZORVAN;*.ZORVAN;*_TV.jpg;*_BGND.jpg|*.XZORVAN;*.ZORVAN;*_TV.jpg;*_BGND.jpg||"));
    EXPECT_EQ(f.dialogs.fileDialogs[0].folder, QStringLiteral("/nonexistent/program/"));
    EXPECT_TRUE(f.dialogs.texts.isEmpty()) << qPrintable(f.dialogs.texts.join(QLatin1Char('|')));

    const MenuData &doc = f.editor.document();
    EXPECT_EQ(doc.NumberOfColumns, 3);
    EXPECT_EQ(doc.NumberOfRows, 4);
    EXPECT_EQ(doc.strip(0, 0).MainItemTextParams.Text, QStringLiteral("Burger"));
    EXPECT_EQ(doc.strip(0, 0).SubImageFileName, work + QStringLiteral("/Fries.jpg"));
    EXPECT_EQ(doc.strip(2, 1).PricesTextParams.Text, QStringLiteral("4.99"));
    EXPECT_EQ(doc.BackgroundPath, work + QStringLiteral("/Background.jpg"));
    EXPECT_FALSE(doc.Modified);

    const LayoutFileState &files = f.editor.files();
    EXPECT_TRUE(files.fromContainer);
    EXPECT_EQ(files.layoutFileName, QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    EXPECT_EQ(files.currentFilePath, QStringLiteral("Background.jpg"));
    EXPECT_EQ(files.fileFolder, menus);
    EXPECT_EQ(files.lastLayoutFolder, menus + QLatin1Char('/'));
    EXPECT_FALSE(files.migrationPending);
    EXPECT_EQ(f.editor.title(), TitleText(QStringLiteral("Lunch_LAYOUT.ZORVAN")));

    EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/Layout.XZORVAN")));
    EXPECT_EQ(QImageReader(work + QStringLiteral("/Background_Proxy.jpg")).size(), QSize(1600, 800));
    EXPECT_TRUE(f.editor.render().backgroundProxyInUse);
    EXPECT_GT(f.editor.render().imageWidth, 0);

    EXPECT_FALSE(f.editor.modes().anyStripMode());
    EXPECT_EQ(f.editor.status(), kStatusIdle);
    EXPECT_TRUE(f.editor.undo().entries.empty());
    EXPECT_TRUE(f.editor.group().members.empty());
    EXPECT_TRUE(f.panel.isChecked(AllText));
    EXPECT_FALSE(f.panel.isChecked(SelectedText));
    EXPECT_TRUE(f.panel.isChecked(Micro));
    for (int id : {MoveUp, MoveDown, SizeUp, SizeDown, LoadPicture, Micro, Macro, BrightnessPlus, LineSpacingUp})
        EXPECT_FALSE(f.panel.state(id).enabled) << id;
    EXPECT_TRUE(f.panel.state(SaveLayout).enabled);
    EXPECT_EQ(f.window.clickDiscards, 1);
    EXPECT_EQ(f.window.waits, 0);

    // The next opening starts in the folder of this one.
    f.dialogs.files.clear();
    ASSERT_TRUE(f.editor.RunCommand(CommandEvent{ctl::OpenLayout, false, false}));
    EXPECT_EQ(f.dialogs.fileDialogs.last().folder, menus + QLatin1Char('/'));
}

TEST_F(OpenLayoutTest, ATvImageStandsForItsContainerAndTheWhitePrintStateComesFromTheLayout)
{
    struct Case {
        const char *chosen;
        const char *container;
        bool whitePrint;
    };
    const Case cases[] = {
        {"Lunch_TV.jpg", "Lunch_LAYOUT.ZORVAN", false},
        {"Lunch_TV_WHITE_PRINT_BGND.jpg", "Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.chosen);
        auto layout = SmallLayout(QString::fromLatin1(c.container));
        layout->WhitePrintBackground = c.whitePrint;
        writeContainer(QString::fromLatin1(c.container), *layout);
        // Opening never keeps the box as it was before.
        f.editor.SetWhitePrint(!c.whitePrint);
        open(menus + QLatin1Char('/') + QString::fromLatin1(c.chosen));
        EXPECT_EQ(f.editor.document().strip(0, 0).MainItemTextParams.Text, QString::fromLatin1(c.container));
        EXPECT_EQ(f.editor.files().layoutFileName, QString::fromLatin1(c.container));
        EXPECT_EQ(f.editor.whitePrint(), c.whitePrint);
        EXPECT_EQ(f.panel.isChecked(WhitePrint), c.whitePrint);
        EXPECT_EQ(f.editor.title(), TitleText(QString::fromLatin1(c.container)));
    }
}

TEST_F(OpenLayoutTest, TvNamesMapOnlyInTheFileName)
{
    EXPECT_EQ(LayoutPathForChosenFile(QStringLiteral("/m/Lunch_TV.jpg")), QStringLiteral("/m/Lunch_LAYOUT.ZORVAN"));
    EXPECT_EQ(LayoutPathForChosenFile(QStringLiteral("/m_TV/Lunch_LAYOUT.ZORVAN")),
              QStringLiteral("/m_TV/Lunch_LAYOUT.ZORVAN"));
    EXPECT_EQ(LayoutPathForChosenFile(QStringLiteral("C:\\a_TV.jpg\\Lunch_TV.jpg")),
              QStringLiteral("C:\\a_TV.jpg\\Lunch_LAYOUT.ZORVAN"));
    EXPECT_EQ(LayoutPathForChosenFile(QStringLiteral("/m/ZorvanLayout_Lunch.XZORVAN")),
              QStringLiteral("/m/ZorvanLayout_Lunch.XZORVAN"));

    // A container kept in a folder whose name holds "_TV" opens.
    const QString folder = temp.file(QStringLiteral("Boards_TV"));
    QDir().mkpath(folder);
    const auto layout = SmallLayout();
    const QString path = folder + QStringLiteral("/Lunch_LAYOUT.ZORVAN");
    ASSERT_TRUE(test::WriteZip(path, {{"Layout.XZORVAN", StoredLayout(*layout)},
                                      {"Background.jpg", JpegOf(64, 48, Qt::blue)}}));
    open(path);
    EXPECT_TRUE(f.dialogs.texts.isEmpty());
    EXPECT_EQ(f.editor.files().layoutFileName, QStringLiteral("Lunch_LAYOUT.ZORVAN"));
}

TEST_F(OpenLayoutTest, AFailedOrAbandonedOpenLeavesTheOpenLayoutAsItWas)
{
    const auto layout = SmallLayout();
    open(writeContainer(QStringLiteral("Lunch_LAYOUT.ZORVAN"), *layout));
    ASSERT_TRUE(f.dialogs.texts.isEmpty());

    auto tooWide = SmallLayout();
    tooWide->NumberOfColumns = 9;
    auto noRows = SmallLayout();
    noRows->NumberOfRows = 0;
    const QString unable = QStringLiteral("Unable to open file\r\n\r\n%1\r\n\r\nPress OK to continue.");

    struct Case {
        const char *name;
        std::function<QString()> make; // the file chosen
        std::function<QString(const QString &)> shown; // the path the message names
    };
    const auto same = [](const QString &p) { return p; };
    const QList<Case> cases = {
        {"tv image without its container",
         [&] { return WriteBytes(menus + QStringLiteral("/Dinner_TV.jpg"), JpegOf(64, 48, Qt::red))
                          ? menus + QStringLiteral("/Dinner_TV.jpg") : QString(); },
         [&](const QString &) { return menus + QStringLiteral("/Dinner_LAYOUT.ZORVAN"); }},
        {"file that does not exist", [&] { return menus + QStringLiteral("/Gone_LAYOUT.ZORVAN"); }, same},
        {"not an archive",
         [&] { WriteBytes(menus + QStringLiteral("/Junk_LAYOUT.ZORVAN"), "PK but not really");
               return menus + QStringLiteral("/Junk_LAYOUT.ZORVAN"); }, same},
        {"container without a layout text",
         [&] { test::WriteZip(menus + QStringLiteral("/Empty_LAYOUT.ZORVAN"),
                              {{"Background.jpg", JpegOf(64, 48, Qt::red)}, {"Other.jpg", JpegOf(8, 8, Qt::red)}});
               return menus + QStringLiteral("/Empty_LAYOUT.ZORVAN"); }, same},
        {"container whose text is no layout",
         [&] { test::WriteZip(menus + QStringLiteral("/Text_LAYOUT.ZORVAN"),
                              {{"Layout.XZORVAN", EncodeLayoutBytes(QStringLiteral("hello"))},
                               {"Background.jpg", JpegOf(64, 48, Qt::red)}});
               return menus + QStringLiteral("/Text_LAYOUT.ZORVAN"); }, same},
        {"grid of nine columns", [&] { return writeContainer(QStringLiteral("Wide_LAYOUT.ZORVAN"), *tooWide); }, same},
        {"grid of no rows", [&] { return writeContainer(QStringLiteral("Flat_LAYOUT.ZORVAN"), *noRows); }, same},
        {"legacy text that is no layout",
         [&] { WriteBytes(menus + QStringLiteral("/ZorvanLayout_Junk.XZORVAN"), QByteArray(1000, 'x'));
               return menus + QStringLiteral("/ZorvanLayout_Junk.XZORVAN"); }, same},
        {"a picture chosen as a layout",
         [&] { WriteBytes(menus + QStringLiteral("/Menu_BGND.jpg"), JpegOf(64, 48, Qt::red));
               return menus + QStringLiteral("/Menu_BGND.jpg"); }, same},
        {"a folder", [&] { QDir().mkpath(menus + QStringLiteral("/Folder.ZORVAN"));
                          return menus + QStringLiteral("/Folder.ZORVAN"); }, same},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = snapshot();
        f.dialogs.texts.clear();
        const QString chosen = c.make();
        open(chosen);
        ASSERT_EQ(f.dialogs.texts.size(), 1);
        EXPECT_EQ(f.dialogs.texts[0], unable.arg(c.shown(chosen)));
        expectUnchanged(*before);
        EXPECT_EQ(f.window.waits, 0);
    }
}

TEST_F(OpenLayoutTest, CancellingTheSaveQuestionOrTheFileDialogChangesNothing)
{
    const auto layout = SmallLayout();
    const QString path = writeContainer(QStringLiteral("Lunch_LAYOUT.ZORVAN"), *layout);
    open(path);
    f.editor.document().strip(1, 1).MainItemTextParams.Text = QStringLiteral("edited");
    f.editor.document().Modified = true;

    const auto before = snapshot();
    f.dialogs.answers.push_back(MessageAnswer::Cancel);
    open(writeContainer(QStringLiteral("Other_LAYOUT.ZORVAN"), *SmallLayout(QStringLiteral("Other"))));
    EXPECT_EQ(f.dialogs.texts.last(), QStringLiteral("Do you wish to save this image?"));
    expectUnchanged(*before);
    // The board was drawn again: its rectangles are there for the next click.
    EXPECT_GT(f.editor.render().textScreenRects.at(0, 0)[0].width(), 0);

    f.dialogs.files.clear();
    f.dialogs.answers.push_back(MessageAnswer::No);
    ASSERT_TRUE(f.editor.RunCommand(CommandEvent{ctl::OpenLayout, false, false}));
    EXPECT_EQ(f.editor.document().strip(1, 1).MainItemTextParams.Text, QStringLiteral("edited"));
    EXPECT_EQ(f.editor.title(), before->title);
}

TEST_F(OpenLayoutTest, ALegacyLayoutOpensFromItsSupportFolderAndIsOfferedItsConversion)
{
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        SCOPED_TRACE(answer == MessageAnswer::Yes ? "yes" : "no");
        const QString folder = temp.file(answer == MessageAnswer::Yes ? QStringLiteral("Yes") : QStringLiteral("No"));
        auto layout = SmallLayout();
        layout->strip(0, 0).SubImageFileName = QStringLiteral("C:\\Old\\Lunch_SupportFiles\\Fries.jpg");
        const QString text = folder + QStringLiteral("/ZorvanLayout_Lunch.XZORVAN");
        ASSERT_TRUE(WriteBytes(text, StoredLayout(*layout, QStringLiteral("Lunch-ZORVANBGD.jpg"))));
        ASSERT_TRUE(WriteBytes(folder + QStringLiteral("/Lunch_SupportFiles/Lunch-ZORVANBGD.jpg"),
                               JpegOf(640, 360, Qt::darkBlue)));
        ASSERT_TRUE(WriteBytes(folder + QStringLiteral("/Lunch_SupportFiles/Fries.jpg"), JpegOf(64, 48, Qt::yellow)));
        f.dialogs.texts.clear();
        open(text);

        EXPECT_TRUE(f.dialogs.texts.isEmpty()) << qPrintable(f.dialogs.texts.join(QLatin1Char('|')));
        const LayoutFileState &files = f.editor.files();
        EXPECT_FALSE(files.fromContainer);
        EXPECT_EQ(files.legacyFileName, QStringLiteral("ZorvanLayout_Lunch.XZORVAN"));
        EXPECT_EQ(files.layoutFileName, QStringLiteral("Lunch.jpg"));
        EXPECT_EQ(f.editor.title(), TitleText(QStringLiteral("ZorvanLayout_Lunch.XZORVAN")));
        const QString background = folder + QStringLiteral("/Lunch_SupportFiles/Lunch-ZORVANBGD.jpg");
        EXPECT_EQ(f.editor.document().BackgroundPath, background);
        EXPECT_EQ(files.currentFilePath, background);
        EXPECT_EQ(f.editor.document().strip(0, 0).SubImageFileName,
                  folder + QStringLiteral("/Lunch_SupportFiles/Fries.jpg"));
        EXPECT_TRUE(files.migrationPending);
        EXPECT_TRUE(files.collectFonts);
        // A legacy layout draws from its own folder: nothing is unpacked.
        EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/Background.jpg")));

        // The board was shown: the conversion is offered once.
        f.dialogs.answers.push_back(answer);
        f.editor.OfferPendingMigration();
        ASSERT_EQ(f.dialogs.texts.size(), 1);
        EXPECT_EQ(f.dialogs.texts[0],
                  MigrationQuestion(QStringLiteral("ZorvanLayout_Lunch.XZORVAN"), QStringLiteral("Lunch_LAYOUT.ZORVAN")));
        EXPECT_FALSE(f.editor.files().migrationPending);
        f.editor.OfferPendingMigration();
        EXPECT_EQ(f.dialogs.texts.size(), 1);

        const QString container = folder + QStringLiteral("/Lunch_LAYOUT.ZORVAN");
        if (answer == MessageAnswer::Yes) {
            EXPECT_TRUE(QFileInfo::exists(container));
            EXPECT_FALSE(QFileInfo::exists(text));
            EXPECT_TRUE(f.editor.files().fromContainer);
            EXPECT_EQ(f.editor.document().BackgroundPath, work + QStringLiteral("/Background.jpg"));
            EXPECT_EQ(f.editor.title(), TitleText(QStringLiteral("Lunch_LAYOUT.ZORVAN")));
            EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/Fries.jpg")));
        } else {
            EXPECT_FALSE(QFileInfo::exists(container));
            EXPECT_TRUE(QFileInfo::exists(text));
            EXPECT_FALSE(f.editor.files().fromContainer);
            EXPECT_EQ(f.editor.title(), TitleText(QStringLiteral("ZorvanLayout_Lunch.XZORVAN")));
        }
    }
}

TEST_F(OpenLayoutTest, StripsLeftOfOrAboveTheBoardOrOffsetByWholeCellsArePutBack)
{
    auto layout = SmallLayout();
    layout->NumberOfColumns = 3;
    layout->NumberOfRows = 6;
    // A filled strip with text whose box starts left of the board.
    StripData &left = layout->strip(1, 0);
    left.BackGroundColor = MakeColour(0, 120, 0);
    left.XOffsetFactor = -1.5;
    left.MainItemTextParams.Text = QStringLiteral("Left");
    left.MainItemTextParams.Xref = 2.0;
    left.PricesTextParams.Text = QStringLiteral("1.00");
    left.PricesTextParams.Xref = 2.5;
    // A filled strip two whole rows down from its cell, and one a whole column right.
    StripData &down = layout->strip(0, 2);
    down.BackGroundColor = MakeColour(0, 0, 120);
    down.YOffsetFactor = 2.25;
    StripData &right = layout->strip(0, 3);
    right.BackGroundColor = MakeColour(120, 0, 0);
    right.XOffsetFactor = 1.0;
    // A filled strip above the board.
    StripData &above = layout->strip(2, 0);
    above.BackGroundColor = MakeColour(120, 120, 0);
    above.YOffsetFactor = -0.5;
    above.SubItemsTextParams.Text = QStringLiteral("Above");
    above.SubItemsTextParams.Yref = 0.75;
    open(writeContainer(QStringLiteral("Offsets_LAYOUT.ZORVAN"), *layout));
    ASSERT_TRUE(f.dialogs.texts.isEmpty());

    const MenuData &doc = f.editor.document();
    const StripData &l = doc.strip(1, 0);
    EXPECT_EQ(l.MainItemTextParams.Text, QStringLiteral("Left"));
    EXPECT_DOUBLE_EQ(l.XOffsetFactor, 0.0);
    EXPECT_DOUBLE_EQ(l.MainItemTextParams.Xref, 0.5);
    EXPECT_DOUBLE_EQ(l.PricesTextParams.Xref, 1.0);

    const StripData &a = doc.strip(2, 0);
    EXPECT_EQ(a.SubItemsTextParams.Text, QStringLiteral("Above"));
    EXPECT_DOUBLE_EQ(a.YOffsetFactor, 0.0);
    EXPECT_DOUBLE_EQ(a.SubItemsTextParams.Yref, 0.25);

    EXPECT_FALSE(IsStripInUse(doc.strip(0, 2)));
    EXPECT_EQ(doc.strip(0, 4).BackGroundColor, MakeColour(0, 0, 120));
    EXPECT_NEAR(doc.strip(0, 4).YOffsetFactor, 0.25, 1e-9);

    EXPECT_FALSE(IsStripInUse(doc.strip(0, 3)));
    EXPECT_EQ(doc.strip(1, 3).BackGroundColor, MakeColour(120, 0, 0));
    EXPECT_NEAR(doc.strip(1, 3).XOffsetFactor, 0.0, 1e-9);
    EXPECT_FALSE(doc.Modified);
}

TEST_F(OpenLayoutTest, ABareStripIsFittedRoundItsTextsWhichKeepTheirPlace)
{
    auto layout = SmallLayout();
    StripData &bare = layout->strip(1, 2);
    bare.MainItemTextParams.Text = QStringLiteral("Shake");
    bare.MainItemTextParams.Font = QStringLiteral("DejaVu Sans");
    bare.MainItemTextParams.Xref = 0.3;
    bare.MainItemTextParams.Yref = 0.4;
    open(writeContainer(QStringLiteral("Bare_LAYOUT.ZORVAN"), *layout));
    ASSERT_TRUE(f.dialogs.texts.isEmpty());

    const StripData &s = f.editor.document().strip(1, 2);
    const RenderState &render = f.editor.render();
    const QRectF cell = render.cellGrid.at(1, 2);
    const QRectF text = render.textScreenRects.at(1, 2)[0];
    ASSERT_GT(text.width(), 0);
    // The box now hugs the text; the text is where it was.
    EXPECT_NEAR(s.XOffsetFactor, (text.x() - cell.x()) / cell.width(), 1e-6);
    EXPECT_NEAR(s.YOffsetFactor, (text.y() - cell.y()) / cell.height(), 1e-6);
    EXPECT_NEAR(s.YSizeFactor, text.height() / cell.height(), 1e-6);
    EXPECT_NEAR(s.XSizeFactor, text.width() / cell.width() + 0.05, 1e-6);
    EXPECT_NEAR(s.XOffsetFactor + s.MainItemTextParams.Xref, 0.3, 1e-6);
    EXPECT_NEAR(s.YOffsetFactor + s.MainItemTextParams.Yref, 0.4, 1e-6);
}

} // namespace
} // namespace zorvan
