#include "document/removabledrive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace zorvan {

namespace {

// The nearest folder of path that exists: a save target is not there yet.
QString ExistingFolderOf(const QString &path)
{
    if (path.isEmpty())
        return QString();
    QFileInfo info(path);
    QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return QString();
        folder = parent;
    }
    return folder;
}

} // namespace

bool IsBlockDeviceRemovable(const QString &device, const QString &sysRoot)
{
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    // "/dev/disk/by-label/…" and the like are links to the device node itself.
    const QString node = QFileInfo(device).exists() ? QFileInfo(device).canonicalFilePath() : device;
    const QString name = QFileInfo(node).fileName();
    if (name.isEmpty())
        return false;
    const QFileInfo entry(QDir(sysRoot).filePath(QStringLiteral("class/block/") + name));
    if (!entry.exists())
        return false;
    QString deviceFolder = entry.canonicalFilePath();
    // A partition's folder lies inside the folder of its disk.
    if (QFileInfo::exists(QDir(deviceFolder).filePath(QStringLiteral("partition"))))
        deviceFolder = QFileInfo(deviceFolder).absolutePath();
    QFile removable(QDir(deviceFolder).filePath(QStringLiteral("removable")));
    if (!removable.open(QIODevice::ReadOnly))
        return false;
    return removable.read(1) == "1";
}

bool IsOnRemovableDrive(const QString &path)
{
    const QString folder = ExistingFolderOf(path);
    if (folder.isEmpty())
        return false;
    const QStorageInfo storage(folder);
    if (!storage.isValid())
        return false;
    return IsBlockDeviceRemovable(QString::fromLocal8Bit(storage.device()));
}

} // namespace zorvan
