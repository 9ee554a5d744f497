#pragma once

#include <QString>

namespace zorvan {

class FontCatalogue;
class FontInstallView;
class UserPrompts;

// The message that asks the user to install what the missing-font list holds,
// with the singular heading for one font and the plural one for more.
QString MissingFontsMessage(const QString &missingList);

// Leads the user through installing the fonts a layout needs: the message,
// then the installation dialog, then a check of what is installed now, and
// the message again for whatever is still missing, until nothing is.
class MissingFontInstaller {
public:
    MissingFontInstaller(FontCatalogue &catalogue, UserPrompts &prompts, FontInstallView &view);

    // missingList is the list of the layout's font checks; afterwards it holds
    // what is still missing. fontFolder holds the font files the layout
    // carried; the copies of fonts found installed are deleted from
    // workFolder. True when every font is installed, false when the user
    // cancelled the message or closed the dialog other than with "Done".
    bool Run(QString &missingList, const QString &fontFolder, const QString &workFolder);

private:
    FontCatalogue &m_catalogue;
    UserPrompts &m_prompts;
    FontInstallView &m_view;
};

} // namespace zorvan
