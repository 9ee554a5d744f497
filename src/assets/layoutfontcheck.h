#pragma once

#include <QString>
#include <QStringList>

namespace zorvan {

class FontCatalogue;
class MenuData;

// The missing-font list: face names, each followed by CR LF.
int CountMissingFonts(const QString &missingList);
QStringList MissingFaces(const QString &missingList);
// Adds face unless the list holds it already, even as part of a longer
// name: "Arial" is taken as listed once "Arial Black" is.
void AddMissingFont(QString &missingList, const QString &face);
// Removes face's own entry (never part of a longer name).
void RemoveMissingFont(QString &missingList, const QString &face);

// The font checks of one opening of a layout, block by block as they are read.
// A face that is missing goes on the missing-font list; for a face that is
// installed, the copy of its file the layout carried is deleted from the work
// folder, since saving here collects the installed file again.
class LayoutFontCheck {
public:
    LayoutFontCheck(const FontCatalogue &catalogue, QString workFolder);

    // One text block read; blocks without text or without a face are ignored.
    void CheckBlock(const QString &face, const QString &text);
    // Every block of the grid in use, column by column, as Open reads them.
    void CheckDocument(const MenuData &doc);

    const QString &missingFontList() const { return m_missing; }
    // Faces whose carried copy was dealt with, each followed by ','.
    const QString &removedFontList() const { return m_removed; }
    // The files deleted from the work folder, in order.
    const QStringList &deletedFiles() const { return m_deleted; }

private:
    const FontCatalogue &m_catalogue;
    QString m_workFolder;
    QString m_missing;
    QString m_removed;
    QStringList m_deleted;
};

} // namespace zorvan
