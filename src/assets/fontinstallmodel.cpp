#include "assets/fontinstallmodel.h"

#include "assets/fontcatalogue.h"
#include "assets/userfontinstall.h"

#include <QDir>

namespace zorvan {

FontInstallModel::FontInstallModel(FontCatalogue &catalogue, QStringList missingFaces, const QString &fontFolder)
    : m_catalogue(catalogue), m_missingFaces(std::move(missingFaces))
{
    if (fontFolder.isEmpty())
        return;
    const QDir folder(fontFolder);
    const QStringList names = folder.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf"), QStringLiteral("*.ttc")},
                                               QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        m_files.append({name, folder.filePath(name), {}, false, {}});
}

int FontInstallModel::indexOf(const QString &fileName) const
{
    for (int i = 0; i < m_files.size(); ++i)
        if (m_files[i].fileName == fileName)
            return i;
    return -1;
}

bool FontInstallModel::isFaceInstalled(const QString &face) const
{
    return m_catalogue.IsInstalled(face, face);
}

bool FontInstallModel::install(int index)
{
    if (index < 0 || index >= m_files.size())
        return false;
    File &file = m_files[index];
    const FontInstallResult result = InstallUserFont(file.path, m_catalogue);
    file.installed = result.ok;
    file.error = result.error;
    return result.ok;
}

} // namespace zorvan
