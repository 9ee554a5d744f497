#include "document/removabledrive.h"

#include "tempdir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

// A sysfs tree as the kernel lays it out: class/block/<name> links to the
// device's folder, partitions sit inside their disk's folder and only disks
// say whether they are removable.
class FakeSys {
public:
    QString root() const { return m_dir.path(); }

    void addDisk(const QString &disk, const QByteArray &removable, const QStringList &partitions = {})
    {
        const QString diskFolder = m_dir.file(QStringLiteral("devices/usb/") + disk);
        QDir().mkpath(diskFolder);
        write(diskFolder + QStringLiteral("/removable"), removable + '\n');
        link(disk, diskFolder);
        for (const QString &partition : partitions) {
            const QString folder = diskFolder + u'/' + partition;
            QDir().mkpath(folder);
            write(folder + QStringLiteral("/partition"), "1\n");
            link(partition, folder);
        }
    }

private:
    void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void link(const QString &name, const QString &target)
    {
        QDir().mkpath(m_dir.file(QStringLiteral("class/block")));
        ASSERT_TRUE(QFile::link(target, m_dir.file(QStringLiteral("class/block/") + name)));
    }

    test::TempDir m_dir;
};

TEST(RemovableDrive, DisksAndPartitionsAnswerFromTheDisk)
{
    FakeSys sys;
    sys.addDisk(QStringLiteral("zsdq"), "1", {QStringLiteral("zsdq1")});
    sys.addDisk(QStringLiteral("zsdr"), "0", {QStringLiteral("zsdr1")});
    sys.addDisk(QStringLiteral("zmmcblk9"), "1", {QStringLiteral("zmmcblk9p1")});
    const struct {
        const char *device;
        bool removable;
    } cases[] = {
        {"/dev/zsdq", true},
        {"/dev/zsdq1", true},
        {"/dev/zmmcblk9p1", true},
        {"/dev/zsdr1", false},
        {"/dev/zsdz1", false},    // no such device: unknown
        {"tmpfs", false},         // not a block device
        {"", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.device);
        EXPECT_EQ(IsBlockDeviceRemovable(QString::fromUtf8(c.device), sys.root()), c.removable);
    }
}

TEST(RemovableDrive, AFolderThatDoesNotExistYetIsJudgedByItsNearestParent)
{
    test::TempDir temp;
    EXPECT_EQ(IsOnRemovableDrive(temp.file(QStringLiteral("not/there/yet/Lunch_LAYOUT.ZORVAN"))),
              IsOnRemovableDrive(temp.path()));
    EXPECT_FALSE(IsOnRemovableDrive(QString()));
}

} // namespace
} // namespace zorvan
