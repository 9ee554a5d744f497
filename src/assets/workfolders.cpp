#include "assets/workfolders.h"

#include "document/layoutpaths.h"
#include "document/userprompts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>
#include <dirent.h>

namespace zorvan {

namespace {

// Only a dead process gives up a lock; a live instance keeps it however long it runs.
std::unique_ptr<QLockFile> TryLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QString LockPathFor(const QString &workFolder)
{
    return workFolder + QLatin1String(".lock");
}

bool RemoveFile(const QString &path)
{
    if (QFile::remove(path))
        return true;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return QFile::remove(path);
}

} // namespace

int ClearFolder(const QString &folder)
{
    if (folder.isEmpty())
        return 0;
    int removed = 0;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            continue;
        if (RemoveFile(entry.filePath()))
            ++removed;
    }
    return removed;
}

int RemoveObsoleteQRTFolders(const QString &trelmontFolder, UserPrompts *prompts)
{
    if (!QFileInfo(trelmontFolder).isDir())
        return 0;
    DIR *listing = ::opendir(QFile::encodeName(trelmontFolder).constData());
    if (!listing) {
        if (prompts)
            prompts->showMessage(QStringLiteral("Cannot FindFirstFile in RemoveObsoleteQRTFolders error (%1)\n").arg(errno));
        return 0;
    }
    ::closedir(listing);

    int removed = 0;
    const QFileInfoList entries = QDir(trelmontFolder).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !entry.fileName().startsWith(QLatin1String(kWorkFolderPrefix)))
            continue;
        // A folder whose lock someone alive holds belongs to a running instance.
        auto lock = TryLock(LockPathFor(entry.filePath()));
        if (!lock)
            continue;
        // Unsaved edits of a crashed run wait until the user was asked about them.
        if (QFileInfo::exists(JoinPath(entry.filePath(), QLatin1String(kAutosaveFileName))))
            continue;
        ClearFolder(entry.filePath());
        // Whatever else an interrupted run left in there goes as well.
        QDir(entry.filePath()).removeRecursively();
        if (!QFileInfo::exists(entry.filePath()))
            ++removed;
        lock->unlock();
    }
    return removed;
}

std::unique_ptr<QLockFile> LockWorkFolder(const QString &workFolder)
{
    return TryLock(LockPathFor(workFolder));
}

WorkFolders::WorkFolders() = default;
WorkFolders::~WorkFolders() = default;

QString WorkFolders::DefaultAppDataFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("ZORVAN_APPDATA_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

bool WorkFolders::start(const QString &appDataFolder, UserPrompts *prompts, qint64 startTime)
{
    m_error.clear();
    if (appDataFolder.isEmpty()) {
        m_error = QStringLiteral("no application data folder");
        return false;
    }
    m_trelmontFolder = JoinPath(QDir::cleanPath(appDataFolder), QLatin1String(kTrelmontFolderName));
    // Room for the work folder's name and the files inside it.
    if (PathTooLong(m_trelmontFolder + QStringLiteral("/QRT0000000000_000/") + QString(255, QLatin1Char('x')), &m_error))
        return false;
    if (!QDir().mkpath(m_trelmontFolder)) {
        m_error = QStringLiteral("cannot create the folder %1").arg(m_trelmontFolder);
        return false;
    }

    m_instanceLock = TryLock(JoinPath(m_trelmontFolder, QLatin1String(kInstanceLockName)));
    m_otherInstance = !m_instanceLock;
    if (!m_otherInstance)
        m_removedAtStart = RemoveObsoleteQRTFolders(m_trelmontFolder, prompts);

    if (startTime < 0)
        startTime = QDateTime::currentSecsSinceEpoch();
    const QString base = QLatin1String(kWorkFolderPrefix) + QString::number(qint32(quint32(startTime)));
    // Instances started within the same second take the next free name; the
    // lock comes first, and mkdir only succeeds for a folder nobody has.
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString name = attempt == 1 ? base : base + QLatin1Char('_') + QString::number(attempt);
        const QString folder = JoinPath(m_trelmontFolder, name);
        auto lock = TryLock(LockPathFor(folder));
        if (!lock)
            continue;
        if (!QDir(m_trelmontFolder).mkdir(name))
            continue;
        m_workFolder = folder;
        m_workFolderLock = std::move(lock);
        return true;
    }
    m_error = QStringLiteral("cannot create a work folder in %1").arg(m_trelmontFolder);
    return false;
}

void WorkFolders::removeWorkFolder()
{
    if (m_workFolder.isEmpty())
        return;
    ClearFolder(m_workFolder);
    QDir(m_workFolder).removeRecursively();
    m_workFolderLock.reset();
}

} // namespace zorvan
