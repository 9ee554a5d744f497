#include "document/container.h"
#include "document/zipwriter.h"

#include "tempdir.h"
#include "zipfixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zorvan {
namespace {

using test::ZipEntrySpec;

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(data);
}

// Every path below root, with the kind of each entry, so that a test sees
// anything created anywhere, links included.
QStringList Snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString kind = info.isSymLink() ? QStringLiteral("link") : info.isDir() ? QStringLiteral("dir") : QStringLiteral("file");
        entries.append(QDir(root).relativeFilePath(info.filePath()) + QLatin1Char(' ') + kind + QLatin1Char(' ')
                       + QString::number(info.isFile() ? info.size() : 0));
    }
    entries.sort();
    return entries;
}

// A sandbox: the target folder "work" sits two levels down, so that a member
// climbing out with "../" or "../../" would land inside the sandbox where the
// snapshot sees it.
class UnpackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(m_root.file(QStringLiteral("a/b/work"))));
        m_work = m_root.file(QStringLiteral("a/b/work"));
        m_zip = m_root.file(QStringLiteral("in.ZORVAN"));
    }

    test::TempDir m_root;
    QString m_work;
    QString m_zip;
};

TEST_F(UnpackTest, ExtractsEveryMemberOfAContainerWeWrote)
{
    ZipWriter zip;
    ASSERT_TRUE(zip.open(m_zip));
    ASSERT_TRUE(zip.addData(QStringLiteral("Background.jpg"), QByteArray(5000, 'b')));
    ASSERT_TRUE(zip.addData(QStringLiteral("Layout.XZORVAN"), QByteArray("?\0x\0", 4)));
    ASSERT_TRUE(zip.addData(QStringLiteral("Empty.png"), QByteArray()));
    ASSERT_TRUE(zip.addData(QStringLiteral("Crème brûlée.jpg"), QByteArray("pic")));
    ASSERT_TRUE(zip.close());

    const UnpackResult result = UnpackContainer(m_zip, m_work);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.skipped.isEmpty());
    ASSERT_EQ(result.written.size(), 4);
    EXPECT_EQ(ReadAll(m_work + "/Background.jpg"), QByteArray(5000, 'b'));
    EXPECT_EQ(ReadAll(m_work + "/Layout.XZORVAN"), QByteArray("?\0x\0", 4));
    EXPECT_TRUE(QFileInfo(m_work + "/Empty.png").isFile());
    EXPECT_EQ(ReadAll(m_work + QStringLiteral("/Crème brûlée.jpg")), QByteArray("pic"));
    // Nothing of the staging folder is left behind.
    EXPECT_EQ(QDir(m_work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 4);
}

TEST_F(UnpackTest, GivesMembersOfEarlierVersionsTheCurrentNames)
{
    ASSERT_TRUE(test::WriteZip(m_zip, {{"Lunch-ZORVANBGD.jpg", "background"},
                                       {"ZorvanLayout_Lunch.XZORVAN", "layout"},
                                       {"fries.jpg", "fries"}}));
    const UnpackResult result = UnpackContainer(m_zip, m_work);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(ReadAll(m_work + "/Background.jpg"), "background");
    EXPECT_EQ(ReadAll(m_work + "/Layout.XZORVAN"), "layout");
    EXPECT_EQ(ReadAll(m_work + "/fries.jpg"), "fries");
    EXPECT_FALSE(QFileInfo::exists(m_work + "/Lunch-ZORVANBGD.jpg"));
    EXPECT_FALSE(QFileInfo::exists(m_work + "/ZorvanLayout_Lunch.XZORVAN"));
    ASSERT_EQ(result.written.size(), 3);
    EXPECT_EQ(result.written[0].memberName, "Lunch-ZORVANBGD.jpg");
    EXPECT_EQ(result.written[0].fileName, "Background.jpg");
}

TEST_F(UnpackTest, ReducesUnsafeMemberNamesToPlainFileNames)
{
    struct Case {
        const char *member;
        const char *file; // "" when the member is skipped
    };
    const Case cases[] = {
        {"../x1.jpg", "x1.jpg"},
        {"../../x2.jpg", "x2.jpg"},
        {"/abs.jpg", "abs.jpg"},
        {"/etc/cron.d/evil", "evil"},
        {"C:\\x3.jpg", "x3.jpg"},
        {"C:x4.jpg", "x4.jpg"},
        {"..\\..\\x5.jpg", "x5.jpg"},
        {"a/b/c.jpg", "c.jpg"},
        {"sub\\dir\\d.jpg", "d.jpg"},
        {"..", ""},
        {"folder/", ""},
        {"folder\\", ""},
        {"/", ""},
        {"new\nline.jpg", ""},
        {"tab\t.jpg", ""},
    };
    QList<ZipEntrySpec> entries;
    for (const Case &c : cases)
        entries.append({c.member, QByteArray("data of ") + c.member});
    ASSERT_TRUE(test::WriteZip(m_zip, entries));

    const UnpackResult result = UnpackContainer(m_zip, m_work);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    QStringList expected;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.member);
        EXPECT_EQ(UnpackedFileName(QString::fromUtf8(c.member)), QString::fromUtf8(c.file));
        if (*c.file) {
            EXPECT_EQ(ReadAll(m_work + "/" + c.file), QByteArray("data of ") + c.member);
            expected.append(QStringLiteral("a/b/work/%1 file %2").arg(c.file).arg(qstrlen(c.member) + 8));
        } else {
            EXPECT_TRUE(result.skipped.contains(QString::fromUtf8(c.member)));
        }
    }
    // Nothing anywhere but the plain files in the target folder.
    expected << "a dir 0" << "a/b dir 0" << "a/b/work dir 0" << QStringLiteral("in.ZORVAN file %1").arg(QFileInfo(m_zip).size());
    expected.sort();
    EXPECT_EQ(Snapshot(m_root.path()), expected);
}

TEST_F(UnpackTest, NeverCreatesLinksOrSpecialFiles)
{
    const unsigned unix = 3u << 8 | 20;
    ASSERT_TRUE(test::WriteZip(m_zip, {{"link.jpg", "/etc/passwd", unix, (0120777u << 16)},
                                       {"dirlink", "..", unix, (0120755u << 16)},
                                       {"fifo", "", unix, (0010644u << 16)},
                                       {"plain.jpg", "plain", unix, (0100644u << 16)}}));
    const UnpackResult result = UnpackContainer(m_zip, m_work);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.skipped, QStringList({"link.jpg", "dirlink", "fifo"}));
    EXPECT_EQ(Snapshot(m_work), QStringList({"plain.jpg file 5"}));
}

TEST_F(UnpackTest, DecodesMemberNamesOfEitherPlatform)
{
    ASSERT_TRUE(test::WriteZip(m_zip, {{"caf\xe9.jpg", "windows"},                            // ANSI code page, no flag
                                       {"na\xc3\xafve.jpg", "utf8 without flag"},
                                       {"\xc3\xa9t\xc3\xa9.jpg", "utf8 with flag", 0, 0, 1u << 11}}));
    const UnpackResult result = UnpackContainer(m_zip, m_work);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(ReadAll(m_work + QStringLiteral("/café.jpg")), "windows");
    EXPECT_EQ(ReadAll(m_work + QStringLiteral("/naïve.jpg")), "utf8 without flag");
    EXPECT_EQ(ReadAll(m_work + QStringLiteral("/été.jpg")), "utf8 with flag");
}

TEST_F(UnpackTest, KeepsTheLastOfMembersWithTheSameName)
{
    ASSERT_TRUE(test::WriteZip(m_zip, {{"pic.jpg", "first"}, {"other/pic.jpg", "second"}}));
    const UnpackResult result = UnpackContainer(m_zip, m_work);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(ReadAll(m_work + "/pic.jpg"), "second");
    EXPECT_EQ(Snapshot(m_work), QStringList({"pic.jpg file 6"}));
}

// A refused container leaves the target exactly as it was: members read
// before the bad one are not moved in either.
TEST_F(UnpackTest, RefusesBadContainersAndLeavesTheFolderAsItWas)
{
    struct Case {
        const char *what;
        QList<ZipEntrySpec> entries;
        const char *reason;
    };
    const QByteArray small(1000, 'z');
    const Case cases[] = {
        {"a member claiming 3 GiB", {{"ok.jpg", "fine"}, {"huge.jpg", small, 0, 0, 0, qint64(3) << 30}}, "2 GiB"},
        {"members claiming 2.4 GiB in all",
         {{"m1.jpg", small, 0, 0, 0, qint64(800) << 20},
          {"m2.jpg", small, 0, 0, 0, qint64(800) << 20},
          {"m3.jpg", small, 0, 0, 0, qint64(800) << 20}},
         "2 GiB"},
        {"a member claiming less than it holds", {{"ok.jpg", "fine"}, {"short.jpg", small, 0, 0, 0, 10}}, "damaged"},
        {"a member claiming more than it holds", {{"ok.jpg", "fine"}, {"long.jpg", small, 0, 0, 0, 5000}}, "damaged"},
        {"a member with a wrong CRC",
         {{"ok.jpg", "fine"}, {"crc.jpg", small, 0, 0, 0, 1000, 0x12345678}},
         "damaged"},
        {"an encrypted member", {{"ok.jpg", "fine"}, {"secret.jpg", "x", 0, 0, 1}}, "encrypted"},
    };
    WriteFile(m_work + "/ok.jpg", "previous");
    WriteFile(m_work + "/keep.txt", "keep");
    const QStringList before = Snapshot(m_root.path());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(m_zip);
        ASSERT_TRUE(test::WriteZip(m_zip, c.entries));
        const QStringList withZip = Snapshot(m_root.path());
        const UnpackResult result = UnpackContainer(m_zip, m_work);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QLatin1String(c.reason))) << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(m_zip)) << result.error.toStdString();
        EXPECT_TRUE(result.written.isEmpty());
        EXPECT_EQ(Snapshot(m_root.path()), withZip);
        EXPECT_EQ(ReadAll(m_work + "/ok.jpg"), "previous");
    }
}

TEST_F(UnpackTest, ReportsFilesThatAreNoContainers)
{
    const QString text = m_root.file("text.ZORVAN");
    WriteFile(text, "this is not a zip archive");
    const QString fresh = m_root.file("fresh");
    struct Case {
        QString path;
        const char *reason;
    };
    const Case cases[] = {
        {text, "not a layout container"},
        {m_root.file("missing.ZORVAN"), "no such file"},
        {m_root.file("a"), "not a file"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.reason);
        const UnpackResult result = UnpackContainer(c.path, fresh);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QLatin1String(c.reason))) << result.error.toStdString();
        EXPECT_FALSE(QFileInfo::exists(fresh));
    }
}

TEST_F(UnpackTest, CreatesAMissingTargetFolderButRemovesItAgainOnRefusal)
{
    ASSERT_TRUE(test::WriteZip(m_zip, {{"a.jpg", "a"}}));
    const QString fresh = m_root.file("new/work");
    ASSERT_TRUE(UnpackContainer(m_zip, fresh).ok);
    EXPECT_EQ(ReadAll(fresh + "/a.jpg"), "a");

    ASSERT_TRUE(test::WriteZip(m_zip, {{"a.jpg", "a"}, {"b.jpg", "bbbb", 0, 0, 0, 1}}));
    const QString other = m_root.file("other");
    EXPECT_FALSE(UnpackContainer(m_zip, other).ok);
    EXPECT_FALSE(QFileInfo::exists(other));
}

TEST_F(UnpackTest, RefusesTooLongPaths)
{
    ASSERT_TRUE(test::WriteZip(m_zip, {{"a.jpg", "a"}}));
    const QString deep = m_work + "/" + QString(4100, QLatin1Char('d'));
    const UnpackResult result = UnpackContainer(m_zip, deep);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QLatin1String("too long"))) << result.error.toStdString();

    const QByteArray longName = QByteArray(300, 'n') + ".jpg";
    ASSERT_TRUE(test::WriteZip(m_zip, {{longName, "a"}}));
    const UnpackResult named = UnpackContainer(m_zip, m_work);
    EXPECT_FALSE(named.ok);
    EXPECT_TRUE(named.error.contains(QLatin1String("too long"))) << named.error.toStdString();
    EXPECT_EQ(Snapshot(m_work), QStringList());
}

TEST_F(UnpackTest, RefusesToReplaceAFolderWithAFile)
{
    ASSERT_TRUE(QDir().mkpath(m_work + "/pic.jpg"));
    WriteFile(m_work + "/a.jpg", "old");
    ASSERT_TRUE(test::WriteZip(m_zip, {{"a.jpg", "new"}, {"pic.jpg", "p"}}));
    const UnpackResult result = UnpackContainer(m_zip, m_work);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(ReadAll(m_work + "/a.jpg"), "old");
}

// Open reads the layout text before the files replace the open layout's.
TEST_F(UnpackTest, ACheckSeesTheFilesFirstAndCanRefuseThem)
{
    WriteFile(m_work + "/old.jpg", "old layout");
    ASSERT_TRUE(QDir().mkpath(m_work + "/keep"));
    ASSERT_TRUE(test::WriteZip(m_zip, {{"Layout.XZORVAN", "not a layout"}, {"new.jpg", "new"}}));
    const QStringList before = Snapshot(m_root.path());

    UnpackOptions options;
    options.replaceFolderContents = true;
    QByteArray seen;
    options.check = [&](const QString &staging, QString *error) {
        seen = ReadAll(staging + "/Layout.XZORVAN");
        *error = "Layout.XZORVAN is not a layout";
        return false;
    };
    UnpackResult result = UnpackContainer(m_zip, m_work, options);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Layout.XZORVAN is not a layout");
    EXPECT_EQ(seen, "not a layout");
    EXPECT_EQ(Snapshot(m_root.path()), before);

    options.check = [](const QString &, QString *) { return true; };
    result = UnpackContainer(m_zip, m_work, options);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(Snapshot(m_work), QStringList({"Layout.XZORVAN file 12", "keep dir 0", "new.jpg file 3"}));
}

} // namespace
} // namespace zorvan
