#include "fakeservices.h"

#include "editing/controlids.h"
#include "editing/helpcommands.h"
#include "editing/sessioncommands.h"

#include "tempdir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

class EditorTest : public ::testing::Test {
protected:
    test::TempDir temp;
    QString work = temp.file(QStringLiteral("Trelmont/QRT100"));
    test::EditorFixture f{work};

    void run(int id, bool shift = false, bool alt = false)
    {
        ASSERT_TRUE(f.editor.RunCommand(CommandEvent{id, shift, alt})) << id;
    }
};

TEST_F(EditorTest, InitialisationSetsTitleAndTheNoSelectionPanel)
{
    EXPECT_EQ(f.window.title, QStringLiteral("Zorvan PRO Editor 3.0 Ver 3.0.30.21"));
    EXPECT_EQ(f.panel.state(FrameList).currentIndex, 0);
    EXPECT_FALSE(f.panel.isEnabled(SaveLayout));
    EXPECT_FALSE(f.panel.isEnabled(TabInstructions));
    EXPECT_TRUE(f.panel.isEnabled(OpenLayout));
    EXPECT_TRUE(f.panel.isChecked(Micro));
    EXPECT_EQ(f.editor.document().NumberOfColumns, 2);
    EXPECT_EQ(f.editor.document().NumberOfRows, 16);
    EXPECT_EQ(f.editor.selection().currentFontName, QStringLiteral("Segoe UI"));
    EXPECT_EQ(f.editor.programFolder(), f.editor.lastUsedFolder());
    EXPECT_EQ(f.editor.files().fileFolder, QStringLiteral("/nonexistent/program"));
    EXPECT_TRUE(f.editor.currentFilePath().isEmpty());
    EXPECT_FALSE(f.editor.modes().anyStripMode());
}

TEST_F(EditorTest, InitialisationEmptiesTheWorkFolder)
{
    QFile leftover(work + QStringLiteral("/old.jpg"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    f.editor.Initialise(QStringLiteral("/p/"));
    EXPECT_FALSE(QFileInfo::exists(leftover.fileName()));
    EXPECT_TRUE(QFileInfo::exists(work));
}

TEST(Title, FilePartFollowsTheVersion)
{
    EXPECT_EQ(TitleText(QString()), QStringLiteral("Zorvan PRO Editor 3.0 Ver 3.0.30.21"));
    EXPECT_EQ(TitleText(QStringLiteral("Lunch_LAYOUT.ZORVAN")),
              QStringLiteral("Zorvan PRO Editor 3.0 Ver 3.0.30.21      ZorvanFile : Lunch_LAYOUT.ZORVAN"));
}

TEST_F(EditorTest, ResolutionTextIsAppendedToTheCurrentTitle)
{
    f.editor.UpdateTitle(QStringLiteral("a.ZORVAN"));
    f.editor.AppendToTitle(QStringLiteral("      Resolution: 64 x 48 at 96 PPI (0.7 in x 0.5 in)"));
    EXPECT_TRUE(f.window.title.endsWith(QStringLiteral("a.ZORVAN      Resolution: 64 x 48 at 96 PPI (0.7 in x 0.5 in)")));
    f.editor.UpdateTitle(QString());
    EXPECT_EQ(f.window.title, TitleText(QString()));
}

struct PromptCase {
    const char *name;
    bool modified;
    std::optional<MessageAnswer> answer;
    bool result;
    bool modifiedAfter;
    int saves;
    bool saveSucceeds = true;
};

TEST_F(EditorTest, PromptSaveChanges)
{
    const PromptCase cases[] = {
        {"unmodified asks nothing", false, std::nullopt, true, false, 0},
        {"yes saves", true, MessageAnswer::Yes, true, false, 1},
        {"no drops the edits", true, MessageAnswer::No, true, false, 0},
        {"cancel keeps them", true, MessageAnswer::Cancel, false, true, 0},
        {"yes with a save that did not happen keeps them", true, MessageAnswer::Yes, false, true, 1, false},
    };
    for (const PromptCase &c : cases) {
        SCOPED_TRACE(c.name);
        int saves = 0;
        f.editor.saveLayout = [&saves, &c] {
            ++saves;
            return c.saveSucceeds;
        };
        f.dialogs.texts.clear();
        f.editor.document().Modified = c.modified;
        if (c.answer)
            f.dialogs.answers.push_back(*c.answer);
        EXPECT_EQ(f.editor.PromptSaveChanges(), c.result);
        EXPECT_EQ(f.editor.document().Modified, c.modifiedAfter);
        EXPECT_EQ(saves, c.saves);
        EXPECT_EQ(f.dialogs.texts.size(), c.modified ? 1 : 0);
        if (c.modified) {
            EXPECT_EQ(f.dialogs.texts.last(), QStringLiteral("Do you wish to save this image?"));
        }
    }
    EXPECT_EQ(f.dialogs.unanswered, 0);
}

TEST_F(EditorTest, ExitButtonRemovesTheWorkFolderAndEnds)
{
    f.editor.document().Modified = true;
    f.dialogs.answers.push_back(MessageAnswer::No);
    run(Exit);
    EXPECT_EQ(f.window.endedWith, 0);
    EXPECT_FALSE(QFileInfo::exists(work));
}

TEST_F(EditorTest, CancelledExitKeepsEverything)
{
    f.editor.document().Modified = true;
    f.dialogs.answers.push_back(MessageAnswer::Cancel);
    run(Exit);
    EXPECT_EQ(f.window.endedWith, -1);
    EXPECT_TRUE(f.editor.document().Modified);
    EXPECT_TRUE(QFileInfo::exists(work));
}

TEST_F(EditorTest, ExitSwitchesTheWhitePrintFormatOffBeforeTheQuestion)
{
    f.editor.SetWhitePrint(true);
    f.editor.document().Modified = true;
    f.dialogs.answers.push_back(MessageAnswer::Cancel);
    const int repaints = f.window.repaints;
    run(Exit);
    EXPECT_FALSE(f.editor.whitePrint());
    EXPECT_FALSE(f.panel.isChecked(WhitePrint));
    EXPECT_GT(f.window.repaints, repaints);
    EXPECT_EQ(f.dialogs.texts.size(), 1);
}

TEST_F(EditorTest, MenuExitEndsAtOnceAndLeavesTheWorkFolder)
{
    f.editor.document().Modified = true;
    run(MenuExit);
    EXPECT_EQ(f.window.endedWith, 0);
    EXPECT_TRUE(f.dialogs.texts.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(work));
}

TEST_F(EditorTest, WindowCloseAsksOnlyWhenModifiedAndRemovesTheFolderAfterwards)
{
    EXPECT_TRUE(f.editor.QueryClose());
    EXPECT_TRUE(f.dialogs.texts.isEmpty());
    f.editor.document().Modified = true;
    f.dialogs.answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(f.editor.QueryClose());
    EXPECT_TRUE(f.editor.document().Modified);
    f.dialogs.answers.push_back(MessageAnswer::No);
    EXPECT_TRUE(f.editor.QueryClose());
    f.editor.WindowClosed();
    EXPECT_FALSE(QFileInfo::exists(work));
}

TEST_F(EditorTest, AboutBoxAndInstructionMessages)
{
    struct Case {
        int id;
        const char *text;
        QString caption;
    };
    const Case cases[] = {
        {About, kAboutText, QStringLiteral("About Pictorix")},
        {TabInstructions, kTabInstructions, kMessageCaption},
        {CopyInstructions, kCopyInstructions, kMessageCaption},
        {GroupInstructions, kGroupInstructions, kMessageCaption},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        f.dialogs.answers.push_back(MessageAnswer::Ok);
        run(c.id);
        EXPECT_EQ(f.dialogs.texts.last(), QString::fromUtf8(c.text));
        EXPECT_EQ(f.dialogs.captions.last(), c.caption);
    }
    EXPECT_EQ(QString::fromUtf8(kAboutText), QStringLiteral("Pictorix Version 3.0"));
    // Written out again here, line by line, so a slip in the constant shows.
    EXPECT_EQ(QString::fromUtf8(kTabInstructions),
              QStringLiteral("                Price Tabbing Text Entry Instructions\n"
                             "\n"
                             "The following special characters apply:\n"
                             "\n"
                             "Tab Space Character: ^\n"
                             "\n"
                             "The ^ specifies that text to the left of the ^ will be right justified.\n"
                             "\n"
                             "Calorie Color Characters: <   >\n"
                             "\n"
                             "The > specifies that text color to the right of the > is to be displayed in the "
                             "Calorie text color.\n"
                             "\n"
                             "The < specifies that text color to the left of the < is to be displayed in the "
                             "Calorie text color."));
    EXPECT_TRUE(QString::fromUtf8(kCopyInstructions).endsWith(QStringLiteral("Move Arrow buttons.\n\n")));
}

TEST_F(EditorTest, HelpVideosOpensTheHelpPageBesideTheProgram)
{
    const QString program = temp.file(QStringLiteral("bin")) + QLatin1Char('/');
    QDir().mkpath(program);
    f.editor.Initialise(program);
    f.dialogs.answers.push_back(MessageAnswer::Ok);
    run(HelpVideos);
    ASSERT_TRUE(f.window.openedUrls.isEmpty());
    EXPECT_TRUE(f.dialogs.texts.last().startsWith(QStringLiteral("The help page is missing")));

    QFile page(program + QStringLiteral("help.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    run(HelpVideos);
    ASSERT_EQ(f.window.openedUrls.size(), 1);
    EXPECT_EQ(f.window.openedUrls[0].toLocalFile(), QFileInfo(page.fileName()).canonicalFilePath());
}

TEST_F(EditorTest, ExclusivePairsRunThroughTheCommandMap)
{
    f.panel.setChecked(AllText, true); // the click toggled it
    f.panel.setChecked(SelectedText, true);
    run(AllText);
    EXPECT_FALSE(f.panel.isChecked(SelectedText));
    f.panel.setChecked(Macro, true);
    run(Macro);
    EXPECT_FALSE(f.panel.isChecked(Micro));
}

TEST_F(EditorTest, FrameListStoresTheFrameOfTheStripBeingEdited)
{
    f.panel.setCurrentIndex(FrameList, 3);
    run(FrameList); // no strip mode: nothing to store
    EXPECT_EQ(f.editor.document().strip(0, 0).SubImageFrameIndex, 0);
    EXPECT_FALSE(f.editor.document().Modified);

    f.editor.modes().picture = true;
    f.editor.selection().pictureEditStrip = {1, 4};
    run(FrameList);
    EXPECT_EQ(f.editor.document().strip(1, 4).SubImageFrameIndex, 3);
    EXPECT_TRUE(f.editor.document().Modified);
    ASSERT_EQ(f.editor.undo().index, 0);
    EXPECT_EQ(f.editor.undo().entries[0].data.SubImageFrameIndex, 0);
    EXPECT_EQ(f.editor.undo().entries[0].strip, (ColumnRow{1, 4}));
}

TEST_F(EditorTest, MenuItemsSendTheCommandsOfTheirButtons)
{
    std::vector<int> received;
    for (int id : {LoadBackground, SaveLayout})
        f.editor.commands().add(id, [&received](const CommandEvent &event) { received.push_back(event.id); });
    run(MenuOpen);
    run(MenuSaveAs);
    // The handler sees the id that was sent, so it can tell the menu from the button.
    EXPECT_EQ(received, (std::vector<int>{MenuOpen, MenuSaveAs}));
}

TEST_F(EditorTest, UnknownCommandsAreReportedNotRun)
{
    EXPECT_FALSE(f.editor.RunCommand(CommandEvent{4242}));
}

TEST(FileFilter, BecomesTheDialogsFilter)
{
    EXPECT_EQ(QtFileFilter(QStringLiteral("Zorvan Layout(*.ZORVAN)|*.ZORVAN||")), QStringLiteral("Zorvan Layout (*.ZORVAN)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Images*.jpg;*.png|*.jpg;*.png||")), QStringLiteral("Images (*.jpg *.png)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("A|*.a|B|*.b;*.c||")), QStringLiteral("A (*.a);;B (*.b *.c)"));
}

} // namespace
} // namespace zorvan
