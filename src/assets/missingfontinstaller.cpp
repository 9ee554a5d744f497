#include "assets/missingfontinstaller.h"

#include "assets/fontcatalogue.h"
#include "assets/fontinstallmodel.h"
#include "assets/fontinstallview.h"
#include "assets/layoutfontcheck.h"
#include "document/userprompts.h"

#include <QFile>

namespace zorvan {

namespace {

const char kOneMissingHeading[] =
    "                           MISSING FONT\n\nThe font required, but not installed on this computer, is:\r\n";
const char kManyMissingHeading[] =
    "           \r\n                MISSING FONTS\n\nThe fonts required, but not installed on this computer, are:\r\n";
const char kMissingFontsText[] =
    "%1\r\n%2\r\nClick 'OK' to install missing font(s) on the next panel\nusing the following procedure:\n\n"
    "For each missing font to be installed, RIGHT click\r\non the font name and select 'Install for all users'";

// Restores the cursor however the re-check ends.
class BusyScope {
public:
    explicit BusyScope(UserPrompts &prompts) : m_prompts(prompts) { m_prompts.setBusy(true); }
    ~BusyScope() { m_prompts.setBusy(false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    UserPrompts &m_prompts;
};

} // namespace

QString MissingFontsMessage(const QString &missingList)
{
    QString indented;
    for (const QString &face : MissingFaces(missingList))
        indented += QString(26, u' ') + face + QStringLiteral("\r\n");
    const char *heading = CountMissingFonts(missingList) == 1 ? kOneMissingHeading : kManyMissingHeading;
    return QString::fromLatin1(kMissingFontsText).arg(QString::fromLatin1(heading), indented);
}

MissingFontInstaller::MissingFontInstaller(FontCatalogue &catalogue, UserPrompts &prompts, FontInstallView &view)
    : m_catalogue(catalogue), m_prompts(prompts), m_view(view)
{
}

bool MissingFontInstaller::Run(QString &missingList, const QString &fontFolder, const QString &workFolder)
{
    while (CountMissingFonts(missingList) > 0) {
        if (m_prompts.ask(MissingFontsMessage(missingList), Buttons::OkCancel) != Answer::Ok)
            return false;
        FontInstallModel model(m_catalogue, MissingFaces(missingList), fontFolder);
        if (!m_view.ShowMissingFonts(model))
            return false;

        // Fonts the user installed by other means meanwhile count as well.
        BusyScope busy(m_prompts);
        m_catalogue.Refresh();
        for (const QString &face : MissingFaces(missingList)) {
            if (!m_catalogue.IsInstalled(face, face))
                continue;
            const QString file = m_catalogue.FontFileName(face);
            if (!file.isEmpty() && !workFolder.isEmpty())
                QFile::remove(workFolder + u'/' + file);
            RemoveMissingFont(missingList, face);
        }
    }
    return true;
}

} // namespace zorvan
