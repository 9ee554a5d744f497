#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zorvan {

class FontCatalogue;

inline constexpr char kFontInstallTitle[] =
    "TO INSTALL MISSING FONT(S), Right Click on font File(s) and click INSTALL FOR ALL USERS";

// What the font installation dialog shows and does: the faces still missing,
// the font files that came with the layout, and installing one of them when
// the user asks for it. Nothing is installed otherwise.
class FontInstallModel {
public:
    struct File {
        QString fileName;
        QString path;
        QStringList faces; // the faces the layout's font list gives for it, if any
        bool installed = false;
        QString error; // why the last install failed
    };

    // The font files are those in fontFolder: the work folder for a layout
    // from a container, which holds the fonts it carried.
    FontInstallModel(FontCatalogue &catalogue, QStringList missingFaces, const QString &fontFolder);

    QString title() const { return QString::fromLatin1(kFontInstallTitle); }
    const QStringList &missingFaces() const { return m_missingFaces; }
    const QList<File> &files() const { return m_files; }
    int indexOf(const QString &fileName) const;
    // Whether face draws now, with what was installed so far.
    bool isFaceInstalled(const QString &face) const;

    // Installs file index into the user font folder; false with the reason
    // in the file's error when that fails.
    bool install(int index);

private:
    FontCatalogue &m_catalogue;
    QStringList m_missingFaces;
    QList<File> m_files;
};

} // namespace zorvan
