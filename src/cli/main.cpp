#include "clicommands.h"

#include <QCoreApplication>
#include <QString>

#include <cstring>

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// Image decoders report every broken file they meet on standard error; the
// tool already says in its one line which file could not be read and why.
void QuietDecoders(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool decoder = (context.category && std::strncmp(context.category, "qt.gui.imageio", 14) == 0) ||
                         message.startsWith(QLatin1String("libpng "));
    if (decoder && type != QtFatalMsg && type != QtCriticalMsg)
        return;
    g_defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    g_defaultHandler = qInstallMessageHandler(QuietDecoders);
    return zorvan::cli::Run(argc, argv);
}
