#include "assets/workfolderfontcollector.h"

#include "assets/fontcatalogue.h"

#include <QFile>
#include <QFileInfo>

namespace zorvan {

QString WorkFolderFontCollector::CollectFontFile(const QString &face, const QString &workFolder)
{
    const QString source = m_catalogue.FontFilePath(face);
    if (source.isEmpty())
        return {};
    const QString name = QFileInfo(source).fileName();
    // A file already there is the layout's own copy, or one collected by an
    // earlier save: either way it is the font to carry, and never replaced.
    // A copy that fails (the listed name may not exist) leaves the entry
    // listed without a file, as layouts from the other platform do.
    if (!workFolder.isEmpty()) {
        const QString target = workFolder + u'/' + name;
        if (!QFileInfo::exists(target))
            QFile::copy(source, target);
    }
    return name;
}

} // namespace zorvan
