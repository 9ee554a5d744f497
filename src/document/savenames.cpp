#include "document/savenames.h"

#include "document/layoutpaths.h"

namespace zorvan {

QString ContainerSaveName(const QString &typedName, bool whitePrint)
{
    // Folders keep their names: only the file name follows the rules.
    const qsizetype start = typedName.size() - FileNameOf(typedName).size();
    QString name = typedName.mid(start);
    name.remove(QLatin1String("_WHITE_PRINT_BGND"));
    name.remove(QLatin1String("_LAYOUT"));
    if (!name.endsWith(QLatin1String(".ZORVAN")))
        name += QLatin1String(".ZORVAN");
    name.replace(QLatin1String(".ZORVAN"), whitePrint ? QLatin1String("_LAYOUT_WHITE_PRINT_BGND.ZORVAN")
                                                     : QLatin1String("_LAYOUT.ZORVAN"));
    return typedName.left(start) + name;
}

QString ProposedSaveName(const QString &layoutFileName, bool fromContainer, bool whitePrint)
{
    if (layoutFileName.isEmpty())
        return QString();
    QString name = layoutFileName;
    if (!fromContainer)
        name.replace(QLatin1String(".jpg"), QLatin1String(".ZORVAN"));
    return ContainerSaveName(name, whitePrint);
}

} // namespace zorvan
