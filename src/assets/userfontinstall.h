#pragma once

#include <QString>

namespace zorvan {

class FontCatalogue;

// The current user's own font folder, $XDG_DATA_HOME/fonts (normally
// ~/.local/share/fonts); installing there needs no administrator.
QString UserFontFolder();

struct FontInstallResult {
    bool ok = false;
    QString installedPath;
    QString error; // one line for the user when not ok
    int qtFontId = -1; // Qt's application font id; -1 without a GUI application
};

// Copies a font file into the user font folder and makes it usable at once:
// the catalogue knows it, and Qt draws with it when a GUI application runs.
// An installed file is never overwritten: the same file again is taken as
// installed, a different file of the same name is installed beside it.
FontInstallResult InstallUserFont(const QString &source, FontCatalogue &catalogue);

} // namespace zorvan
