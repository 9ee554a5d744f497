#include "clicommands.h"
#include "clirun.h"

#include "document/container.h"
#include "document/layoutpaths.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"

#include "layoutfixtures.h"
#include "qtprinters.h"
#include "tempdir.h"
#include "zipfixture.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zorvan;

namespace {

using test::Outcome;
using test::RunZorvan;

void ExpectOneLineFailure(const Outcome &o, const QString &named)
{
    EXPECT_EQ(o.status, cli::kExitError);
    EXPECT_TRUE(o.out.isEmpty()) << o.out.toStdString();
    EXPECT_TRUE(o.err.startsWith("zorvan: ")) << o.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(o.err).contains(named)) << o.err.toStdString();
    EXPECT_EQ(o.err.count('\n'), 1) << o.err.toStdString();
}

void WriteImage(const QString &path)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(10, 120, 200));
    ASSERT_TRUE(image.save(path, "JPEG")) << path.toStdString();
}

QJsonObject StripAt(const QJsonObject &json, int column, int row)
{
    for (const QJsonValue &strip : json.value(QLatin1String("Strips")).toArray()) {
        if (strip[QLatin1String("Column")].toInt() == column && strip[QLatin1String("Row")].toInt() == row)
            return strip.toObject();
    }
    return {};
}

// The sample layout saved as a container, its pictures in a work folder.
class ContainerCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc = test::SampleLayout();
        work = dir.file(QStringLiteral("work"));
        ASSERT_TRUE(QDir().mkpath(work));
        WriteImage(work + QStringLiteral("/Background.jpg"));
        for (int column = 0; column < doc->NumberOfColumns; ++column) {
            for (int row = 0; row < doc->NumberOfRows; ++row) {
                QString &picture = doc->strip(column, row).SubImageFileName;
                if (!picture.isEmpty()) {
                    picture = work + QLatin1Char('/') + FileNameOf(picture);
                    WriteImage(picture);
                }
            }
        }
        container = dir.file(QStringLiteral("Sample_LAYOUT.ZORVAN"));
        ContainerSources sources;
        sources.workFolder = work;
        QueuedPrompts prompts;
        const PackResult packed = PackContainer(container, *doc, sources, prompts);
        ASSERT_TRUE(packed.ok) << packed.error.toStdString();
    }

    test::TempDir dir;
    std::unique_ptr<MenuData> doc;
    QString work;
    QString container;
};

} // namespace

TEST_F(ContainerCommands, DumpReadsAContainerFromAPrivateWorkFolder)
{
    const Outcome o = RunZorvan({QStringLiteral("dump"), container});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(o.out).object();
    EXPECT_EQ(json.value(QLatin1String("BackgroundFileName")).toString(), QStringLiteral("Background.jpg"));
    const QString background = json.value(QLatin1String("BackgroundPath")).toString();
    ASSERT_TRUE(background.endsWith(QStringLiteral("/Background.jpg"))) << background.toStdString();
    const QString privateFolder = FolderOf(background);
    EXPECT_NE(privateFolder, work);
    // Gone once the command is done.
    EXPECT_FALSE(QFileInfo::exists(privateFolder));

    const QJsonObject full = StripAt(json, 1, 2);
    EXPECT_EQ(full.value(QLatin1String("SubImageFileName")).toString(),
              privateFolder + QStringLiteral("/Caf\u00e9 & <Bar>.jpg"));
    EXPECT_EQ(full.value(QLatin1String("MainItemTextParams"))[QLatin1String("Text")].toString(),
              doc->strip(1, 2).MainItemTextParams.Text);
    EXPECT_EQ(StripAt(json, 0, 0).value(QLatin1String("SubImageFileName")).toString(), privateFolder + QStringLiteral("/Burger.png"));
    EXPECT_TRUE(json.value(QLatin1String("WhitePrintBackground")).toBool());
}

TEST_F(ContainerCommands, LayoutTextOfAContainerIsWhatSavingWouldWrite)
{
    const Outcome o = RunZorvan({QStringLiteral("layout-text"), container});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    const QString text = QString::fromUtf8(o.out);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("<SubImageFileName>(.*)/Burger.png</SubImageFileName>")).match(text);
    ASSERT_TRUE(match.hasMatch());
    MenuData expected = *doc;
    for (int column = 0; column < expected.NumberOfColumns; ++column)
        for (int row = 0; row < expected.NumberOfRows; ++row) {
            QString &picture = expected.strip(column, row).SubImageFileName;
            if (!picture.isEmpty())
                picture = match.captured(1) + QLatin1Char('/') + FileNameOf(picture);
        }
    EXPECT_EQ(text, WriteLayoutText(expected, QStringLiteral("Background.jpg")));
}

TEST_F(ContainerCommands, DumpOpensContainersOfTheEarlierNaming)
{
    const QString plain = WriteLayoutText(*doc, QStringLiteral("Background.jpg"));
    const QString earlier = dir.file(QStringLiteral("Sample.ZORVAN"));
    ASSERT_TRUE(test::WriteZip(earlier, {{"Sample-ZORVANBGD.jpg", "jpeg"},
                                         {"ZorvanLayout_Sample.XZORVAN", EncodeLayoutBytes(ScrambleLayoutText(plain))}}));
    const Outcome o = RunZorvan({QStringLiteral("dump"), earlier});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(o.out).object();
    EXPECT_EQ(json.value(QLatin1String("NumberOfColumns")).toInt(), 3);
    EXPECT_TRUE(json.value(QLatin1String("BackgroundPath")).toString().endsWith(QStringLiteral("/Background.jpg")));
    EXPECT_EQ(json.value(QLatin1String("Strips")).toArray().size(), 4);
}

TEST_F(ContainerCommands, BadContainersFailOnOneLine)
{
    const QString notZip = dir.file(QStringLiteral("Text_LAYOUT.ZORVAN"));
    ASSERT_TRUE(test::WriteFile(notZip, EncodeLayoutBytes(WriteLayoutText(*doc, QStringLiteral("Background.jpg")))));
    const QString noLayout = dir.file(QStringLiteral("Empty_LAYOUT.ZORVAN"));
    ASSERT_TRUE(test::WriteZip(noLayout, {{"Background.jpg", "jpeg"}}));
    const QString huge = dir.file(QStringLiteral("Huge_LAYOUT.ZORVAN"));
    ASSERT_TRUE(test::WriteZip(huge, {{"Layout.XZORVAN", "x", 0, 0, 0, qint64(3) << 30}}));
    const struct {
        QString path;
        const char *reason;
    } cases[] = {
        {notZip, "not a layout container"},
        {noLayout, "holds no Layout.XZORVAN"},
        {huge, "2 GiB"},
        {dir.file(QStringLiteral("Missing_LAYOUT.ZORVAN")), "no such file"},
    };
    for (const auto &c : cases) {
        for (const char *command : {"dump", "layout-text"}) {
            SCOPED_TRACE(c.reason);
            const Outcome o = RunZorvan({QString::fromLatin1(command), c.path});
            ExpectOneLineFailure(o, c.path);
            EXPECT_TRUE(o.err.contains(c.reason)) << o.err.toStdString();
            // The file is named once.
            EXPECT_EQ(QString::fromUtf8(o.err).count(c.path), 1) << o.err.toStdString();
        }
    }
}

TEST_F(ContainerCommands, UnpackListsTheFilesItWrote)
{
    const QString target = dir.file(QStringLiteral("out"));
    const Outcome o = RunZorvan({QStringLiteral("unpack"), container, target});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_TRUE(o.err.isEmpty());
    EXPECT_EQ(QString::fromUtf8(o.out), QStringLiteral("Background.jpg\nLayout.XZORVAN\nBurger.png\nCaf\u00e9 & <Bar>.jpg\n"
                                                       "FontFileNames.txt\n"));
    QStringList files = QDir(target).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    EXPECT_EQ(files, QStringList({"Background.jpg", "Burger.png", QStringLiteral("Caf\u00e9 & <Bar>.jpg"), "FontFileNames.txt",
                                  "Layout.XZORVAN"}));
}

TEST_F(ContainerCommands, UnpackRenamesOldMembersAndKeepsInsideDir)
{
    const QString hostile = dir.file(QStringLiteral("Hostile.ZORVAN"));
    const unsigned unixLink = 0120777u << 16;
    ASSERT_TRUE(test::WriteZip(hostile, {{"Old-ZORVANBGD.jpg", "bg"},
                                         {"../../escape.jpg", "e"},
                                         {"C:\\Windows\\evil.jpg", "w"},
                                         {"link.jpg", "/etc/passwd", 3u << 8, unixLink}}));
    const QString target = dir.file(QStringLiteral("deep/out"));
    const Outcome o = RunZorvan({QStringLiteral("unpack"), hostile, target});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(o.out, QByteArray("Background.jpg\nescape.jpg\nevil.jpg\n"));
    EXPECT_EQ(o.err, QByteArray("zorvan: ") + hostile.toUtf8() + ": warning: member \"link.jpg\" skipped (not a plain file)\n");
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("escape.jpg"))));
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("deep/escape.jpg"))));
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/link.jpg")));
}

TEST_F(ContainerCommands, UnpackFailuresLeaveDirAsItWas)
{
    const QString target = dir.file(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(target));
    ASSERT_TRUE(test::WriteFile(target + QStringLiteral("/Background.jpg"), "mine"));
    const QString damaged = dir.file(QStringLiteral("Damaged.ZORVAN"));
    ASSERT_TRUE(test::WriteZip(damaged, {{"Background.jpg", "theirs"}, {"b.jpg", QByteArray(100, 'b'), 0, 0, 0, 5}}));
    ExpectOneLineFailure(RunZorvan({QStringLiteral("unpack"), damaged, target}), damaged);
    EXPECT_EQ(QDir(target).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"Background.jpg"}));
    ExpectOneLineFailure(RunZorvan({QStringLiteral("unpack"), container}), QStringLiteral("unpack"));
    ExpectOneLineFailure(RunZorvan({QStringLiteral("unpack"), container, target, target}), QStringLiteral("unpack"));
}

// A legacy layout as the other platform wrote it: full Windows paths into
// "Lunch_SupportFiles" beside "ZorvanLayout_Lunch.XZORVAN".
class MigrateCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = dir.file(QStringLiteral("menus"));
        support = folder + QStringLiteral("/Lunch_SupportFiles");
        ASSERT_TRUE(QDir().mkpath(support));
        legacy = folder + QStringLiteral("/ZorvanLayout_Lunch.XZORVAN");
        MenuData doc;
        doc.strip(0, 0).SubImageFileName = QStringLiteral("C:\\Users\\Cook\\Menus\\Lunch_SupportFiles\\fries.jpg");
        doc.strip(0, 0).MainItemTextParams.Text = QStringLiteral("Fries");
        doc.strip(1, 4).MainItemTextParams.Text = QStringLiteral("Cola");
        QString error;
        ASSERT_TRUE(WriteLayoutTextFile(legacy, WriteLayoutText(doc, QStringLiteral("C:\\Menus\\Lunch-ZORVANBGD.jpg")), &error));
        WriteImage(support + QStringLiteral("/Lunch-ZORVANBGD.jpg"));
        WriteImage(support + QStringLiteral("/fries.jpg"));
    }

    QStringList entries() const
    {
        QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

    test::TempDir dir;
    QString folder;
    QString support;
    QString legacy;
};

TEST_F(MigrateCommand, WritesTheContainerBesideTheLegacyFiles)
{
    const Outcome o = RunZorvan({QStringLiteral("migrate"), legacy});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    const QString container = folder + QStringLiteral("/Lunch_LAYOUT.ZORVAN");
    EXPECT_EQ(o.out, container.toUtf8() + '\n');
    EXPECT_TRUE(o.err.isEmpty());
    EXPECT_EQ(entries(), QStringList({"Lunch_LAYOUT.ZORVAN", "Lunch_SupportFiles", "ZorvanLayout_Lunch.XZORVAN"}));
    EXPECT_EQ(test::ZipMemberNames(container),
              QStringList({"Background.jpg", "Layout.XZORVAN", "fries.jpg", "FontFileNames.txt"}));

    const Outcome dumped = RunZorvan({QStringLiteral("dump"), container});
    ASSERT_EQ(dumped.status, cli::kExitOk) << dumped.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(dumped.out).object();
    EXPECT_EQ(StripAt(json, 0, 0).value(QLatin1String("MainItemTextParams"))[QLatin1String("Text")].toString(), "Fries");
    EXPECT_TRUE(StripAt(json, 0, 0).value(QLatin1String("SubImageFileName")).toString().endsWith("/fries.jpg"));
    EXPECT_EQ(StripAt(json, 1, 4).value(QLatin1String("MainItemTextParams"))[QLatin1String("Text")].toString(), "Cola");
}

TEST_F(MigrateCommand, WarnsAboutPicturesItCouldNotFind)
{
    ASSERT_TRUE(QFile::remove(support + QStringLiteral("/fries.jpg")));
    const Outcome o = RunZorvan({QStringLiteral("migrate"), legacy});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(o.err, QStringLiteral("zorvan: %1: warning: %2/fries.jpg was not found and is not in the container\n")
                         .arg(legacy, support)
                         .toUtf8());
    EXPECT_EQ(test::ZipMemberNames(folder + QStringLiteral("/Lunch_LAYOUT.ZORVAN")),
              QStringList({"Background.jpg", "Layout.XZORVAN", "FontFileNames.txt"}));
}

TEST_F(MigrateCommand, RemovesTheLegacyFilesOnlyWhenAsked)
{
    const Outcome o = RunZorvan({QStringLiteral("migrate"), legacy, QStringLiteral("--remove-legacy")});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(entries(), QStringList({"Lunch_LAYOUT.ZORVAN"}));
}

TEST_F(MigrateCommand, RefusesWhatItCannotConvert)
{
    ASSERT_EQ(RunZorvan({QStringLiteral("migrate"), legacy}).status, cli::kExitOk);
    const QString container = folder + QStringLiteral("/Lunch_LAYOUT.ZORVAN");
    const QString blocked = folder + QStringLiteral("/ZorvanLayout_Blocked.XZORVAN");
    ASSERT_TRUE(QFile::copy(legacy, blocked));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/Blocked_LAYOUT.ZORVAN")));
    const struct {
        QStringList args;
        QString named;
        const char *reason;
    } cases[] = {
        {{QStringLiteral("migrate"), container}, container, "container already"},
        {{QStringLiteral("migrate"), folder + QStringLiteral("/ZorvanLayout_None.XZORVAN")}, QStringLiteral("None"), "cannot be opened"},
        {{QStringLiteral("migrate"), blocked}, blocked, "is a folder"},
        {{QStringLiteral("migrate")}, QStringLiteral("migrate"), "expects"},
        {{QStringLiteral("migrate"), legacy, legacy}, QStringLiteral("migrate"), "expects"},
        {{QStringLiteral("migrate"), legacy, QStringLiteral("--keep")}, QStringLiteral("migrate"), "--keep"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const Outcome o = RunZorvan(c.args);
        ExpectOneLineFailure(o, c.named);
        EXPECT_TRUE(o.err.contains(c.reason)) << o.err.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(blocked));
}
