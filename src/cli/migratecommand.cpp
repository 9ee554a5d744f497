#include "migratecommand.h"

#include "clicommands.h"
#include "layoutfileload.h"

#include "document/layoutpaths.h"
#include "document/legacymigration.h"
#include "document/userprompts.h"

#include <QIODevice>

namespace zorvan::cli {

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

    LoadedLayout layout;
    QString error;
    if (!layout.load(path, &error))
        return Fail(err, path, error);
    // Messages the editor would show (the "_LAYOUT" note, a failure) are not
    // questions; a failure comes back in the result.
    FixedAnswerPrompts prompts(Answer::Yes);
    const MigrationResult result =
        MigrateLegacyLayout(layout.doc(), layout.state(), layout.workFolder(), QString(), prompts, options);
    if (!result.converted)
        return Fail(err, path, QStringLiteral("not converted: %1").arg(result.error));
    for (const QString &missing : result.missingFiles)
        err.write(QStringLiteral("zorvan: %1: warning: %2 was not found and is not in the container\n").arg(path, missing).toUtf8());
    out.write(result.containerPath.toUtf8() + '\n');
    return kExitOk;
}

} // namespace zorvan::cli
