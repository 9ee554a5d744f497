#include "assets/openedlayoutfonts.h"

#include "assets/layoutfontcheck.h"
#include "assets/missingfontinstaller.h"

namespace zorvan {

OpenedLayoutFonts CheckOpenedLayoutFonts(const MenuData &doc, FontCatalogue &catalogue, const QString &workFolder,
                                         const QString &fontFolder, UserPrompts &prompts, FontInstallView &view)
{
    LayoutFontCheck check(catalogue, workFolder);
    check.CheckDocument(doc);
    OpenedLayoutFonts result;
    result.missingFontList = check.missingFontList();
    result.deletedFiles = check.deletedFiles();
    if (!result.missingFontList.isEmpty())
        result.proceed = MissingFontInstaller(catalogue, prompts, view).Run(result.missingFontList, fontFolder, workFolder);
    return result;
}

} // namespace zorvan
