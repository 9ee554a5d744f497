#pragma once

#include <QString>

namespace zorvan {

// Whether path (a file or folder, which need not exist yet) lies on a drive
// the user can unplug: the block device holding its mount says so in
// /sys/block/<disk>/removable. Anything that cannot be found out counts as
// not removable.
bool IsOnRemovableDrive(const QString &path);

// The same answer for a block device ("/dev/sdb1", "/dev/mmcblk0p1"), read
// from the sysfs tree at sysRoot. A partition answers for its disk.
bool IsBlockDeviceRemovable(const QString &device, const QString &sysRoot = QStringLiteral("/sys"));

} // namespace zorvan
