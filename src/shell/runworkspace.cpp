#include "runworkspace.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zorvan {

QString RunWorkspace::DefaultAppDataFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("ZORVAN_APPDATA_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

bool RunWorkspace::start(const QString &appDataFolder)
{
    const QString trelmont = QDir(appDataFolder).filePath(QStringLiteral("Trelmont"));
    QDir().mkpath(trelmont);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    QString folder = QDir(trelmont).filePath(QStringLiteral("QRT%1").arg(qint32(now)));
    // Two runs in the same second must not share a folder.
    for (int n = 1; QFileInfo::exists(folder); ++n)
        folder = QDir(trelmont).filePath(QStringLiteral("QRT%1_%2").arg(qint32(now)).arg(n));
    if (!QDir().mkpath(folder))
        return false;
    m_workFolder = folder;
    return true;
}

void RunWorkspace::clearWorkFolder()
{
    if (m_workFolder.isEmpty())
        return;
    QDir dir(m_workFolder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
}

void RunWorkspace::removeWorkFolder()
{
    if (m_workFolder.isEmpty())
        return;
    QDir(m_workFolder).removeRecursively();
    m_workFolder.clear();
}

} // namespace zorvan
