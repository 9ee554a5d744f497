#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct _FcConfig;

namespace zorvan {

enum class FontStatus {
    Installed, // a font of that family is installed
    StandIn,   // the face is missing, but a free family draws in its place
    Missing,
};

// The fonts installed on this machine, as fontconfig knows them. Faces are
// matched to families without regard to case. The configuration is the one
// fontconfig reads by default (FONTCONFIG_FILE when set), loaded when the
// catalogue is made; Refresh() reads it again, so fonts installed meanwhile
// by any means are found.
class FontCatalogue {
public:
    FontCatalogue();
    ~FontCatalogue();
    FontCatalogue(const FontCatalogue &) = delete;
    FontCatalogue &operator=(const FontCatalogue &) = delete;

    // Scans the font folders again.
    void Refresh();
    // Makes one font file known at once, whether or not it lies in a folder
    // fontconfig scans; it stays known across Refresh(). False when
    // fontconfig cannot read it as a font.
    bool AddFontFile(const QString &path);

    FontStatus Status(const QString &face) const;
    // A block without text never needs its font. Stand-ins count as installed.
    bool IsInstalled(const QString &face, const QString &text) const;
    // The family drawing in place of face when it is a stand-in; else empty.
    QString StandInFamily(const QString &face) const;

    // Full path of the file of face's regular style, with the file name in the
    // form layouts list it (see ShortenedFontFileName), so the path may name a
    // file that does not exist. Empty when face is missing or only a stand-in
    // draws it: a stand-in is never carried in a layout.
    QString FontFilePath(const QString &face) const;
    // The file name of FontFilePath(face).
    QString FontFileName(const QString &face) const;

    // Every family known, as fontconfig spells it.
    QStringList Families() const;

private:
    struct Font {
        QString file;
        QStringList families;
        QStringList styles;
        QStringList fullNames;
        int weight = 80;
        int slant = 0;
        int width = 100;
    };

    void Load();
    void Index();
    const Font *RegularOf(const QList<int> &fonts) const;
    bool HasFile(const QString &path) const;

    _FcConfig *m_config = nullptr;
    QList<Font> m_fonts;
    QHash<QString, QList<int>> m_byFamily; // lower-case family → fonts
    QStringList m_addedFiles;
};

} // namespace zorvan
