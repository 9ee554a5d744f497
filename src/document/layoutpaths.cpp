#include "document/layoutpaths.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace zorvan {

namespace {

qsizetype LastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

// Path components of a stored path with either separator, without empty,
// "." and ".." parts: a stored path must never climb out of the folder it is
// resolved against.
QStringList SafeComponents(const QString &path)
{
    QStringList parts;
    for (const QString &part : path.split(QRegularExpression(QStringLiteral("[/\\\\]")), Qt::SkipEmptyParts)) {
        if (part != QLatin1String(".") && part != QLatin1String(".."))
            parts.append(part);
    }
    return parts;
}

bool IsPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace

bool PathTooLong(const QString &path, QString *error)
{
    const qsizetype bytes = QFile::encodeName(path).size();
    if (bytes < kMaxPathBytes)
        return false;
    if (error) {
        *error = QStringLiteral("the path is too long (%1 bytes; paths must be shorter than %2 bytes): %3")
                     .arg(bytes)
                     .arg(kMaxPathBytes)
                     .arg(path.left(200) + QStringLiteral("..."));
    }
    return true;
}

QString FileNameOf(const QString &path)
{
    return path.mid(LastSeparator(path) + 1);
}

QString FolderOf(const QString &path)
{
    const qsizetype at = LastSeparator(path);
    return at < 0 ? QString() : path.left(at);
}

QString JoinPath(const QString &folder, const QString &name)
{
    // No folder is not the root folder.
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

bool IsContainerPath(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && path.mid(dot + 1) == QLatin1String("ZORVAN");
}

QString LegacyTitle(const QString &legacyFileName)
{
    QString title = legacyFileName;
    title.remove(QLatin1String(kLegacyPrefix));
    const qsizetype dot = title.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? title : title.left(dot);
}

QString ContainerNameForLegacy(const QString &legacyFileName)
{
    QString name = legacyFileName;
    name.remove(QLatin1String(kLegacyPrefix));
    name.replace(QLatin1String(".XZORVAN"), QLatin1String("_LAYOUT.ZORVAN"));
    // A legacy text named otherwise (".xzorvan", no extension) must still
    // give a container name, never its own name.
    if (!name.endsWith(QLatin1String("_LAYOUT.ZORVAN")))
        name = LegacyTitle(legacyFileName) + QLatin1String("_LAYOUT.ZORVAN");
    return name;
}

QString EarlierContainerPath(const QString &containerPath)
{
    const QString name = FileNameOf(containerPath);
    QString earlier = name;
    earlier.remove(QLatin1String("_LAYOUT"));
    if (earlier == name || !IsPlainName(earlier))
        return QString();
    return containerPath.left(containerPath.size() - name.size()) + earlier;
}

LayoutPathRules PathRulesFor(const LayoutFileState &state, const QString &workFolder)
{
    LayoutPathRules rules;
    rules.fromContainer = state.fromContainer;
    rules.workFolder = workFolder;
    rules.legacyFolder = state.fileFolder;
    rules.title = LegacyTitle(state.legacyFileName);
    return rules;
}

QString ResolveBackgroundPath(const QString &stored, const LayoutPathRules &rules)
{
    if (rules.fromContainer)
        return JoinPath(rules.workFolder, QLatin1String(kBackgroundMember));

    const QString fileName = FileNameOf(stored);
    if (!IsPlainName(fileName))
        return QString();
    if (LastSeparator(stored) < 0) {
        // Lunch-ZORVANBGD.jpg lives in Lunch_SupportFiles.
        const qsizetype dash = stored.lastIndexOf(QLatin1Char('-'));
        const QString base = dash < 0 ? rules.title : stored.left(dash);
        return JoinPath(rules.legacyFolder, base + QLatin1String(kSupportFolderSuffix) + QLatin1Char('/') + stored);
    }
    // A full path written by an earlier version: only the folder that holds
    // the file still means something; the rest belonged to another machine.
    const QString holder = FileNameOf(FolderOf(stored));
    if (!IsPlainName(holder))
        return JoinPath(rules.legacyFolder, fileName);
    return JoinPath(rules.legacyFolder, holder + QLatin1Char('/') + fileName);
}

QString ResolvePicturePath(const QString &stored, const LayoutPathRules &rules)
{
    const QString fileName = FileNameOf(stored);
    if (!IsPlainName(fileName))
        return QString();
    if (rules.fromContainer)
        return JoinPath(rules.workFolder, fileName);

    const QString supportFolder = rules.title + QLatin1String(kSupportFolderSuffix);
    const qsizetype at = stored.indexOf(supportFolder);
    if (at < 0)
        return JoinPath(rules.legacyFolder, supportFolder + QLatin1Char('/') + fileName);
    return JoinPath(rules.legacyFolder, SafeComponents(stored.mid(at)).join(QLatin1Char('/')));
}

} // namespace zorvan
