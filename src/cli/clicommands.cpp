#include "clicommands.h"

#include "version.h"

#include <QGuiApplication>

namespace zorvan::cli {

int Run(int argc, char **argv)
{
    // Text measurement needs a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("--version")) {
        std::printf("%s\n", kVersionString);
        return kExitOk;
    }
    std::fprintf(stderr, "zorvan: unknown command '%s'\n", qPrintable(args.value(0)));
    return kExitError;
}

} // namespace zorvan::cli
