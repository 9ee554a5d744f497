#include "editing/startfolder.h"

#include <QFileInfo>

namespace zorvan {

QString InitialOpenFolder(const QString &programFolder, const QString &openFolder)
{
    if (openFolder.isEmpty())
        return programFolder;
    const QFileInfo folder(openFolder);
    // A stale setting must not leave the dialog somewhere unexpected.
    if (!folder.isDir())
        return programFolder;
    QString path = folder.absoluteFilePath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace zorvan
