#include "commandhelp.h"

#include <QStringList>

namespace zorvan::cli {

namespace {

struct Help {
    const char *command;
    const char *text;
};

// Kept short: docs/cli.md has the full description of every command.
const Help kHelp[] = {
    {"dump",
     "usage: zorvan dump [--rects] FILE\n"
     "\n"
     "Print a layout container (.ZORVAN) or layout text (.XZORVAN) as JSON, one line.\n"
     "\n"
     "options:\n"
     "  --rects     draw the board as a save does and add each strip's drawn rectangles\n"
     "  -h, --help  show this help and exit\n"},
    {"layout-text",
     "usage: zorvan layout-text FILE\n"
     "\n"
     "Print the plain (unscrambled) layout text the editor would save for FILE.\n"
     "\n"
     "options:\n"
     "  -h, --help  show this help and exit\n"},
    {"unpack",
     "usage: zorvan unpack CONTAINER DIR\n"
     "\n"
     "Extract a layout container into DIR (created when missing) as the editor's Open\n"
     "does, and list the files written. A damaged container leaves DIR untouched.\n"
     "\n"
     "options:\n"
     "  -h, --help  show this help and exit\n"},
    {"migrate",
     "usage: zorvan migrate LEGACY.XZORVAN [--remove-legacy]\n"
     "\n"
     "Convert a legacy layout (ZorvanLayout_NAME.XZORVAN and NAME_SupportFiles) into\n"
     "the container NAME_LAYOUT.ZORVAN beside it, with its pictures and fonts.\n"
     "\n"
     "options:\n"
     "  --remove-legacy  delete the legacy layout text and support folder afterwards\n"
     "  -h, --help       show this help and exit\n"},
    {"render",
     "usage: zorvan render FILE [-o OUT | --preview OUT.png] [--white-print | --no-white-print]\n"
     "                    [--rotate none|cw|ccw] [--area WxH]\n"
     "\n"
     "Write a layout's TV image as Save writes it (NAME_TV.jpg beside NAME_LAYOUT.ZORVAN),\n"
     "or the editor's preview of it, and print the path written.\n"
     "\n"
     "options:\n"
     "  -o OUT            write the TV image to OUT instead\n"
     "  --preview OUT.png write the preview the editor's window shows, as PNG\n"
     "  --white-print     use the white-background print format\n"
     "  --no-white-print  do not, whatever the layout stores\n"
     "  --rotate DIR      turn a portrait board for a display on its side: none, cw or ccw\n"
     "  --area WxH        the window area the board is laid out in (default 1600x900)\n"
     "  -h, --help        show this help and exit\n"},
    {"fonts",
     "usage: zorvan fonts FILE\n"
     "\n"
     "List the faces a layout draws with, one a line: FACE, STATUS (installed,\n"
     "stand-in or missing), the font file the container carries and the file or\n"
     "family that draws it here, separated by tabs.\n"
     "\n"
     "options:\n"
     "  -h, --help  show this help and exit\n"},
};

} // namespace

QByteArray CommandHelp(const QString &command)
{
    for (const Help &help : kHelp)
        if (command == QLatin1String(help.command))
            return QByteArray(help.text);
    return QByteArray();
}

bool AsksForHelp(const QStringList &args)
{
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
}

} // namespace zorvan::cli
