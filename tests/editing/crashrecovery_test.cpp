#include "fakeservices.h"

#include "assets/workfolders.h"
#include "editing/autosave.h"
#include "editing/crashrecovery.h"

#include "layoutfixtures.h"
#include "tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace zorvan {
namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Edits the layout text could not hold as they are: offsets that are not
// whole thousandths, and a price text its reader would tidy.
void MakeFineEdits(MenuData &doc)
{
    StripData &strip = doc.strip(1, 2);
    strip.XOffsetFactor = 0.1 + 0.2;
    strip.YOffsetFactor = 1.0 / 3.0;
    strip.MainItemTextParams.ScaleFactor = 4.0 + 1.0 / 7.0;
    strip.PricesTextParams.Text = QStringLiteral("6.49^^>540 Cal");
}

// A layout being edited in a work folder: a picture copied in, a background,
// and a file name from an earlier open.
void MakeEdits(test::EditorFixture &f)
{
    const QString work = f.workspace.workFolder();
    ASSERT_TRUE(test::WriteFile(work + QStringLiteral("/Burger.jpg"), "burger bytes"));
    ASSERT_TRUE(test::WriteFile(work + QStringLiteral("/Burger_Proxy.jpg"), "proxy bytes"));
    ASSERT_TRUE(test::WriteFile(work + QStringLiteral("/Background.jpg"), "background bytes"));
    MenuData &doc = f.editor.document();
    doc = *test::SampleLayout();
    doc.strip(1, 2).SubImageFileName = work + QStringLiteral("/Burger.jpg");
    doc.strip(0, 0).SubImageFileName = QStringLiteral("/elsewhere/Logo.png"); // a text-mode picture, never copied
    doc.BackgroundPath = work + QStringLiteral("/Background.jpg");
    MakeFineEdits(doc);
    doc.Modified = true;
    f.editor.SetCurrentFile(QStringLiteral("/menus/Lunch_LAYOUT.ZORVAN"), QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    f.editor.files().fileFolder = QStringLiteral("/menus");
    f.editor.SetWhitePrint(true);
}

// One run of the editor that crashes: a child process takes a work folder,
// autosaves the edits and is killed, leaving a stale lock behind.
QString CrashedRun(const QString &appData, qint64 startTime, const std::function<void(test::EditorFixture &)> &edit)
{
    const QString marker = appData + QStringLiteral("/crashed-folder-") + QString::number(startTime);
    const pid_t child = ::fork();
    if (child == 0) {
        WorkFolders folders;
        if (!folders.start(appData, nullptr, startTime))
            ::_exit(3);
        test::EditorFixture f(folders.workFolder());
        edit(f);
        if (!AutosaveTick(f.editor))
            ::_exit(4);
        test::WriteFile(marker, folders.workFolder().toUtf8());
        ::raise(SIGKILL);
        ::_exit(5);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    return QString::fromUtf8(ReadAll(marker));
}

class CrashRecoveryTest : public ::testing::Test {
protected:
    test::TempDir temp;
    QString appData = temp.path();
    QString trelmont = appData + QStringLiteral("/Trelmont");
};

TEST_F(CrashRecoveryTest, NextStartOffersTheEditsAndRestoresExactlyTheAutosavedLayout)
{
    MenuData autosaved;
    const QString crashed = CrashedRun(appData, 1000, [&](test::EditorFixture &f) { MakeEdits(f); });
    ASSERT_TRUE(HasAutosave(crashed)) << crashed.toStdString();

    // What the crashed run had, as the fixture builds it, with its paths moved to the new folder.
    WorkFolders next;
    ASSERT_TRUE(next.start(appData, nullptr, 2000));
    EXPECT_TRUE(QFileInfo(crashed).isDir()) << "housekeeping removed unsaved edits before they were offered";
    test::EditorFixture f(next.workFolder());
    f.dialogs.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(OfferCrashRecovery(f.editor));

    EXPECT_EQ(f.dialogs.texts, QStringList{QStringLiteral("Restore the unsaved changes of Lunch_LAYOUT.ZORVAN?")});
    const QString work = next.workFolder();
    MenuData expected = *test::SampleLayout();
    expected.strip(1, 2).SubImageFileName = work + QStringLiteral("/Burger.jpg");
    expected.strip(0, 0).SubImageFileName = QStringLiteral("/elsewhere/Logo.png");
    expected.BackgroundPath = work + QStringLiteral("/Background.jpg");
    MakeFineEdits(expected);
    expected.Modified = true;
    const MenuData &doc = f.editor.document();
    for (int column = 0; column < kStripColumns; ++column)
        for (int row = 0; row < kStripRows; ++row)
            ASSERT_EQ(doc.strip(column, row), expected.strip(column, row)) << column << "," << row;
    EXPECT_EQ(doc.NumberOfColumns, expected.NumberOfColumns);
    EXPECT_EQ(doc.NumberOfRows, expected.NumberOfRows);
    EXPECT_EQ(doc.BackgroundPath, expected.BackgroundPath);
    EXPECT_EQ(doc.WhitePrintBackground, expected.WhitePrintBackground);
    EXPECT_TRUE(doc.Modified) << "restored edits are still unsaved";
    EXPECT_TRUE(f.editor.whitePrint());
    EXPECT_EQ(f.editor.currentFileName(), QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    EXPECT_EQ(f.editor.currentFilePath(), QStringLiteral("/menus/Lunch_LAYOUT.ZORVAN"));
    EXPECT_EQ(f.editor.files().fileFolder, QStringLiteral("/menus"));
    EXPECT_TRUE(f.window.title.contains(QStringLiteral("Lunch_LAYOUT.ZORVAN"))) << f.window.title.toStdString();
    EXPECT_EQ(ReadAll(work + QStringLiteral("/Burger.jpg")), "burger bytes");
    EXPECT_EQ(ReadAll(work + QStringLiteral("/Burger_Proxy.jpg")), "proxy bytes");
    EXPECT_EQ(ReadAll(work + QStringLiteral("/Background.jpg")), "background bytes");
    EXPECT_FALSE(QFileInfo::exists(crashed)) << "the crashed folder goes once its edits moved";
    EXPECT_TRUE(HasAutosave(work)) << "the restored edits are unsaved and must survive a second crash";

    // Nothing is offered twice.
    WorkFolders third;
    ASSERT_TRUE(third.start(appData, nullptr, 3000));
    EXPECT_TRUE(FindCrashedSessions(trelmont).isEmpty());
}

TEST_F(CrashRecoveryTest, DeclinedEditsAreRemovedAndTheEditorStaysEmpty)
{
    const QString crashed = CrashedRun(appData, 1000, [&](test::EditorFixture &f) { MakeEdits(f); });
    WorkFolders next;
    ASSERT_TRUE(next.start(appData, nullptr, 2000));
    test::EditorFixture f(next.workFolder());
    f.dialogs.answers = {MessageAnswer::No};
    EXPECT_FALSE(OfferCrashRecovery(f.editor));
    EXPECT_EQ(f.dialogs.texts.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(crashed));
    EXPECT_EQ(f.editor.document(), MenuData());
    EXPECT_TRUE(FindCrashedSessions(trelmont).isEmpty());
}

TEST_F(CrashRecoveryTest, TheNewestCrashIsOfferedFirstAndTheOthersWaitForTheNextStart)
{
    const QString older = CrashedRun(appData, 1000, [&](test::EditorFixture &f) {
        MakeEdits(f);
        f.editor.SetCurrentFile(QStringLiteral("/menus/Old_LAYOUT.ZORVAN"), QStringLiteral("Old_LAYOUT.ZORVAN"));
    });
    ::usleep(20 * 1000); // the autosave times must differ
    const QString newer = CrashedRun(appData, 1001, [&](test::EditorFixture &f) { MakeEdits(f); });
    WorkFolders next;
    ASSERT_TRUE(next.start(appData, nullptr, 2000));
    test::EditorFixture f(next.workFolder());
    f.dialogs.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(OfferCrashRecovery(f.editor));
    EXPECT_EQ(f.dialogs.texts, QStringList{QStringLiteral("Restore the unsaved changes of Lunch_LAYOUT.ZORVAN?")});
    EXPECT_FALSE(QFileInfo::exists(newer));
    ASSERT_TRUE(HasAutosave(older));
    const QList<CrashedSession> left = FindCrashedSessions(trelmont);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].layoutFileName, QStringLiteral("Old_LAYOUT.ZORVAN"));
}

TEST_F(CrashRecoveryTest, ARunningEditorsEditsAreNeitherOfferedNorRemoved)
{
    WorkFolders running;
    ASSERT_TRUE(running.start(appData, nullptr, 1000));
    {
        test::EditorFixture f(running.workFolder());
        MakeEdits(f);
        ASSERT_TRUE(AutosaveTick(f.editor));
    }
    EXPECT_TRUE(FindCrashedSessions(trelmont).isEmpty());
    EXPECT_EQ(RemoveObsoleteQRTFolders(trelmont), 0);
    EXPECT_TRUE(HasAutosave(running.workFolder()));
}

TEST_F(CrashRecoveryTest, AutosaveKeepsOnlyUnsavedEdits)
{
    const QString work = temp.file(QStringLiteral("Trelmont/QRT5"));
    test::EditorFixture f(work);
    EXPECT_TRUE(AutosaveTick(f.editor));
    EXPECT_FALSE(HasAutosave(work)) << "an untouched layout has nothing to keep";
    MakeEdits(f);
    ASSERT_TRUE(AutosaveTick(f.editor));
    EXPECT_TRUE(HasAutosave(work));
    f.editor.document().Modified = false; // saved
    EXPECT_TRUE(AutosaveTick(f.editor));
    EXPECT_FALSE(HasAutosave(work)) << "a crash after a save must not offer older edits";
}

TEST_F(CrashRecoveryTest, ADamagedAutosaveIsReportedAndKept)
{
    const QString crashed = CrashedRun(appData, 1000, [&](test::EditorFixture &f) { MakeEdits(f); });
    ASSERT_TRUE(test::WriteFile(crashed + QLatin1Char('/') + QLatin1String(kAutosaveFileName), "{\"format\":1,\"layo"));
    WorkFolders next;
    ASSERT_TRUE(next.start(appData, nullptr, 2000));
    test::EditorFixture f(next.workFolder());
    f.dialogs.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(OfferCrashRecovery(f.editor));
    ASSERT_EQ(f.dialogs.texts.size(), 2);
    EXPECT_TRUE(f.dialogs.texts[1].startsWith(QStringLiteral("The unsaved changes cannot be restored: ")))
        << f.dialogs.texts[1].toStdString();
    EXPECT_TRUE(QFileInfo::exists(crashed + QStringLiteral("/Burger.jpg")));
    EXPECT_EQ(f.editor.document(), MenuData());
}

TEST_F(CrashRecoveryTest, HousekeepingRemovesCrashedFoldersWithoutEdits)
{
    const QString crashed = CrashedRun(appData, 1000, [&](test::EditorFixture &f) { (void)f; });
    ASSERT_FALSE(crashed.isEmpty());
    EXPECT_FALSE(HasAutosave(crashed));
    WorkFolders next;
    ASSERT_TRUE(next.start(appData, nullptr, 2000));
    EXPECT_EQ(next.removedAtStart(), 1);
    EXPECT_FALSE(QFileInfo::exists(crashed));
}

} // namespace
} // namespace zorvan
