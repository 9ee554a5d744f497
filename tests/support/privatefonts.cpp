#include "privatefonts.h"

#include <QDir>
#include <QFile>

namespace zorvan::test {

namespace {

QString Escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

PrivateFonts::PrivateFonts()
{
    m_hadConfig = qEnvironmentVariableIsSet("FONTCONFIG_FILE");
    m_oldConfig = qgetenv("FONTCONFIG_FILE");
    m_hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    m_oldDataHome = qgetenv("XDG_DATA_HOME");
    QDir(root()).mkpath(QStringLiteral("fonts"));
    QDir(root()).mkpath(QStringLiteral("cache"));
    QDir(root()).mkpath(QStringLiteral("data/fonts"));
    writeConfig();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(configFile()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root() + QStringLiteral("/data")));
}

PrivateFonts::~PrivateFonts()
{
    if (m_hadConfig)
        qputenv("FONTCONFIG_FILE", m_oldConfig);
    else
        qunsetenv("FONTCONFIG_FILE");
    if (m_hadDataHome)
        qputenv("XDG_DATA_HOME", m_oldDataHome);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString PrivateFonts::fontFolder() const
{
    return root() + QStringLiteral("/fonts");
}

QString PrivateFonts::userFontFolder() const
{
    return root() + QStringLiteral("/data/fonts");
}

QString PrivateFonts::configFile() const
{
    return root() + QStringLiteral("/fonts.conf");
}

QString PrivateFonts::install(const QString &source, const QString &fileName, const QString &family,
                              const QString &style)
{
    const QString target = fontFolder() + u'/' + fileName;
    QFile::copy(source, target);
    if (!family.isEmpty())
        rename(fileName, family, style);
    return target;
}

void PrivateFonts::rename(const QString &fileName, const QString &family, const QString &style)
{
    m_renames.append({fileName, family, style});
    writeConfig();
}

void PrivateFonts::writeConfig() const
{
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n");
    text += QStringLiteral("  <dir>%1</dir>\n").arg(Escaped(fontFolder()));
    // Named outright: the "xdg" prefix would also bring in the system's data folders.
    text += QStringLiteral("  <dir>%1</dir>\n").arg(Escaped(userFontFolder()));
    text += QStringLiteral("  <cachedir>%1</cachedir>\n").arg(Escaped(root() + QStringLiteral("/cache")));
    for (const Rename &r : m_renames) {
        text += QStringLiteral("  <match target=\"scan\">\n    <test name=\"file\" compare=\"contains\"><string>/%1</string></test>\n")
                    .arg(Escaped(r.fileName));
        text += QStringLiteral("    <edit name=\"family\" mode=\"assign_replace\"><string>%1</string></edit>\n")
                    .arg(Escaped(r.family));
        text += QStringLiteral("    <edit name=\"fullname\" mode=\"assign_replace\"><string>%1</string></edit>\n")
                    .arg(Escaped(r.style.isEmpty() ? r.family : r.family + u' ' + r.style));
        if (!r.style.isEmpty())
            text += QStringLiteral("    <edit name=\"style\" mode=\"assign_replace\"><string>%1</string></edit>\n")
                        .arg(Escaped(r.style));
        text += QStringLiteral("  </match>\n");
    }
    text += QStringLiteral("</fontconfig>\n");
    QFile file(configFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

} // namespace zorvan::test
