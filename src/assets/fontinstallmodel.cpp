#include "assets/fontinstallmodel.h"

#include "assets/fontcatalogue.h"
#include "assets/fontlistfile.h"
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
    // The layout's font list tells which face each carried file is for.
    QString list;
    const QList<FontListEntry> entries = ReadFontListFile(folder.filePath(QString::fromLatin1(kFontListFileName)), &list)
                                             ? ParseFontList(list)
                                             : QList<FontListEntry>();
    for (const QString &name : names) {
        File file{name, folder.filePath(name), {}, false, {}};
        for (const FontListEntry &entry : entries)
            if (entry.file == name && !entry.face.isEmpty() && !file.faces.contains(entry.face))
                file.faces << entry.face;
        m_files.append(file);
    }
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
