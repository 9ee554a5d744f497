#include "fakeservices.h"

#include "assets/fontlistfile.h"
#include "document/container.h"
#include "document/layouttext.h"
#include "document/savenames.h"
#include "editing/autosave.h"
#include "editing/controlids.h"
#include "editing/crashrecovery.h"
#include "editing/printcommand.h"
#include "editing/savecommands.h"
#include "render/rotationdata.h"

#include "privatefonts.h"
#include "qtprinters.h"
#include "tempdir.h"
#include "zipfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <unistd.h>

namespace zorvan {
namespace {

using namespace ctl;

const QColor kBackgroundColour(20, 90, 160);

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Files in a folder, hidden temporary ones included.
QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class SaveCommandsTest : public ::testing::Test {
protected:
    test::TempDir temp;
    QString trelmont = temp.file(QStringLiteral("Trelmont"));
    QString work = trelmont + QStringLiteral("/QRT100");
    test::EditorFixture f{work};
    QString menus = temp.file(QStringLiteral("menus"));
    QString pictures = temp.file(QStringLiteral("pictures"));

    SaveCommandsTest()
    {
        QDir().mkpath(menus);
        QDir().mkpath(pictures);
        // Where the real window has the board: right of the panel's edge, so its strips are drawn.
        f.window.area = QRect(20, 200, 1600, 700);
        f.editor.saveLayout = [this] { return zorvan::SaveLayout(f.editor, local()) == SaveOutcome::Saved; };
    }

    static SaveSettings local()
    {
        SaveSettings settings;
        settings.removableDrive = [](const QString &) { return false; };
        return settings;
    }

    // A background loaded through the menu's "&Open...", one strip with text, and an edit.
    void makeBoard(int width = 64, int height = 48)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(kBackgroundColour);
        const QString path = pictures + QStringLiteral("/Board.jpg");
        ASSERT_TRUE(QImageWriter(path, "jpeg").write(image));
        f.dialogs.files.push_back(path);
        ASSERT_TRUE(f.editor.RunCommand(CommandEvent{MenuOpen, false, false}));
        StripData &strip = f.editor.document().strip(0, 0);
        strip.block(MainItem).Text = QStringLiteral("Fries");
        strip.block(Prices).Text = QStringLiteral("~2.49 ");
        f.editor.document().Modified = true;
    }

    SaveOutcome save(const QString &typed, const SaveSettings &settings = local())
    {
        f.dialogs.saveFiles.push_back(typed);
        return zorvan::SaveLayout(f.editor, settings);
    }

    QString menu(const QString &name) const { return menus + u'/' + name; }
};

struct NamingCase {
    const char *typed;
    bool whitePrint;
    const char *container;
    const char *tvImage;
};

TEST_F(SaveCommandsTest, WritesTheContainerAndTheTvImageSideBySide)
{
    makeBoard();
    const NamingCase cases[] = {
        {"Lunch.ZORVAN", false, "Lunch_LAYOUT.ZORVAN", "Lunch_TV.jpg"},
        {"Lunch_LAYOUT.ZORVAN", false, "Lunch_LAYOUT.ZORVAN", "Lunch_TV.jpg"},
        {"Dinner.ZORVAN", true, "Dinner_LAYOUT_WHITE_PRINT_BGND.ZORVAN", "Dinner_TV_WHITE_PRINT_BGND.jpg"},
        {"Dinner_LAYOUT.ZORVAN", true, "Dinner_LAYOUT_WHITE_PRINT_BGND.ZORVAN", "Dinner_TV_WHITE_PRINT_BGND.jpg"},
    };
    for (const NamingCase &c : cases) {
        SCOPED_TRACE(c.typed);
        f.editor.SetWhitePrint(c.whitePrint);
        f.editor.document().Modified = true;
        f.dialogs.texts.clear();
        ASSERT_EQ(save(menu(QString::fromUtf8(c.typed))), SaveOutcome::Saved);
        const QString container = QString::fromUtf8(c.container);
        const QString tvImage = QString::fromUtf8(c.tvImage);
        EXPECT_EQ(test::ZipMemberNames(menu(container)),
                  (QStringList{QStringLiteral("Background.jpg"), QStringLiteral("Layout.XZORVAN"),
                               QStringLiteral("FontFileNames.txt")}));
        EXPECT_EQ(QImageReader(menu(tvImage)).size(), QSize(64, 48));
        ASSERT_EQ(f.dialogs.texts.size(), 1);
        EXPECT_EQ(f.dialogs.texts.last(), SavedMessage(container, tvImage, menus, false));
        EXPECT_FALSE(f.editor.document().Modified);
        EXPECT_EQ(f.editor.files().layoutFileName, container);
        EXPECT_EQ(f.editor.files().fileFolder, menus);
        EXPECT_EQ(f.editor.currentFilePath(), menu(container));
        EXPECT_TRUE(f.window.title.contains(QStringLiteral("ZorvanFile : ") + container));
        EXPECT_TRUE(f.panel.isEnabled(Exit));
        EXPECT_EQ(f.window.waits, 0);
        // The next save proposes the same name in the same folder.
        ASSERT_FALSE(f.dialogs.saveDialogs.isEmpty());
        EXPECT_EQ(f.dialogs.saveDialogs.last().title, QString::fromUtf8(kSaveDialogTitle));
        EXPECT_EQ(f.dialogs.saveDialogs.last().filter, QStringLiteral("Zorvan Layout(*.ZORVAN)|*.ZORVAN||"));
    }
    EXPECT_EQ(FilesIn(menus), (QStringList{QStringLiteral("Dinner_LAYOUT_WHITE_PRINT_BGND.ZORVAN"),
                                           QStringLiteral("Dinner_TV_WHITE_PRINT_BGND.jpg"),
                                           QStringLiteral("Lunch_LAYOUT.ZORVAN"), QStringLiteral("Lunch_TV.jpg")}));
    f.dialogs.saveFiles.push_back(QString());
    zorvan::SaveLayout(f.editor, local());
    EXPECT_EQ(f.dialogs.saveDialogs.last().folder, menus);
    EXPECT_EQ(f.dialogs.saveDialogs.last().proposedName, QStringLiteral("Dinner_LAYOUT_WHITE_PRINT_BGND.ZORVAN"));
}

TEST_F(SaveCommandsTest, TheNamingRulesLeaveTheChosenFolderAlone)
{
    makeBoard();
    const QString folder = menu(QStringLiteral("Week_LAYOUT_WHITE_PRINT_BGND"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(save(folder + QStringLiteral("/Lunch")), SaveOutcome::Saved);
    EXPECT_EQ(FilesIn(folder), (QStringList{QStringLiteral("Lunch_LAYOUT.ZORVAN"), QStringLiteral("Lunch_TV.jpg")}));
    EXPECT_EQ(f.editor.files().fileFolder, folder);
}

TEST_F(SaveCommandsTest, TheSavedLayoutReadsBackWithTidiedPricesAndItsFormat)
{
    makeBoard();
    f.editor.SetWhitePrint(true);
    f.editor.modes().text = true;
    f.editor.SetStatus(kStatusText);
    ASSERT_EQ(save(menu(QStringLiteral("Lunch.ZORVAN"))), SaveOutcome::Saved);
    EXPECT_FALSE(f.editor.modes().anyStripMode());
    EXPECT_EQ(f.editor.status(), kStatusIdle);
    // The document itself loses the '~' and the one trailing space.
    EXPECT_EQ(f.editor.document().strip(0, 0).block(Prices).Text, QStringLiteral("2.49"));

    const QString unpacked = temp.file(QStringLiteral("unpacked"));
    ASSERT_TRUE(UnpackContainer(menu(QStringLiteral("Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN")), unpacked).ok);
    QString text, error;
    ASSERT_TRUE(ReadLayoutTextFile(unpacked + QStringLiteral("/Layout.XZORVAN"), &text, &error)) << qPrintable(error);
    MenuData reread;
    ReadLayoutText(text, reread);
    EXPECT_EQ(reread.strip(0, 0).block(MainItem).Text, QStringLiteral("Fries"));
    EXPECT_EQ(reread.strip(0, 0).block(Prices).Text, QStringLiteral("2.49"));
    EXPECT_TRUE(reread.WhitePrintBackground);
}

TEST_F(SaveCommandsTest, ASaveOverAnEarlierSaveReplacesBothFiles)
{
    makeBoard();
    WriteBytes(menu(QStringLiteral("Lunch_LAYOUT.ZORVAN")), "old container");
    WriteBytes(menu(QStringLiteral("Lunch_TV.jpg")), "old image");
    ASSERT_EQ(save(menu(QStringLiteral("Lunch_LAYOUT.ZORVAN"))), SaveOutcome::Saved);
    EXPECT_EQ(test::ZipMemberNames(menu(QStringLiteral("Lunch_LAYOUT.ZORVAN"))).size(), 3);
    EXPECT_EQ(QImageReader(menu(QStringLiteral("Lunch_TV.jpg"))).size(), QSize(64, 48));
    // No temporary file and no copy of the old image is left behind.
    EXPECT_EQ(FilesIn(menus), (QStringList{QStringLiteral("Lunch_LAYOUT.ZORVAN"), QStringLiteral("Lunch_TV.jpg")}));
}

// Ways for one of the two files to fail that hold even for root, who may
// write into read-only folders: a folder stands where a file must go.
TEST_F(SaveCommandsTest, AFailedSaveLeavesTheEarlierFilesAndTheEditsAlone)
{
    makeBoard();
    const struct {
        const char *name;
        const char *blocked; // made a folder
    } cases[] = {
        {"the container cannot be written", "Lunch_LAYOUT.ZORVAN"},
        {"the TV image cannot be put in place", "Lunch_TV.jpg"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(menus).removeRecursively();
        QDir().mkpath(menus);
        const QString container = menu(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
        const QString image = menu(QStringLiteral("Lunch_TV.jpg"));
        WriteBytes(container, "old container");
        WriteBytes(image, "old image");
        const QString blocked = menu(QString::fromUtf8(c.blocked));
        QFile::remove(blocked);
        ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inside")));
        f.editor.document().Modified = true;
        f.dialogs.texts.clear();

        EXPECT_EQ(save(container), SaveOutcome::Failed);
        if (blocked != container) {
            EXPECT_EQ(Bytes(container), QByteArray("old container"));
        }
        if (blocked != image) {
            EXPECT_EQ(Bytes(image), QByteArray("old image"));
        }
        EXPECT_TRUE(QFileInfo(blocked).isDir());
        EXPECT_EQ(FilesIn(menus).size(), 1) << qPrintable(FilesIn(menus).join(u' '));
        ASSERT_EQ(f.dialogs.texts.size(), 1);
        EXPECT_EQ(f.dialogs.texts.last(), QString::fromUtf8(kSaveFailedText));
        EXPECT_TRUE(f.editor.document().Modified);
        EXPECT_TRUE(f.panel.isEnabled(Exit));
        EXPECT_EQ(f.window.waits, 0);
    }
}

// What the editor keeps against a crash goes with a save that succeeded,
// and only then: a failed save leaves it for the next start to offer.
TEST_F(SaveCommandsTest, TheEditsKeptAgainstACrashGoOnlyWithASuccessfulSave)
{
    makeBoard();
    ASSERT_TRUE(AutosaveTick(f.editor));
    ASSERT_TRUE(HasAutosave(work));
    const QString blocked = menu(QStringLiteral("Lunch_TV.jpg"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inside")));
    EXPECT_EQ(save(menu(QStringLiteral("Lunch_LAYOUT.ZORVAN"))), SaveOutcome::Failed);
    EXPECT_TRUE(HasAutosave(work));

    ASSERT_TRUE(QDir(blocked).removeRecursively());
    EXPECT_EQ(save(menu(QStringLiteral("Lunch_LAYOUT.ZORVAN"))), SaveOutcome::Saved);
    EXPECT_FALSE(HasAutosave(work)) << "a crash right after the save would offer edits that are saved";
}

TEST_F(SaveCommandsTest, AReadOnlyFolderFailsTheSaveAndKeepsTheOldFiles)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    makeBoard();
    const QString container = menu(QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    WriteBytes(container, "old container");
    WriteBytes(menu(QStringLiteral("Lunch_TV.jpg")), "old image");
    QFile::setPermissions(menus, QFile::ReadOwner | QFile::ExeOwner);
    const SaveOutcome outcome = save(container);
    QFile::setPermissions(menus, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(outcome, SaveOutcome::Failed);
    EXPECT_EQ(Bytes(container), QByteArray("old container"));
    EXPECT_EQ(Bytes(menu(QStringLiteral("Lunch_TV.jpg"))), QByteArray("old image"));
    EXPECT_TRUE(f.editor.document().Modified);
    EXPECT_EQ(f.dialogs.texts.last(), QString::fromUtf8(kSaveFailedText));
}

TEST_F(SaveCommandsTest, YesToTheQuestionKeepsTheEditsUnlessTheSaveHappens)
{
    makeBoard();
    // Yes, then the Save As dialog is cancelled: Exit does not go on.
    f.dialogs.answers.push_back(MessageAnswer::Yes);
    ASSERT_TRUE(f.editor.RunCommand(CommandEvent{Exit, false, false}));
    EXPECT_EQ(f.window.endedWith, -1);
    EXPECT_TRUE(f.editor.document().Modified);
    EXPECT_TRUE(QFileInfo::exists(work));
    EXPECT_TRUE(FilesIn(menus).isEmpty());

    // Yes, then a save that fails: the window stays open.
    QDir().mkpath(menu(QStringLiteral("Lunch_LAYOUT.ZORVAN")));
    f.dialogs.answers.push_back(MessageAnswer::Yes);
    f.dialogs.answers.push_back(MessageAnswer::Ok);
    f.dialogs.saveFiles.push_back(menu(QStringLiteral("Lunch.ZORVAN")));
    EXPECT_FALSE(f.editor.QueryClose());
    EXPECT_TRUE(f.editor.document().Modified);

    // Yes, then a save that works: Exit goes on.
    f.dialogs.answers.push_back(MessageAnswer::Yes);
    f.dialogs.answers.push_back(MessageAnswer::Ok);
    f.dialogs.saveFiles.push_back(menu(QStringLiteral("Dinner.ZORVAN")));
    ASSERT_TRUE(f.editor.RunCommand(CommandEvent{Exit, false, false}));
    EXPECT_EQ(f.window.endedWith, 0);
    EXPECT_TRUE(QFileInfo::exists(menu(QStringLiteral("Dinner_LAYOUT.ZORVAN"))));
    EXPECT_EQ(f.dialogs.unanswered, 0);
}

struct RotationCase {
    TvRotation answer;
    QSize size;
    QByteArray remembered;
};

TEST_F(SaveCommandsTest, PortraitBoardsAskForTheirRotationAndRememberIt)
{
    makeBoard(48, 64);
    const RotationCase cases[] = {
        {TvRotation::Clockwise, QSize(64, 48), QByteArray("1\0", 2)},
        {TvRotation::CounterClockwise, QSize(64, 48), QByteArray("2\0", 2)},
        {TvRotation::None, QSize(48, 64), QByteArray("0\0", 2)},
    };
    TvRotation remembered = TvRotation::None;
    for (const RotationCase &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        f.dialogs.rotations.push_back(c.answer);
        f.dialogs.rotationPreselections.clear();
        ASSERT_EQ(save(menu(QStringLiteral("Tall.ZORVAN"))), SaveOutcome::Saved);
        ASSERT_EQ(f.dialogs.rotationPreselections.size(), 1);
        EXPECT_EQ(f.dialogs.rotationPreselections[0], remembered);
        EXPECT_EQ(QImageReader(menu(QStringLiteral("Tall_TV.jpg"))).size(), c.size);
        EXPECT_EQ(Bytes(trelmont + QStringLiteral("/RotationData.txt")), c.remembered);
        remembered = c.answer;
    }
}

TEST_F(SaveCommandsTest, LandscapeBoardsAreNeverAskedAboutRotation)
{
    makeBoard(64, 48);
    ASSERT_EQ(save(menu(QStringLiteral("Wide.ZORVAN"))), SaveOutcome::Saved);
    EXPECT_TRUE(f.dialogs.rotationPreselections.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(trelmont + QStringLiteral("/RotationData.txt")));
}

TEST_F(SaveCommandsTest, ARemovableDriveGetsThePleaseWaitWindowForFiveSeconds)
{
    makeBoard();
    SaveSettings settings;
    settings.removableDrive = [](const QString &) { return true; };
    EXPECT_EQ(settings.pleaseWaitTime, std::chrono::milliseconds(5000));
    bool exitEnabledDuringTheWait = true;
    f.dialogs.onClosePleaseWait = [&] { exitEnabledDuringTheWait = f.panel.isEnabled(Exit); };
    ASSERT_EQ(save(menu(QStringLiteral("Lunch.ZORVAN")), settings), SaveOutcome::Saved);
    EXPECT_EQ(f.dialogs.pleaseWaitTexts, QStringList{QString::fromUtf8(kPleaseWaitText)});
    ASSERT_EQ(f.dialogs.pleaseWaitDeadlines.size(), 1);
    // The files of a tiny board take far less than a second: most of the five remain to be waited.
    EXPECT_GT(f.dialogs.pleaseWaitDeadlines[0].remainingTime(), 3000);
    EXPECT_FALSE(exitEnabledDuringTheWait);
    EXPECT_TRUE(f.panel.isEnabled(Exit));
    const QString confirmation = f.dialogs.texts.last();
    EXPECT_EQ(confirmation, SavedMessage(QStringLiteral("Lunch_LAYOUT.ZORVAN"), QStringLiteral("Lunch_TV.jpg"), menus, true));
    EXPECT_TRUE(confirmation.startsWith(QStringLiteral("\nFILE SAVED CONFIRMATION!")));
    EXPECT_TRUE(confirmation.endsWith(QStringLiteral("\n\n(It is now OK to unplug the USB Flash Drive)")));
    EXPECT_TRUE(SavedMessage(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), false)
                    .startsWith(QStringLiteral("\n\nFILE SAVED CONFIRMATION!\n\nThe Zorvan layout file:\na\n\n"
                                               "and its associated TV display file:\r\nb\n\nhave been saved in directory:\nc")));

    // A fixed drive shows no please-wait window.
    f.dialogs.pleaseWaitTexts.clear();
    ASSERT_EQ(save(menu(QStringLiteral("Lunch.ZORVAN"))), SaveOutcome::Saved);
    EXPECT_TRUE(f.dialogs.pleaseWaitTexts.isEmpty());
}

TEST_F(SaveCommandsTest, TheContainerCarriesTheFontsTheBoardIsDrawnWith)
{
    test::PrivateFonts fonts;
    fonts.install(QString::fromUtf8(test::kDejaVuSerif), QStringLiteral("DejaVuSerif.ttf"));
    makeBoard(200, 100);
    f.editor.document().strip(0, 0).block(MainItem).Font = QStringLiteral("DejaVu Serif");
    ASSERT_EQ(save(menu(QStringLiteral("Lunch.ZORVAN"))), SaveOutcome::Saved);
    const QStringList members = test::ZipMemberNames(menu(QStringLiteral("Lunch_LAYOUT.ZORVAN")));
    EXPECT_TRUE(members.contains(QStringLiteral("DejaVuSerif.ttf"))) << qPrintable(members.join(u' '));
    const QString unpacked = temp.file(QStringLiteral("unpacked"));
    ASSERT_TRUE(UnpackContainer(menu(QStringLiteral("Lunch_LAYOUT.ZORVAN")), unpacked).ok);
    EXPECT_TRUE(DecodeFontList(Bytes(unpacked + QStringLiteral("/FontFileNames.txt")))
                    .contains(QStringLiteral("DejaVu Serif,DejaVuSerif.ttf;")));
}

TEST_F(SaveCommandsTest, PrintWritesPrintJpgAndHandsItOnAfterTheInstructions)
{
    makeBoard(48, 64);
    f.editor.SetWhitePrint(false);
    const QString printJpg = trelmont + QStringLiteral("/print.jpg");
    for (MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Ok}) {
        SCOPED_TRACE(static_cast<int>(answer));
        QFile::remove(printJpg);
        f.dialogs.answers.push_back(answer);
        ASSERT_TRUE(f.editor.RunCommand(CommandEvent{Print, false, false}));
        EXPECT_EQ(f.dialogs.texts.last(), QString::fromUtf8(kPrintInstructions));
        // Portrait boards are printed as they stand, without a question.
        EXPECT_EQ(QImageReader(printJpg).size(), QSize(48, 64));
        EXPECT_TRUE(f.dialogs.rotationPreselections.isEmpty());
    }
    EXPECT_EQ(f.dialogs.printed, QStringList{printJpg});
    EXPECT_EQ(f.window.waits, 0);
}

TEST_F(SaveCommandsTest, TheWhitePrintFormatWhitensTheBackgroundOfPrintAndTvImage)
{
    makeBoard(64, 48);
    const QString printJpg = trelmont + QStringLiteral("/print.jpg");
    for (bool whitePrint : {true, false}) {
        SCOPED_TRACE(whitePrint);
        f.panel.setChecked(WhitePrint, whitePrint);
        ASSERT_TRUE(f.editor.RunCommand(CommandEvent{WhitePrint, false, false}));
        EXPECT_EQ(f.editor.whitePrint(), whitePrint);
        f.dialogs.answers.push_back(MessageAnswer::Cancel);
        ASSERT_TRUE(f.editor.RunCommand(CommandEvent{Print, false, false}));
        ASSERT_EQ(save(menu(QStringLiteral("Lunch.ZORVAN"))), SaveOutcome::Saved);
        const QString tvImage = menu(whitePrint ? QStringLiteral("Lunch_TV_WHITE_PRINT_BGND.jpg") : QStringLiteral("Lunch_TV.jpg"));
        for (const QString &path : {printJpg, tvImage}) {
            SCOPED_TRACE(qPrintable(path));
            const QColor corner = QImage(path).pixelColor(62, 46);
            const QColor expected = whitePrint ? QColor(Qt::white) : kBackgroundColour;
            EXPECT_NEAR(corner.red(), expected.red(), 12);
            EXPECT_NEAR(corner.green(), expected.green(), 12);
            EXPECT_NEAR(corner.blue(), expected.blue(), 12);
        }
    }
}

} // namespace
} // namespace zorvan
