#include "clicommands.h"

#include "commandhelp.h"
#include "dumpcommand.h"
#include "fontscommand.h"
#include "layouttextcommand.h"
#include "migratecommand.h"
#include "progressbar.h"
#include "rendercommand.h"
#include "unpackcommand.h"
#include "version.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace zorvan::cli {

namespace {

enum class Needs { Core, Gui };

struct Command {
    const char *name;
    const char *usage;
    CommandFunction run;
    // Commands that measure text or paint need a GUI application (offscreen);
    // the others stay clear of it and of its start-up warnings.
    Needs needs;
    // An option that makes the command draw, and so need the GUI application.
    const char *drawingOption = nullptr;
};

// Add a subcommand here; its usage line shows in "zorvan --help".
const Command kCommands[] = {
    {"dump", "dump [--rects] FILE             print a layout as JSON (--rects: with the drawn rectangles)", RunDumpCommand, Needs::Core, "--rects"},
    {"layout-text", "layout-text FILE                print a layout's plain layout text", RunLayoutTextCommand, Needs::Core},
    {"unpack", "unpack CONTAINER DIR            extract a layout container into DIR", RunUnpackCommand, Needs::Core},
    {"migrate", "migrate FILE [--remove-legacy]  convert a legacy layout into a container", RunMigrateCommand, Needs::Gui},
    {"render", "render FILE [-o OUT | --preview OUT.png] [--white-print | --no-white-print]\n"
               "         [--rotate none|cw|ccw] [--area WxH]\n"
               "                                  write a layout's TV image or its preview", RunRenderCommand, Needs::Gui},
    {"fonts", "fonts FILE                      list the fonts a layout uses and whether they are installed", RunFontsCommand, Needs::Core},
};

const Command *FindCommand(const QString &name)
{
    for (const Command &c : kCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

QByteArray Usage()
{
    QByteArray text = "usage: zorvan COMMAND [ARGUMENTS]\n"
                      "       zorvan COMMAND --help\n"
                      "       zorvan --version\n"
                      "       zorvan --help\n"
                      "\n"
                      "Work on Zorvan menu board layouts without the editor's window.\n"
                      "\n"
                      "commands:\n";
    for (const Command &c : kCommands)
        text += QByteArray("  ") + c.usage + '\n';
    text += "\nExit status: 0 on success, 2 on any error (one line on standard error).\n";
    return text;
}

} // namespace

int Fail(QIODevice &err, const QString &subject, const QString &reason)
{
    ProgressBar::FinishActive();
    const QString line = subject.isEmpty() ? QStringLiteral("zorvan: %1\n").arg(reason)
                                           : QStringLiteral("zorvan: %1: %2\n").arg(subject, reason);
    err.write(line.toUtf8());
    return kExitError;
}

int RunCommand(const QStringList &args, QIODevice &out, QIODevice &err)
{
    const QString name = args.value(0);
    if (name == QLatin1String("--version")) {
        if (args.size() != 1)
            return Fail(err, name, QStringLiteral("takes no arguments"));
        out.write(QByteArray(kVersionString) + '\n');
        return kExitOk;
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        out.write(Usage());
        return kExitOk;
    }
    if (const Command *c = FindCommand(name)) {
        if (AsksForHelp(args.mid(1))) {
            out.write(CommandHelp(name));
            return kExitOk;
        }
        return c->run(args.mid(1), out, err);
    }
    if (name.isEmpty())
        return Fail(err, QString(), QStringLiteral("no command given (try zorvan --help)"));
    return Fail(err, name, QStringLiteral("unknown command (try zorvan --help)"));
}

namespace {
QtMessageHandler g_defaultHandler = nullptr;

// Qt complains on stderr when a root session has no runtime folder; the tool's
// stderr carries only its own one-line errors, so that remark is dropped.
void QuietRuntimeDirWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (g_defaultHandler)
        g_defaultHandler(type, context, message);
}
} // namespace

int Run(int argc, char **argv)
{
    g_defaultHandler = qInstallMessageHandler(QuietRuntimeDirWarning);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        const Command *c = FindCommand(args.value(0));
        const bool drawing = c && c->drawingOption && args.contains(QLatin1String(c->drawingOption));
        if (c && (c->needs == Needs::Gui || drawing)) {
            // Text measurement needs a GUI application, never a display.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
    }

    // Long commands show a bar on a terminal, never in pipes or files.
    ProgressBar::SetEnabled(ProgressBar::IsTerminal(fileno(stdout)));
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    return RunCommand(args, out, err);
}

} // namespace zorvan::cli
