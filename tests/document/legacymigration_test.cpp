#include "document/legacymigration.h"

#include "document/layoutfilestate.h"
#include "document/menudata.h"
#include "document/userprompts.h"

#include "tempdir.h"
#include "zipfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

void WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(data);
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// A legacy layout as Open leaves it: "ZorvanLayout_Lunch.XZORVAN" beside
// "Lunch_SupportFiles", the document pointing into the support folder.
class MigrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_menus = m_dir.file("menus");
        m_support = m_menus + "/Lunch_SupportFiles";
        m_work = m_dir.file("work");
        ASSERT_TRUE(QDir().mkpath(m_support));
        ASSERT_TRUE(QDir().mkpath(m_work));
        WriteFile(m_menus + "/ZorvanLayout_Lunch.XZORVAN", "legacy text");
        WriteFile(m_menus + "/Dinner_LAYOUT.ZORVAN", "another layout");
        WriteFile(m_support + "/Lunch-ZORVANBGD.jpg", "background");
        WriteFile(m_support + "/fries.jpg", "fries");
        WriteFile(m_work + "/stale.jpg", "from an earlier layout");

        m_state.fromContainer = false;
        m_state.lastLayoutFolder = m_menus + "/";
        m_state.fileFolder = m_menus;
        m_state.legacyFileName = "ZorvanLayout_Lunch.XZORVAN";
        m_state.layoutFileName = "Lunch.jpg";
        m_state.resolvedBackgroundPath = m_support + "/Lunch-ZORVANBGD.jpg";
        m_state.currentFilePath = m_state.resolvedBackgroundPath;
        m_state.migrationPending = true;
        m_state.collectFonts = true;
        m_doc.BackgroundPath = m_state.resolvedBackgroundPath;
        m_doc.strip(1, 2).SubImageFileName = m_support + "/fries.jpg";
        m_doc.strip(1, 2).MainItemTextParams.Text = "Fries";
    }

    QString container() const { return m_menus + "/Lunch_LAYOUT.ZORVAN"; }

    test::TempDir m_dir;
    QString m_menus;
    QString m_support;
    QString m_work;
    LayoutFileState m_state;
    MenuData m_doc;
};

TEST_F(MigrationTest, AsksWithTheExactQuestion)
{
    EXPECT_EQ(MigrationQuestion("ZorvanLayout_Lunch.XZORVAN", "Lunch_LAYOUT.ZORVAN"),
              QStringLiteral("We are transitioning to a simpler file system.\r\n\rThe layout file\r\n"
                             "        ZorvanLayout_Lunch.XZORVAN\r\n        and its support folder\r\n\r\n"
                             "are being replaced with a single file\r\n        Lunch_LAYOUT.ZORVAN.\r\n\r\n"
                             "Do you wish to replace them (recommended)?\r\n\r\n\r\n"
                             "If assistance is needed regarding this, call\r\nTrelmont Tech Support."));
    // File names are inserted as they are, whatever they contain.
    EXPECT_TRUE(MigrationQuestion("%2 %1.XZORVAN", "b").contains("%2 %1.XZORVAN"));
}

TEST_F(MigrationTest, NoKeepsEverythingAndIsNotAskedAgain)
{
    QueuedPrompts prompts({Answer::No});
    const MenuData before = m_doc;
    const MigrationResult result = MigrateLegacyLayout(m_doc, m_state, m_work, QString(), prompts);
    EXPECT_FALSE(result.converted);
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(result.containerPath, container());
    EXPECT_EQ(prompts.shown(), QStringList({MigrationQuestion("ZorvanLayout_Lunch.XZORVAN", "Lunch_LAYOUT.ZORVAN")}));
    EXPECT_FALSE(m_state.migrationPending);
    EXPECT_FALSE(m_state.collectFonts);
    EXPECT_FALSE(m_state.fromContainer);
    EXPECT_EQ(m_doc, before);
    EXPECT_EQ(Entries(m_menus), QStringList({"Dinner_LAYOUT.ZORVAN", "Lunch_SupportFiles", "ZorvanLayout_Lunch.XZORVAN"}));
}

TEST_F(MigrationTest, YesReplacesTheLegacyFilesWithAContainer)
{
    WriteFile(m_work + "/Arimo.ttf", "font");
    QueuedPrompts prompts({Answer::Yes});
    const MigrationResult result = MigrateLegacyLayout(m_doc, m_state, m_work, "Arimo,Arimo.ttf;", prompts);
    ASSERT_TRUE(result.converted) << result.error.toStdString();
    EXPECT_TRUE(result.legacyRemoved);
    EXPECT_EQ(prompts.shown().size(), 1);
    EXPECT_FALSE(prompts.busy());

    EXPECT_EQ(Entries(m_menus), QStringList({"Dinner_LAYOUT.ZORVAN", "Lunch_LAYOUT.ZORVAN"}));
    EXPECT_EQ(test::ZipMemberNames(container()),
              QStringList({"Background.jpg", "Layout.XZORVAN", "fries.jpg", "Arimo.ttf", "FontFileNames.txt"}));
    // The editor now works on the container's copies, as after opening it.
    EXPECT_EQ(Entries(m_work), QStringList({"Arimo.ttf", "Background.jpg", "FontFileNames.txt", "Layout.XZORVAN", "fries.jpg"}));
    EXPECT_EQ(ReadAll(m_work + "/Background.jpg"), "background");
    EXPECT_EQ(m_doc.BackgroundPath, m_work + "/Background.jpg");
    EXPECT_EQ(m_doc.strip(1, 2).SubImageFileName, m_work + "/fries.jpg");
    EXPECT_EQ(ReadAll(m_doc.strip(1, 2).SubImageFileName), "fries");
    EXPECT_TRUE(m_state.fromContainer);
    EXPECT_EQ(m_state.currentFilePath, container());
    EXPECT_EQ(m_state.layoutFileName, "Lunch.ZORVAN");
    EXPECT_FALSE(m_state.migrationPending);
    EXPECT_FALSE(m_state.collectFonts);
}

TEST_F(MigrationTest, CanKeepTheLegacyFilesAndSkipTheQuestion)
{
    QueuedPrompts prompts;
    MigrationOptions options;
    options.ask = false;
    options.removeLegacy = false;
    const MigrationResult result = MigrateLegacyLayout(m_doc, m_state, m_work, QString(), prompts, options);
    ASSERT_TRUE(result.converted) << result.error.toStdString();
    EXPECT_FALSE(result.legacyRemoved);
    EXPECT_TRUE(prompts.shown().isEmpty());
    EXPECT_EQ(Entries(m_menus),
              QStringList({"Dinner_LAYOUT.ZORVAN", "Lunch_LAYOUT.ZORVAN", "Lunch_SupportFiles", "ZorvanLayout_Lunch.XZORVAN"}));
    EXPECT_EQ(Entries(m_support), QStringList({"Lunch-ZORVANBGD.jpg", "fries.jpg"}));
}

TEST_F(MigrationTest, AFailedConversionKeepsTheLegacyLayoutAndSaysWhy)
{
    ASSERT_TRUE(QDir().mkpath(container())); // a folder where the container should go
    QueuedPrompts prompts({Answer::Yes});
    const MenuData before = m_doc;
    const LayoutFileState stateBefore = m_state;
    const MigrationResult result = MigrateLegacyLayout(m_doc, m_state, m_work, QString(), prompts);
    EXPECT_FALSE(result.converted);
    EXPECT_FALSE(result.error.isEmpty());
    ASSERT_EQ(prompts.shown().size(), 2);
    EXPECT_TRUE(prompts.shown()[1].contains("could not be converted")) << prompts.shown()[1].toStdString();
    EXPECT_FALSE(prompts.busy());
    EXPECT_EQ(m_doc, before);
    EXPECT_EQ(m_state.fromContainer, stateBefore.fromContainer);
    EXPECT_EQ(m_state.currentFilePath, stateBefore.currentFilePath);
    EXPECT_FALSE(m_state.migrationPending);
    EXPECT_EQ(Entries(m_support), QStringList({"Lunch-ZORVANBGD.jpg", "fries.jpg"}));
    EXPECT_TRUE(QFileInfo::exists(m_menus + "/ZorvanLayout_Lunch.XZORVAN"));
}

// The background path comes from the file; it must never make the
// conversion empty the folder the layouts live in.
TEST_F(MigrationTest, RemovesOnlyTheLayoutsOwnSupportFolder)
{
    WriteFile(m_menus + "/bg.jpg", "a background lying beside the layouts");
    m_state.resolvedBackgroundPath = m_menus + "/bg.jpg";
    m_doc.BackgroundPath = m_state.resolvedBackgroundPath;
    QueuedPrompts prompts({Answer::Yes});
    const MigrationResult result = MigrateLegacyLayout(m_doc, m_state, m_work, QString(), prompts);
    ASSERT_TRUE(result.converted) << result.error.toStdString();
    EXPECT_EQ(Entries(m_menus), QStringList({"Dinner_LAYOUT.ZORVAN", "Lunch_LAYOUT.ZORVAN", "bg.jpg"}));
}

} // namespace
} // namespace zorvan
