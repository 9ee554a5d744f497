#include "assets/layoutfontcheck.h"

#include "assets/fontcatalogue.h"
#include "document/menudata.h"

#include <QFile>

namespace zorvan {

namespace {

const QString kEntryEnd = QStringLiteral("\r\n");

} // namespace

int CountMissingFonts(const QString &missingList)
{
    return int(missingList.count(u'\r'));
}

QStringList MissingFaces(const QString &missingList)
{
    return missingList.split(kEntryEnd, Qt::SkipEmptyParts);
}

void AddMissingFont(QString &missingList, const QString &face)
{
    if (!missingList.contains(face))
        missingList += face + kEntryEnd;
}

void RemoveMissingFont(QString &missingList, const QString &face)
{
    QStringList faces = MissingFaces(missingList);
    const qsizetype index = faces.indexOf(face);
    if (index < 0)
        return;
    faces.removeAt(index);
    missingList.clear();
    for (const QString &f : std::as_const(faces))
        missingList += f + kEntryEnd;
}

LayoutFontCheck::LayoutFontCheck(const FontCatalogue &catalogue, QString workFolder)
    : m_catalogue(catalogue), m_workFolder(std::move(workFolder))
{
}

void LayoutFontCheck::CheckBlock(const QString &face, const QString &text)
{
    if (face.isEmpty() || text.isEmpty())
        return;
    if (!m_catalogue.IsInstalled(face, text)) {
        AddMissingFont(m_missing, face);
        return;
    }
    if (m_removed.contains(face))
        return;
    const QString file = m_catalogue.FontFileName(face);
    if (!file.isEmpty() && !m_workFolder.isEmpty()) {
        const QString path = m_workFolder + u'/' + file;
        if (QFile::remove(path))
            m_deleted << path;
    }
    m_removed += face + u',';
}

void LayoutFontCheck::CheckDocument(const MenuData &doc)
{
    for (int column = 0; column < doc.NumberOfColumns; ++column) {
        for (int row = 0; row < doc.NumberOfRows; ++row) {
            const StripData &strip = doc.strip(column, row);
            for (int item = 0; item < kTextItemCount; ++item)
                CheckBlock(strip.block(item).Font, strip.block(item).Text);
        }
    }
}

} // namespace zorvan
