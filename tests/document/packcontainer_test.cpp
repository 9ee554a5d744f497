#include "assets/fontlistfile.h"
#include "document/container.h"
#include "document/layoutpaths.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"

#include "layoutfixtures.h"
#include "qtprinters.h"
#include "tempdir.h"
#include "zipfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

const QString kLayoutMessage = QStringLiteral("Our new filing system will\nadd '_LAYOUT' to this file name.");

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(data);
}

void WriteImage(const QString &path, QRgb colour, const char *format)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

QStringList Entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// A container-backed layout in a work folder: background, two pictures (one
// shared by two strips, one with a name outside ASCII), one picture that has
// gone missing, a font file and a font without a file.
class PackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_work = m_dir.file("work");
        m_out = m_dir.file("out");
        ASSERT_TRUE(QDir().mkpath(m_work));
        ASSERT_TRUE(QDir().mkpath(m_out));
        WriteImage(m_work + "/Background.jpg", qRgb(20, 40, 60), "JPEG");
        WriteImage(m_work + "/fries.jpg", qRgb(200, 180, 0), "JPEG");
        WriteImage(m_work + QStringLiteral("/Crème.png"), qRgb(250, 250, 250), "PNG");
        WriteFile(m_work + "/DejaVuSans.ttf", QByteArray(3000, 'f'));
        m_doc.strip(0, 0).SubImageFileName = m_work + "/fries.jpg";
        m_doc.strip(0, 0).MainItemTextParams.Text = "Fries";
        m_doc.strip(0, 1).SubImageFileName = m_work + QStringLiteral("/Crème.png");
        m_doc.strip(1, 0).SubImageFileName = m_work + "/missing.jpg";
        m_doc.strip(1, 3).SubImageFileName = m_work + "/fries.jpg";
        m_doc.strip(1, 4).SubImageFileName = m_work + "/";
        m_sources.fromContainer = true;
        m_sources.workFolder = m_work;
        m_sources.usedFontList = "DejaVu Sans,DejaVuSans.ttf;Ghost,Ghost.ttf;";
    }

    test::TempDir m_dir;
    QString m_work;
    QString m_out;
    MenuData m_doc;
    ContainerSources m_sources;
    QueuedPrompts m_prompts;
};

TEST_F(PackTest, WritesAnOrdinaryZipThatUnpacksToTheSameFiles)
{
    const QString target = m_out + "/Lunch_LAYOUT.ZORVAN";
    const PackResult result = PackContainer(target, m_doc, m_sources, m_prompts);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const QStringList members = {"Background.jpg", "Layout.XZORVAN", "fries.jpg", QStringLiteral("Crème.png"),
                                 "DejaVuSans.ttf", "FontFileNames.txt"};
    EXPECT_EQ(result.members, members);
    EXPECT_EQ(test::ZipMemberNames(target), members);
    EXPECT_EQ(result.missingFiles, QStringList({m_work + "/missing.jpg", m_work + "/", m_work + "/Ghost.ttf"}));
    EXPECT_FALSE(result.earlierNameReplaced);
    EXPECT_TRUE(m_prompts.shown().isEmpty());
    EXPECT_EQ(Entries(m_out), QStringList({"Lunch_LAYOUT.ZORVAN"}));

    QString output;
    EXPECT_EQ(test::RunTool("unzip", {"-t", target}, &output), 0) << output.toStdString();
    EXPECT_EQ(test::RunTool("python3",
                            {"-c",
                             "import sys, zipfile\n"
                             "z = zipfile.ZipFile(sys.argv[1])\n"
                             "assert z.testzip() is None\n"
                             "print('|'.join(z.namelist()))",
                             target},
                            &output),
              0)
        << output.toStdString();
    EXPECT_EQ(output.trimmed(), members.join('|'));

    const QString back = m_dir.file("back");
    const UnpackResult unpacked = UnpackContainer(target, back);
    ASSERT_TRUE(unpacked.ok) << unpacked.error.toStdString();
    for (const QString &name : {QStringLiteral("Background.jpg"), QStringLiteral("fries.jpg"), QStringLiteral("Crème.png"),
                                QStringLiteral("DejaVuSans.ttf")})
        EXPECT_EQ(ReadAll(back + "/" + name), ReadAll(m_work + "/" + name)) << name.toStdString();
    EXPECT_EQ(ReadAll(back + "/Layout.XZORVAN"),
              EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(m_doc, m_work + "/Background.jpg"))));
    // The copies left in the work folder are the ones packed.
    EXPECT_EQ(ReadAll(back + "/Layout.XZORVAN"), ReadAll(m_work + "/Layout.XZORVAN"));
    EXPECT_EQ(ReadAll(back + "/FontFileNames.txt"), ReadAll(m_work + "/FontFileNames.txt"));
    QString fontList;
    ASSERT_TRUE(ReadFontListFile(back + "/FontFileNames.txt", &fontList));
    EXPECT_EQ(fontList, m_sources.usedFontList);
    EXPECT_EQ(ReadAll(back + "/FontFileNames.txt").left(4), QByteArray("D\0e\0", 4));
}

TEST_F(PackTest, TakesTheBackgroundOfALegacyLayoutFromItsOwnPath)
{
    const QString support = m_dir.file("menus/Lunch_SupportFiles");
    ASSERT_TRUE(QDir().mkpath(support));
    WriteImage(support + "/Lunch-ZORVANBGD.jpg", qRgb(1, 2, 3), "JPEG");
    WriteImage(support + "/fries.jpg", qRgb(4, 5, 6), "JPEG");
    MenuData doc;
    doc.BackgroundPath = support + "/Lunch-ZORVANBGD.jpg";
    doc.strip(0, 0).SubImageFileName = support + "/fries.jpg";
    ContainerSources sources;
    sources.fromContainer = false;
    sources.workFolder = m_dir.file("fresh/work");
    const QString target = m_dir.file("menus/Lunch_LAYOUT.ZORVAN");
    const PackResult result = PackContainer(target, doc, sources, m_prompts);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.members, QStringList({"Background.jpg", "Layout.XZORVAN", "fries.jpg", "FontFileNames.txt"}));
    EXPECT_TRUE(result.missingFiles.isEmpty());
    // Nothing is written into the user's support folder.
    EXPECT_EQ(Entries(support), QStringList({"Lunch-ZORVANBGD.jpg", "fries.jpg"}));

    const UnpackResult unpacked = UnpackContainer(target, m_dir.file("back"));
    ASSERT_TRUE(unpacked.ok);
    EXPECT_EQ(ReadAll(m_dir.file("back/Background.jpg")), ReadAll(support + "/Lunch-ZORVANBGD.jpg"));
}

TEST_F(PackTest, ReplacesAnExistingContainerKeepingItsPermissions)
{
    const QString target = m_out + "/Lunch_LAYOUT.ZORVAN";
    WriteFile(target, "the old container");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const PackResult result = PackContainer(target, m_doc, m_sources, m_prompts);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(test::ZipMemberNames(target).size(), 6);
    const QFile::Permissions userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    EXPECT_EQ(QFile::permissions(target) & ~userBits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(Entries(m_out), QStringList({"Lunch_LAYOUT.ZORVAN"}));
}

// Each failure can be forced as root: a source that fails while it is read,
// a target that is a folder, a folder that is a file, a path too long.
TEST_F(PackTest, AFailedSaveLeavesTheOldContainerUntouched)
{
    struct Case {
        const char *what;
        QString target;
        QString picture;
        const char *reason;
    };
    WriteFile(m_out + "/Lunch_LAYOUT.ZORVAN", "the old container");
    WriteFile(m_out + "/plainfile", "a file, not a folder");
    ASSERT_TRUE(QDir().mkpath(m_out + "/Folder_LAYOUT.ZORVAN"));
    const Case cases[] = {
        {"a picture that fails while read", m_out + "/Lunch_LAYOUT.ZORVAN", "/proc/self/mem", "/proc/self/mem"},
        {"a target that is a folder", m_out + "/Folder_LAYOUT.ZORVAN", "", "is a folder"},
        {"a target inside a file", m_out + "/plainfile/Lunch_LAYOUT.ZORVAN", "", "cannot create"},
        {"a target path too long", m_out + "/" + QString(4100, QLatin1Char('L')) + "_LAYOUT.ZORVAN", "", "too long"},
    };
    const QStringList before = Entries(m_out);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        MenuData doc = m_doc;
        if (!c.picture.isEmpty())
            doc.strip(0, 5).SubImageFileName = c.picture;
        const PackResult result = PackContainer(c.target, doc, m_sources, m_prompts);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QLatin1String(c.reason))) << result.error.toStdString();
        EXPECT_EQ(ReadAll(m_out + "/Lunch_LAYOUT.ZORVAN"), "the old container");
        EXPECT_EQ(Entries(m_out), before);
        EXPECT_TRUE(m_prompts.shown().isEmpty());
    }
}

TEST_F(PackTest, ReplacesAContainerOfTheEarlierNamingAndSaysSoOnce)
{
    WriteFile(m_out + "/Lunch.ZORVAN", "earlier container");
    WriteFile(m_out + "/Dinner.ZORVAN", "another layout");
    const QString target = m_out + "/Lunch_LAYOUT.ZORVAN";

    PackResult result = PackContainer(target, m_doc, m_sources, m_prompts);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_TRUE(result.earlierNameReplaced);
    EXPECT_EQ(m_prompts.shown(), QStringList({kLayoutMessage}));
    EXPECT_EQ(Entries(m_out), QStringList({"Dinner.ZORVAN", "Lunch_LAYOUT.ZORVAN"}));

    result = PackContainer(target, m_doc, m_sources, m_prompts);
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(result.earlierNameReplaced);
    EXPECT_EQ(m_prompts.shown().size(), 1);

    // A container that carries no "_LAYOUT" is never taken for its own earlier name.
    result = PackContainer(m_out + "/Dinner.ZORVAN", m_doc, m_sources, m_prompts);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(test::ZipMemberNames(m_out + "/Dinner.ZORVAN").size(), 6);
    EXPECT_EQ(m_prompts.shown().size(), 1);
}

TEST_F(PackTest, PacksAnEmptyFontListAndALayoutWithoutBackground)
{
    MenuData doc;
    ContainerSources sources;
    sources.workFolder = m_dir.file("empty");
    const QString target = m_out + "/Blank_LAYOUT.ZORVAN";
    const PackResult result = PackContainer(target, doc, sources, m_prompts);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.members, QStringList({"Layout.XZORVAN", "FontFileNames.txt"}));
    EXPECT_EQ(result.missingFiles, QStringList({m_dir.file("empty/Background.jpg")}));
    QString output;
    EXPECT_EQ(test::RunTool("unzip", {"-t", target}, &output), 0) << output.toStdString();
}

// Save and open again: the layout read back from the unpacked container is
// the one packed, its pictures now in the new work folder.
TEST_F(PackTest, ALayoutReadsBackFromItsContainer)
{
    std::unique_ptr<MenuData> doc = test::SampleLayout();
    for (int column = 0; column < doc->NumberOfColumns; ++column) {
        for (int row = 0; row < doc->NumberOfRows; ++row) {
            QString &picture = doc->strip(column, row).SubImageFileName;
            if (!picture.isEmpty()) {
                picture = m_work + "/" + FileNameOf(picture);
                WriteImage(picture, qRgb(column * 50, row * 40, 90), "JPEG");
            }
        }
    }
    const QString target = m_out + "/Sample_LAYOUT.ZORVAN";
    const PackResult packed = PackContainer(target, *doc, m_sources, m_prompts);
    ASSERT_TRUE(packed.ok) << packed.error.toStdString();

    const QString reopened = m_dir.file("reopened");
    ASSERT_TRUE(UnpackContainer(target, reopened).ok);
    QString text;
    QString error;
    ASSERT_TRUE(ReadLayoutTextFile(reopened + "/Layout.XZORVAN", &text, &error)) << error.toStdString();
    LayoutPathRules rules;
    rules.fromContainer = true;
    rules.workFolder = reopened;
    LayoutReadOptions options;
    options.resolvePicturePath = [&](const QString &stored) { return ResolvePicturePath(stored, rules); };
    auto back = std::make_unique<MenuData>();
    const LayoutReadResult read = ReadLayoutText(text, *back, options);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.backgroundFileName, "Background.jpg");
    EXPECT_EQ(ResolveBackgroundPath(read.backgroundFileName, rules), reopened + "/Background.jpg");

    int pictures = 0;
    for (int column = 0; column < doc->NumberOfColumns; ++column) {
        for (int row = 0; row < doc->NumberOfRows; ++row) {
            QString &picture = doc->strip(column, row).SubImageFileName;
            if (picture.isEmpty())
                continue;
            ++pictures;
            EXPECT_EQ(ReadAll(reopened + "/" + FileNameOf(picture)), ReadAll(picture));
            picture = reopened + "/" + FileNameOf(picture);
        }
    }
    EXPECT_GT(pictures, 0);
    back->BackgroundPath = doc->BackgroundPath;
    back->Modified = doc->Modified;
    EXPECT_TRUE(*back == *doc);
}

// Save readies the container and the TV image before either replaces its old file.
TEST_F(PackTest, APreparedContainerReplacesTheOldOneOnlyWhenCommitted)
{
    const QString target = m_out + "/Lunch_LAYOUT.ZORVAN";
    WriteFile(target, "the old container");
    WriteFile(m_out + "/Lunch.ZORVAN", "earlier container");
    {
        PreparedContainer dropped = PrepareContainer(target, m_doc, m_sources);
        ASSERT_TRUE(dropped.ok()) << dropped.result().error.toStdString();
        EXPECT_EQ(ReadAll(target), "the old container");
        EXPECT_EQ(Entries(m_out).size(), 3); // the old files and the new archive beside them
    }
    EXPECT_EQ(Entries(m_out), QStringList({"Lunch.ZORVAN", "Lunch_LAYOUT.ZORVAN"}));
    EXPECT_EQ(ReadAll(target), "the old container");

    PreparedContainer prepared = PrepareContainer(target, m_doc, m_sources);
    ASSERT_TRUE(prepared.ok());
    const PackResult committed = CommitContainer(prepared, m_prompts);
    ASSERT_TRUE(committed.ok) << committed.error.toStdString();
    EXPECT_TRUE(committed.earlierNameReplaced);
    EXPECT_EQ(test::ZipMemberNames(target).size(), 6);
    EXPECT_EQ(Entries(m_out), QStringList({"Lunch_LAYOUT.ZORVAN"}));
    EXPECT_EQ(m_prompts.shown(), QStringList({kLayoutMessage}));

    PreparedContainer failed = PrepareContainer(m_out + "/" + QString(4100, QLatin1Char('x')), m_doc, m_sources);
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(CommitContainer(failed, m_prompts).ok);
}

} // namespace
} // namespace zorvan
