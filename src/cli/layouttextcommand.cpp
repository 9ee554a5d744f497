#include "layouttextcommand.h"

#include "clicommands.h"
#include "layoutfileload.h"

#include "document/layouttext.h"
#include "document/menudata.h"

#include <QIODevice>

#include <memory>

namespace zorvan::cli {

int RunLayoutTextCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    if (args.size() != 1)
        return Fail(err, QStringLiteral("layout-text"), QStringLiteral("expects exactly one FILE"));
    auto doc = std::make_unique<MenuData>();
    QString backgroundFileName;
    QString error;
    if (!LoadLayoutFile(args[0], *doc, &backgroundFileName, &error))
        return Fail(err, args[0], error);
    out.write(WriteLayoutText(*doc, QStringLiteral("Background.jpg")).toUtf8());
    return kExitOk;
}

} // namespace zorvan::cli
