#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace zorvan::test {

// A fontconfig configuration of the test's own: one font folder the test
// fills, the user font folder under a private XDG_DATA_HOME, and a private
// cache. Made before any FontCatalogue, it decides which faces are installed.
// The environment is restored when it goes.
class PrivateFonts {
public:
    PrivateFonts();
    ~PrivateFonts();
    PrivateFonts(const PrivateFonts &) = delete;
    PrivateFonts &operator=(const PrivateFonts &) = delete;

    // Copies a font file into the private font folder under fileName. With a
    // family, fontconfig reads the file under that family (and style) name,
    // wherever the file is later copied to, so tests can make any face.
    QString install(const QString &source, const QString &fileName, const QString &family = {},
                    const QString &style = {});
    // Only renames, for a copy of source under fileName put anywhere.
    void rename(const QString &fileName, const QString &family, const QString &style = {});

    QString root() const { return m_dir.path(); }
    QString fontFolder() const;
    QString userFontFolder() const; // $XDG_DATA_HOME/fonts
    QString configFile() const;

private:
    void writeConfig() const;

    struct Rename {
        QString fileName;
        QString family;
        QString style;
    };

    QTemporaryDir m_dir;
    QList<Rename> m_renames;
    QByteArray m_oldConfig;
    QByteArray m_oldDataHome;
    bool m_hadConfig = false;
    bool m_hadDataHome = false;
};

// Debian font files the tests use.
inline constexpr char kDejaVuSans[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr char kDejaVuSansBold[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline constexpr char kDejaVuSerif[] = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
inline constexpr char kDejaVuSansMono[] = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
inline constexpr char kLiberationSans[] = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
inline constexpr char kLiberationSerif[] = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf";
inline constexpr char kCarlito[] = "/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf";
inline constexpr char kOpenSansExtraBold[] = "/usr/share/fonts/truetype/open-sans/OpenSans-ExtraBold.ttf";

} // namespace zorvan::test
