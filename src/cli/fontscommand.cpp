#include "fontscommand.h"

#include "clicommands.h"
#include "layoutfileload.h"

#include "assets/fontcatalogue.h"
#include "assets/fontlistfile.h"
#include "assets/layoutfaces.h"
#include "document/layoutpaths.h"

#include <QFileInfo>
#include <QHash>
#include <QIODevice>

namespace zorvan::cli {

namespace {

const char *StatusWord(FontStatus status)
{
    switch (status) {
    case FontStatus::Installed:
        return "installed";
    case FontStatus::StandIn:
        return "stand-in";
    case FontStatus::Missing:
        break;
    }
    return "missing";
}

QString OrDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : text;
}

// Face → the font file a container carries for it: its font list entry,
// when the file itself came with it.
QHash<QString, QString> CarriedFonts(const QString &workFolder)
{
    QHash<QString, QString> carried;
    QString list;
    if (!ReadFontListFile(JoinPath(workFolder, QLatin1String(kFontListFileName)), &list))
        return carried;
    for (const FontListEntry &entry : ParseFontList(list)) {
        if (!entry.file.isEmpty() && !carried.contains(entry.face) &&
            FileNameOf(entry.file) == entry.file && QFileInfo(JoinPath(workFolder, entry.file)).isFile())
            carried.insert(entry.face, entry.file);
    }
    return carried;
}

} // namespace

int RunFontsCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    if (args.size() != 1)
        return Fail(err, QStringLiteral("fonts"), QStringLiteral("expects exactly one FILE"));
    const QString path = args[0];
    LoadedLayout layout;
    QString error;
    if (!layout.load(path, &error))
        return Fail(err, path, error);
    const QHash<QString, QString> carried =
        layout.state().fromContainer ? CarriedFonts(layout.workFolder()) : QHash<QString, QString>();

    const FontCatalogue catalogue;
    QByteArray text;
    for (const QString &face : LayoutFaces(layout.doc())) {
        const FontStatus status = catalogue.Status(face);
        const QString here = status == FontStatus::Installed ? catalogue.FontFilePath(face)
                             : status == FontStatus::StandIn ? catalogue.StandInFamily(face)
                                                             : QString();
        text += QStringLiteral("%1\t%2\t%3\t%4\n")
                    .arg(face, QLatin1String(StatusWord(status)), OrDash(carried.value(face)), OrDash(here))
                    .toUtf8();
    }
    out.write(text);
    return kExitOk;
}

} // namespace zorvan::cli
