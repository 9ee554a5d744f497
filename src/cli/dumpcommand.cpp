#include "dumpcommand.h"

#include "clicommands.h"
#include "layoutfileload.h"

#include "document/documentjson.h"
#include "document/menudata.h"

#include <QIODevice>

#include <memory>

namespace zorvan::cli {

int RunDumpCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    if (args.size() != 1)
        return Fail(err, QStringLiteral("dump"), QStringLiteral("expects exactly one FILE"));
    // The document is large (9 x 201 strips); keep it off the stack.
    auto doc = std::make_unique<MenuData>();
    QString backgroundFileName;
    QString error;
    if (!LoadLayoutFile(args[0], *doc, &backgroundFileName, &error))
        return Fail(err, args[0], error);
    out.write(DocumentJson(*doc, backgroundFileName) + '\n');
    return kExitOk;
}

} // namespace zorvan::cli
