#include "document/filereplace.h"

#include "document/layoutpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvan {

namespace {

QString ErrnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool SyncPath(const QByteArray &path, int flags)
{
    const int fd = ::open(path.constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

int RemoveStaleTemps(const QString &folder, const QDateTime &olderThan)
{
    // Only names this file makes are touched: the user's own files never are.
    static const QRegularExpression ours(QStringLiteral("^\\.zorvan-[0-9a-f]{16}\\.tmp$"));
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList({QStringLiteral(".zorvan-*.tmp")},
                                                             QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        if (!ours.match(entry.fileName()).hasMatch() || entry.lastModified() >= olderThan)
            continue;
        if (QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}

QString CreateTempBeside(const QString &targetPath, QString *error)
{
    QString folder = FolderOf(targetPath);
    if (folder.isEmpty())
        folder = targetPath.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QStringLiteral(".");
    RemoveStaleTemps(folder, QDateTime::currentDateTime().addSecs(-3600));
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A short fixed-length name, so that a long target name cannot make
        // the temporary one too long.
        const QString name = QStringLiteral(".zorvan-%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
        const QString path = JoinPath(folder, name);
        if (PathTooLong(path, error))
            return QString();
        const QByteArray encoded = QFile::encodeName(path);
        const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            if (error)
                *error = QStringLiteral("cannot create a file in %1: %2").arg(folder, ErrnoText());
            return QString();
        }
    }
    if (error)
        *error = QStringLiteral("cannot find a free temporary name in %1").arg(folder);
    return QString();
}

bool FlushToDisk(const QString &path, QString *error)
{
    if (SyncPath(QFile::encodeName(path), O_RDONLY))
        return true;
    if (error)
        *error = QStringLiteral("cannot write %1 to disk: %2").arg(path, ErrnoText());
    return false;
}

bool ReplaceWithTemp(const QString &tempPath, const QString &targetPath, QString *error)
{
    if (PathTooLong(targetPath, error))
        return false;
    const QByteArray temp = QFile::encodeName(tempPath);
    const QByteArray target = QFile::encodeName(targetPath);

    struct stat existing {};
    if (::stat(target.constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            if (error)
                *error = QStringLiteral("%1 is a folder").arg(targetPath);
            return false;
        }
        ::chmod(temp.constData(), existing.st_mode & 07777);
    }
    if (!SyncPath(temp, O_RDONLY)) {
        if (error)
            *error = QStringLiteral("cannot write %1 to disk: %2").arg(tempPath, ErrnoText());
        return false;
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        if (error)
            *error = QStringLiteral("cannot replace %1: %2").arg(targetPath, ErrnoText());
        return false;
    }
    // The rename itself must survive a power cut too.
    QString folder = FolderOf(targetPath);
    if (folder.isEmpty())
        folder = QStringLiteral(".");
    SyncPath(QFile::encodeName(folder), O_RDONLY | O_DIRECTORY);
    return true;
}

} // namespace zorvan
