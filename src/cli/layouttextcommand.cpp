#include "layouttextcommand.h"

#include "clicommands.h"
#include "layoutfileload.h"

#include "document/layouttext.h"
#include "document/menudata.h"

#include <QIODevice>

namespace zorvan::cli {

int RunLayoutTextCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    if (args.size() != 1)
        return Fail(err, QStringLiteral("layout-text"), QStringLiteral("expects exactly one FILE"));
    LoadedLayout layout;
    QString error;
    if (!layout.load(args[0], &error))
        return Fail(err, args[0], error);
    out.write(WriteLayoutText(layout.doc(), QStringLiteral("Background.jpg")).toUtf8());
    return kExitOk;
}

} // namespace zorvan::cli
