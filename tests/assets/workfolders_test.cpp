#include "assets/workfolders.h"
#include "document/userprompts.h"

#include "tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSet>
#include <QSysInfo>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

void WriteFile(const QString &path, const QByteArray &data = "x")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(data);
}

QStringList Entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// A lock file left by a process that has ended.
void WriteStaleLock(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    ASSERT_TRUE(process.waitForStarted());
    const qint64 pid = process.processId();
    ASSERT_TRUE(process.waitForFinished());
    WriteFile(path, QByteArray::number(pid) + "\nzorvan\n" + QSysInfo::machineHostName().toUtf8() + "\n");
}

constexpr qint64 kStart = 1733650000;

class WorkFoldersTest : public ::testing::Test {
protected:
    QString trelmont() const { return m_appData.file("Trelmont"); }
    test::TempDir m_appData;
};

TEST_F(WorkFoldersTest, CreatesTheTrelmontAndWorkFolder)
{
    WorkFolders folders;
    ASSERT_TRUE(folders.start(m_appData.path(), nullptr, kStart)) << folders.errorString().toStdString();
    EXPECT_EQ(folders.trelmontFolder(), trelmont());
    EXPECT_EQ(folders.workFolder(), trelmont() + "/QRT1733650000");
    EXPECT_TRUE(QFileInfo(folders.workFolder()).isDir());
    EXPECT_FALSE(folders.otherInstanceRunning());
    EXPECT_TRUE(QFileInfo::exists(trelmont() + "/Hello.lock"));
}

TEST_F(WorkFoldersTest, TheApplicationDataFolderComesFromTheEnvironment)
{
    qputenv("ZORVAN_APPDATA_DIR", m_appData.path().toUtf8());
    EXPECT_EQ(WorkFolders::DefaultAppDataFolder(), m_appData.path());
    qunsetenv("ZORVAN_APPDATA_DIR");
    EXPECT_FALSE(WorkFolders::DefaultAppDataFolder().isEmpty());
}

TEST_F(WorkFoldersTest, InstancesStartedInTheSameSecondGetTheirOwnFolders)
{
    WorkFolders first;
    ASSERT_TRUE(first.start(m_appData.path(), nullptr, kStart));
    WriteFile(first.workFolder() + "/Background.jpg");

    WorkFolders second;
    ASSERT_TRUE(second.start(m_appData.path(), nullptr, kStart));
    EXPECT_TRUE(second.otherInstanceRunning());
    EXPECT_NE(second.workFolder(), first.workFolder());
    EXPECT_TRUE(QFileInfo(second.workFolder()).isDir());
    EXPECT_TRUE(QFileInfo::exists(first.workFolder() + "/Background.jpg"));

    WorkFolders third;
    ASSERT_TRUE(third.start(m_appData.path(), nullptr, kStart));
    EXPECT_EQ(QSet<QString>({first.workFolder(), second.workFolder(), third.workFolder()}).size(), 3);
    for (const WorkFolders *run : {&first, &second, &third})
        EXPECT_TRUE(QFileInfo(run->workFolder()).fileName().startsWith("QRT1733650000"));
}

// The single-instance lock goes with the first instance, but a later start
// must still leave the folder of an instance that keeps running alone.
TEST_F(WorkFoldersTest, ALaterStartNeverRemovesTheFolderOfARunningInstance)
{
    auto first = std::make_unique<WorkFolders>();
    ASSERT_TRUE(first->start(m_appData.path(), nullptr, kStart));
    const QString firstFolder = first->workFolder();
    WorkFolders second;
    ASSERT_TRUE(second.start(m_appData.path(), nullptr, kStart + 5));
    WriteFile(second.workFolder() + "/Layout.XZORVAN");

    first.reset(); // ends through the menu: its folder stays behind
    ASSERT_TRUE(QFileInfo(firstFolder).isDir());

    WorkFolders third;
    ASSERT_TRUE(third.start(m_appData.path(), nullptr, kStart + 10));
    EXPECT_FALSE(third.otherInstanceRunning());
    EXPECT_EQ(third.removedAtStart(), 1);
    EXPECT_FALSE(QFileInfo::exists(firstFolder));
    EXPECT_TRUE(QFileInfo::exists(second.workFolder() + "/Layout.XZORVAN"));
}

TEST_F(WorkFoldersTest, AStaleLockOfAnEndedProcessDoesNotCount)
{
    ASSERT_TRUE(QDir().mkpath(trelmont() + "/QRT100"));
    WriteStaleLock(trelmont() + "/Hello.lock");
    WriteStaleLock(trelmont() + "/QRT100.lock");
    WorkFolders folders;
    ASSERT_TRUE(folders.start(m_appData.path(), nullptr, kStart));
    EXPECT_FALSE(folders.otherInstanceRunning());
    EXPECT_EQ(folders.removedAtStart(), 1);
    EXPECT_FALSE(QFileInfo::exists(trelmont() + "/QRT100"));
    EXPECT_FALSE(QFileInfo::exists(trelmont() + "/QRT100.lock"));
}

TEST_F(WorkFoldersTest, HousekeepingRemovesOnlyWorkFolders)
{
    const QString t = trelmont();
    ASSERT_TRUE(QDir().mkpath(t + "/QRT1733000000/leftover"));
    for (int i = 0; i < 120; ++i)
        WriteFile(QStringLiteral("%1/QRT1733000000/file%2.jpg").arg(t).arg(i));
    WriteFile(t + "/QRT1733000000/leftover/inner.jpg");
    WriteFile(t + "/QRT1733000000/readonly.jpg");
    QFile::setPermissions(t + "/QRT1733000000/readonly.jpg", QFile::ReadOwner);
    ASSERT_TRUE(QDir().mkpath(t + "/QRT2"));
    ASSERT_TRUE(QDir().mkpath(t + "/qrt123"));
    WriteFile(t + "/qrt123/keep.jpg");
    WriteFile(t + "/QRT.txt");
    ASSERT_TRUE(QDir().mkpath(t + "/Other"));
    WriteFile(t + "/RotationData.txt");
    // A link named like a work folder is never followed.
    ASSERT_TRUE(QDir().mkpath(m_appData.file("outside")));
    WriteFile(m_appData.file("outside/precious.jpg"));
    ASSERT_TRUE(QFile::link(m_appData.file("outside"), t + "/QRTlink"));

    QueuedPrompts prompts;
    EXPECT_EQ(RemoveObsoleteQRTFolders(t, &prompts), 2);
    EXPECT_EQ(Entries(t), QStringList({"Other", "QRT.txt", "QRTlink", "RotationData.txt", "qrt123"}));
    EXPECT_TRUE(QFileInfo::exists(t + "/qrt123/keep.jpg"));
    EXPECT_TRUE(QFileInfo::exists(m_appData.file("outside/precious.jpg")));
    EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(WorkFoldersTest, HousekeepingWithoutATrelmontFolderDoesNothing)
{
    QueuedPrompts prompts;
    EXPECT_EQ(RemoveObsoleteQRTFolders(trelmont(), &prompts), 0);
    EXPECT_TRUE(prompts.shown().isEmpty());
}

TEST_F(WorkFoldersTest, ClearFolderRemovesEveryFileButNoSubfolder)
{
    const QString folder = m_appData.file("work");
    ASSERT_TRUE(QDir().mkpath(folder + "/sub"));
    for (int i = 0; i < 120; ++i)
        WriteFile(QStringLiteral("%1/file%2.jpg").arg(folder).arg(i));
    WriteFile(folder + "/.hidden");
    WriteFile(folder + "/readonly.jpg");
    QFile::setPermissions(folder + "/readonly.jpg", QFile::ReadOwner | QFile::ReadGroup);
    WriteFile(folder + "/sub/inner.jpg");
    WriteFile(m_appData.file("target.jpg"), "precious");
    ASSERT_TRUE(QFile::link(m_appData.file("target.jpg"), folder + "/link.jpg"));
    ASSERT_TRUE(QFile::link(m_appData.file("gone.jpg"), folder + "/dangling.jpg"));

    EXPECT_EQ(ClearFolder(folder), 124);
    EXPECT_EQ(Entries(folder), QStringList({"sub"}));
    EXPECT_TRUE(QFileInfo::exists(folder + "/sub/inner.jpg"));
    QFile target(m_appData.file("target.jpg"));
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), "precious");
    EXPECT_EQ(ClearFolder(m_appData.file("missing")), 0);
}

TEST_F(WorkFoldersTest, RemovingTheWorkFolderLeavesTheRestAlone)
{
    WorkFolders folders;
    ASSERT_TRUE(folders.start(m_appData.path(), nullptr, kStart));
    WriteFile(folders.workFolder() + "/Background.jpg");
    ASSERT_TRUE(QDir().mkpath(folders.workFolder() + "/.unpack-abc"));
    WriteFile(trelmont() + "/RotationData.txt");
    folders.removeWorkFolder();
    EXPECT_EQ(Entries(trelmont()), QStringList({"Hello.lock", "RotationData.txt"}));
}

TEST_F(WorkFoldersTest, RefusesAnApplicationDataFolderWithATooLongPath)
{
    WorkFolders folders;
    EXPECT_FALSE(folders.start(m_appData.path() + "/" + QString(4000, QLatin1Char('x')), nullptr, kStart));
    EXPECT_TRUE(folders.errorString().contains("too long"));
    EXPECT_FALSE(folders.start(QString(), nullptr, kStart));
}

TEST_F(WorkFoldersTest, ReportsATrelmontFolderThatCannotBeCreated)
{
    WriteFile(m_appData.file("file"));
    WorkFolders folders;
    EXPECT_FALSE(folders.start(m_appData.file("file"), nullptr, kStart));
    EXPECT_TRUE(folders.errorString().contains("cannot create")) << folders.errorString().toStdString();
}

} // namespace
} // namespace zorvan
