#include "unpackcommand.h"

#include "clicommands.h"
#include "progressbar.h"

#include "document/container.h"

#include <QIODevice>

namespace zorvan::cli {

int RunUnpackCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    if (args.size() != 2)
        return Fail(err, QStringLiteral("unpack"), QStringLiteral("expects a CONTAINER and a DIR"));
    ProgressBar bar(out, QStringLiteral("unpack"));
    bar.show(0, QStringLiteral("reading the container"));
    UnpackOptions options;
    options.check = [&bar](const QString &, QString *) {
        bar.show(80, QStringLiteral("moving the files in"));
        return true;
    };
    const UnpackResult result = UnpackContainer(args[0], args[1], options);
    bar.finish();
    if (!result.ok) {
        // The unpacker names the container or the folder itself.
        return Fail(err, QString(), result.error);
    }
    for (const QString &skipped : result.skipped) {
        err.write(QStringLiteral("zorvan: %1: warning: member \"%2\" skipped (not a plain file)\n")
                      .arg(args[0], skipped)
                      .toUtf8());
    }
    QStringList listed;
    for (const UnpackedMember &member : result.written) {
        if (listed.contains(member.fileName))
            continue;
        listed.append(member.fileName);
        out.write(member.fileName.toUtf8() + '\n');
    }
    return kExitOk;
}

} // namespace zorvan::cli
