#include "dumpcommand.h"

#include "clicommands.h"
#include "layoutfileload.h"

#include "document/documentjson.h"
#include "document/menudata.h"

#include <QIODevice>

namespace zorvan::cli {

int RunDumpCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    if (args.size() != 1)
        return Fail(err, QStringLiteral("dump"), QStringLiteral("expects exactly one FILE"));
    LoadedLayout layout;
    QString error;
    if (!layout.load(args[0], &error))
        return Fail(err, args[0], error);
    out.write(DocumentJson(layout.doc(), layout.backgroundFileName()) + '\n');
    return kExitOk;
}

} // namespace zorvan::cli
