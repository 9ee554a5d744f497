// zorvan-test-editorsave WORK_FOLDER CONTAINER TEXT
//
// Opens a layout container in the editor core, gives strip (0,0) the item
// text TEXT and saves it back under the same name through the editor's own
// Save command, so that a test can kill a real save at any moment. The
// dialogs are answered as a user would: the container to open, then the
// same name in the Save As dialog. Prints "saving" when the save begins.
// Exits 0 once both files were saved, 2 with the reason on stderr otherwise.

#include "editing/controlids.h"
#include "editing/savecommands.h"

#include "fakeservices.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace zorvan {
namespace {

int Fail(const QString &container, const QString &why)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(container), qPrintable(why.simplified()));
    return 2;
}

int OpenEditAndSave(const QString &workFolder, const QString &container, const QString &text)
{
    // A killed run leaves its work folder behind; a save never needs the old one.
    QDir(workFolder).removeRecursively();
    test::EditorFixture f(workFolder);
    // Where the window has the board: right of the panel, so that strips are drawn.
    f.window.area = QRect(20, 200, 1600, 700);
    f.dialogs.files.push_back(container);
    f.editor.RunCommand(CommandEvent{ctl::OpenLayout, false, false});
    // Any message while opening means the layout did not open as it is.
    if (!f.dialogs.texts.isEmpty())
        return Fail(container, f.dialogs.texts.last());
    if (f.editor.currentFilePath().isEmpty() || !f.editor.files().fromContainer)
        return Fail(container, QStringLiteral("not opened as a container"));

    f.editor.document().strip(0, 0).MainItemTextParams.Text = text;
    f.editor.document().Modified = true;
    f.dialogs.saveFiles.push_back(container);
    // Tests time their kills from here.
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    SaveSettings settings;
    settings.removableDrive = [](const QString &) { return false; };
    if (SaveLayout(f.editor, settings) != SaveOutcome::Saved)
        return Fail(container, f.dialogs.texts.isEmpty() ? QStringLiteral("not saved") : f.dialogs.texts.last());
    return 0;
}

} // namespace
} // namespace zorvan

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // stderr carries the one line of the outcome only, not Qt's notes about the environment.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        std::fputs("usage: zorvan-test-editorsave WORK_FOLDER CONTAINER TEXT\n", stderr);
        return 2;
    }
    return zorvan::OpenEditAndSave(args[1], args[2], args[3]);
}
