#include "migratecommand.h"

#include "clicommands.h"
#include "layoutfileload.h"
#include "progressbar.h"

#include "assets/fontcatalogue.h"
#include "assets/workfolderfontcollector.h"
#include "document/layoutpaths.h"
#include "document/legacymigration.h"
#include "document/menudata.h"
#include "document/userprompts.h"
#include "render/previewrefresh.h"
#include "render/renderstate.h"

#include <QIODevice>

#include <memory>

namespace zorvan::cli {

namespace {

// The editor draws an opened legacy layout with font collection on before it
// offers the conversion, so the container carries the layout's fonts; the
// same drawing here gives the same used-font list and files.
QString CollectUsedFonts(LoadedLayout &layout)
{
    const FontCatalogue catalogue;
    WorkFolderFontCollector collector(catalogue);
    auto state = std::make_unique<RenderState>();
    state->workFolder = layout.workFolder();
    state->fontCollection = true;
    state->fontCollector = &collector;
    RefreshPreview(*state, layout.doc(), BoardRect{0, 0, 1600, 900}, false);
    return state->usedFontList;
}

} // namespace

int RunMigrateCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    const QString command = QStringLiteral("migrate");
    QString path;
    MigrationOptions options;
    options.ask = false;
    options.removeLegacy = false;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--remove-legacy"))
            options.removeLegacy = true;
        else if (arg.startsWith(QLatin1String("--")))
            return Fail(err, command, QStringLiteral("unknown option %1").arg(arg));
        else if (!path.isEmpty())
            return Fail(err, command, QStringLiteral("expects exactly one LEGACY.XZORVAN"));
        else
            path = arg;
    }
    if (path.isEmpty())
        return Fail(err, command, QStringLiteral("expects exactly one LEGACY.XZORVAN"));
    if (IsContainerPath(path))
        return Fail(err, path, QStringLiteral("is a layout container already, not a legacy layout"));

    ProgressBar bar(out, QStringLiteral("migrate"));
    bar.show(0, QStringLiteral("reading the layout"));
    LoadedLayout layout;
    QString error;
    if (!layout.load(path, &error))
        return Fail(err, path, error);
    // Messages the editor would show (the "_LAYOUT" note, a failure) are not
    // questions; a failure comes back in the result.
    FixedAnswerPrompts prompts(Answer::Yes);
    bar.show(30, QStringLiteral("collecting the fonts"));
    const QString usedFonts = CollectUsedFonts(layout);
    bar.show(60, QStringLiteral("packing the container"));
    const MigrationResult result =
        MigrateLegacyLayout(layout.doc(), layout.state(), layout.workFolder(), usedFonts, prompts, options);
    bar.finish();
    if (!result.converted)
        return Fail(err, path, QStringLiteral("not converted: %1").arg(result.error));
    for (const QString &missing : result.missingFiles)
        err.write(QStringLiteral("zorvan: %1: warning: %2 was not found and is not in the container\n").arg(path, missing).toUtf8());
    out.write(result.containerPath.toUtf8() + '\n');
    return kExitOk;
}

} // namespace zorvan::cli
