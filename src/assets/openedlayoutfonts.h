#pragma once

#include <QString>
#include <QStringList>

namespace zorvan {

class FontCatalogue;
class FontInstallView;
class MenuData;
class UserPrompts;

struct OpenedLayoutFonts {
    // False when fonts are missing and the user did not install them all:
    // the opening is abandoned.
    bool proceed = true;
    // What is still missing, face names each followed by CR LF.
    QString missingFontList;
    // The carried copies of installed fonts deleted from the work folder.
    QStringList deletedFiles;
};

// The font part of opening a layout, once its strips are read: every text
// block is checked, and when fonts are missing the user is led through
// installing them. fontFolder holds the font files the layout came with (the
// folder of its background image; the work folder for a container).
OpenedLayoutFonts CheckOpenedLayoutFonts(const MenuData &doc, FontCatalogue &catalogue, const QString &workFolder,
                                         const QString &fontFolder, UserPrompts &prompts, FontInstallView &view);

} // namespace zorvan
