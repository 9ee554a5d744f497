#include "assets/picturenames.h"

#include <QFileInfo>

namespace zorvan {

bool ContainsPastFirst(const QString &text, const char *extension)
{
    return text.indexOf(QLatin1String(extension), 1) > 0;
}

bool IsImportablePicture(const QString &path)
{
    for (const char *extension : {".jpg", ".png", ".gif", ".JPG", ".jpeg", ".JPEG"})
        if (ContainsPastFirst(path, extension))
            return true;
    return false;
}

namespace {

qsizetype LastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

} // namespace

QString FileNameOfPath(const QString &path)
{
    return path.mid(LastSeparator(path) + 1);
}

QString FolderOfPath(const QString &path)
{
    const qsizetype separator = LastSeparator(path);
    return separator < 0 ? QString() : path.left(separator);
}

QString NormalisedPictureFileName(const QString &fileName)
{
    QString name = fileName;
    if (name.contains(QLatin1String(".JPG")))
        return name.replace(QLatin1String(".JPG"), QLatin1String(".jpg"));
    if (name.contains(QLatin1String(".jpeg")))
        return name.replace(QLatin1String(".jpeg"), QLatin1String(".jpg"));
    if (name.contains(QLatin1String(".JPEG")))
        return name.replace(QLatin1String(".JPEG"), QLatin1String(".jpg"));
    return name;
}

QString UniquePicturePath(const QString &target)
{
    // The suffix goes before the extension of the file name only: a folder
    // whose name holds the same text is left alone.
    const qsizetype nameStart = LastSeparator(target) + 1;
    const qsizetype dot = target.lastIndexOf(QLatin1Char('.'));
    const QString folder = target.left(nameStart);
    if (dot < nameStart) {
        QString unique = target;
        for (int n = 1; QFileInfo::exists(unique); ++n)
            unique = target + QStringLiteral("(%1)").arg(n);
        return unique;
    }
    const QString extension = target.mid(dot);
    QString name = target.mid(nameStart);
    for (int n = 1; QFileInfo::exists(folder + name); ++n)
        name.replace(extension, QStringLiteral("(%1)").arg(n) + extension);
    return folder + name;
}

} // namespace zorvan
