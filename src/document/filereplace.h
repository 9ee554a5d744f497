#pragma once

#include <QDateTime>
#include <QString>

namespace zorvan {

// Saving a file in place: the new content is written under a temporary name in
// the target's folder and put in place by one rename, so the old file stays
// whole until the new one is complete and on disk.

// Creates an empty file with an unused name in the folder of targetPath and
// returns its path; empty (and *error set) on failure. Temporary files of
// ours in that folder that a killed or powered-off save left behind (older
// than an hour, far longer than any save takes) are removed first, so they
// cannot pile up on a USB stick.
QString CreateTempBeside(const QString &targetPath, QString *error);

// Removes the temporary files of ours in the folder whose last change is
// before olderThan; returns how many were removed.
int RemoveStaleTemps(const QString &folder, const QDateTime &olderThan);

// Writes the file's data to disk (fsync).
bool FlushToDisk(const QString &path, QString *error);

// Flushes tempPath to disk, gives it the permissions of an existing target,
// renames it over targetPath and flushes the folder. On failure the target is
// untouched and tempPath is left for the caller to remove.
bool ReplaceWithTemp(const QString &tempPath, const QString &targetPath, QString *error);

} // namespace zorvan
