// An application data folder the editor cannot write in, because it is
// read-only or full: every writer says so and leaves what was there.

#include "assets/imageassets.h"
#include "assets/pictureimport.h"
#include "assets/workfolders.h"
#include "document/container.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"
#include "editing/autosave.h"

#include "layoutfixtures.h"
#include "tempdir.h"
#include "zipfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

namespace zorvan {
namespace {

// A small file system of its own at path, mounted with options; removed
// with the object. Needs root.
class SmallDisk {
public:
    SmallDisk(const QString &path, const char *options) : m_path(path)
    {
        QDir().mkpath(path);
        m_mounted = ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }

    // Fills all but a few kilobytes.
    void Fill()
    {
        QFile filler(m_path + QStringLiteral("/Trelmont/filler"));
        QDir().mkpath(m_path + QStringLiteral("/Trelmont"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(16 * 1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        filler.resize(std::max<qint64>(0, filler.size() - 4 * 1024));
    }

private:
    QString m_path;
    bool m_mounted = false;
};

constexpr char kNoMount[] = "cannot mount a small tmpfs here (needs root and mount permission)";

TEST(AppDataFolder, ReadOnlyFolderGivesAReasonAndNoWorkFolder)
{
    test::TempDir dir;
    const QString appData = dir.file(QStringLiteral("appdata"));
    SmallDisk disk(appData, "ro,size=1m");
    if (!disk.mounted())
        GTEST_SKIP() << kNoMount;
    WorkFolders folders;
    EXPECT_FALSE(folders.start(appData, nullptr, 1000));
    EXPECT_TRUE(folders.errorString().contains(appData)) << folders.errorString().toStdString();
    EXPECT_TRUE(folders.workFolder().isEmpty());
}

// A work folder on a disk that filled up while the editor ran.
TEST(AppDataFolder, FullFolderRefusesEveryWriteAndKeepsWhatWasThere)
{
    test::TempDir dir;
    const QString appData = dir.file(QStringLiteral("appdata"));
    SmallDisk disk(appData, "size=512k");
    if (!disk.mounted())
        GTEST_SKIP() << kNoMount;
    WorkFolders folders;
    ASSERT_TRUE(folders.start(appData, nullptr, 1000)) << folders.errorString().toStdString();
    const QString work = folders.workFolder();
    ASSERT_TRUE(test::WriteFile(work + QStringLiteral("/Background.jpg"), "previous background"));
    disk.Fill();
    if (HasFailure())
        return;
    const auto entries = [&work] { return QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); };
    const QStringList before = entries();

    // A picture larger than what is left.
    const QString source = dir.file(QStringLiteral("Photo.jpg"));
    QImage noise(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 7919 + y * 104729) & 255, (x * y) & 255, (x ^ y) & 255));
    ASSERT_TRUE(noise.save(source, "JPEG", 100));
    ASSERT_GT(QFileInfo(source).size(), 16 * 1024);
    QueuedPrompts prompts;
    StripData strip;
    const ImportedPicture imported = ImportPicture(source, strip, ImageAssets{work, prompts});
    EXPECT_FALSE(imported.attached);
    EXPECT_TRUE(imported.error.contains(work)) << imported.error.toStdString();
    EXPECT_TRUE(strip.SubImageFileName.isEmpty());
    EXPECT_EQ(entries(), before);

    // Unsaved edits.
    MenuData doc = *test::SampleLayout();
    doc.strip(0, 1).MainItemTextParams.Text = QString(64 * 1024, QLatin1Char('M'));
    QString error;
    EXPECT_FALSE(WriteAutosave(work, doc, LayoutFileState{}, false, &error));
    EXPECT_TRUE(error.contains(work)) << error.toStdString();
    EXPECT_EQ(entries(), before);

    // A container opened into it.
    const QString container = dir.file(QStringLiteral("Big_LAYOUT.ZORVAN"));
    ASSERT_TRUE(test::WriteZip(container, {{"Background.jpg", QByteArray(64 * 1024, 'b')},
                                           {"Layout.XZORVAN", EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(MenuData(), QStringLiteral("Background.jpg"))))}}));
    const UnpackResult unpacked = UnpackContainer(container, work, UnpackOptions{{}, true});
    EXPECT_FALSE(unpacked.ok);
    EXPECT_TRUE(unpacked.error.contains(work)) << unpacked.error.toStdString();
    EXPECT_EQ(entries(), before);
    QFile background(work + QStringLiteral("/Background.jpg"));
    ASSERT_TRUE(background.open(QIODevice::ReadOnly));
    EXPECT_EQ(background.readAll(), "previous background");
}

} // namespace
} // namespace zorvan
