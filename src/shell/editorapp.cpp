#include "editorapp.h"

#include "mainwindow.h"
#include "runworkspace.h"
#include "scriptdialogs.h"
#include "scriptsession.h"

#include "editing/autosave.h"
#include "editing/crashrecovery.h"
#include "editing/startfolder.h"
#include "version.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace zorvan {

QString WorkFolderMissingMessage(const QString &reason)
{
    return QStringLiteral("The editor cannot make its work folder: %1\n\nLayouts, backgrounds and pictures cannot "
                          "be opened, and unsaved edits are not kept against a crash, until it can. Make room on "
                          "the disk or make the folder writable, then start the editor again.")
        .arg(reason);
}

namespace {

struct Arguments {
    QString script;
    QString file; // a file named on the command line
    bool bad = false;
    bool help = false;
    bool version = false;
};

const char kUsage[] =
    "usage: zorvan-editor [--script FILE]\n"
    "\n"
    "Start the Zorvan PRO Editor. Layouts are opened from inside the editor\n"
    "(\"Open Zorvan Layout File\"); a file named here is refused.\n"
    "\n"
    "options:\n"
    "  --script FILE  play a scripted session without a display (docs/scripting.md)\n"
    "  --version      print the version and exit\n"
    "  -h, --help     show this help and exit\n"
    "\n"
    "environment:\n"
    "  ZORVAN_APPDATA_DIR  the folder that holds the editor's work folders (default ~/.local/share)\n"
    "  ZORVAN_OPEN_FOLDER  the folder the Open dialog starts in (default: the editor's own folder)\n";

Arguments ParseArguments(int argc, char **argv)
{
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            args.help = true;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            args.version = true;
        } else if (std::strcmp(argv[i], "--script") == 0) {
            if (i + 1 >= argc) {
                args.bad = true;
                break;
            }
            args.script = QString::fromLocal8Bit(argv[++i]);
        } else if (args.file.isEmpty()) {
            args.file = QString::fromLocal8Bit(argv[i]);
        }
    }
    return args;
}

} // namespace

int RunEditor(int argc, char **argv)
{
    const Arguments args = ParseArguments(argc, argv);
    // Answered before any window or display is needed.
    if (args.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.version) {
        std::printf("%s\n", kVersionString);
        return 0;
    }
    if (args.bad) {
        std::fprintf(stderr, "zorvan-editor: --script needs a file\n");
        return kScriptUnreadable;
    }
    const bool scripted = !args.script.isEmpty();
    // A scripted session never needs a display.
    if (scripted && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvan PRO Editor 3.0"));

    ScriptDialogs scriptDialogs;
    QtDialogs qtDialogs;
    QList<ScriptLine> script;
    if (scripted) {
        auto lines = ReadScriptFile(args.script);
        if (!lines)
            return kScriptUnreadable;
        script = *lines;
        QueueLeadingAnswers(script, scriptDialogs);
    }
    UserDialogs &dialogs = scripted ? static_cast<UserDialogs &>(scriptDialogs) : qtDialogs;

    // Layouts are opened from inside the editor only.
    if (!args.file.isEmpty()) {
        dialogs.message(QString::fromUtf8(kRefuseFileMessage));
        if (scripted && !scriptDialogs.unanswered().isEmpty()) {
            std::fprintf(stderr, "no answer for the dialog \"%s\"\n", qPrintable(scriptDialogs.unanswered()));
            return kScriptUnanswered;
        }
        return 0;
    }

    // Folder failures are not fatal: the editor runs on and says so where a
    // command needs the folder. The user hears of it at once, though, since
    // without it no layout opens and no edits are kept against a crash.
    RunWorkspace workspace;
    if (!workspace.start(WorkFolders::DefaultAppDataFolder(), &dialogs))
        dialogs.message(WorkFolderMissingMessage(workspace.folders().errorString()));

    MainWindow window(workspace, scripted ? &scriptDialogs : nullptr);
    window.Initialise(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    window.editor().SetLastUsedFolder(InitialOpenFolder(window.editor().programFolder(),
                                                        qEnvironmentVariable(kOpenFolderVariable)));
    if (scripted) {
        window.show();
        window.setClientSize(QSize(1600, 900));
        QCoreApplication::processEvents();
        OfferCrashRecovery(window.editor());
        ScriptSession session(window, scriptDialogs);
        return session.run(script);
    }
    window.showMaximized();
    // Asked once the window is up, so the restored board shows behind the question's answer.
    QTimer::singleShot(0, &window, [&window] { OfferCrashRecovery(window.editor()); });
    QTimer autosave;
    autosave.setInterval(kAutosaveIntervalMs);
    QObject::connect(&autosave, &QTimer::timeout, &window, [&window] { AutosaveTick(window.editor()); });
    autosave.start();
    return app.exec();
}

} // namespace zorvan
