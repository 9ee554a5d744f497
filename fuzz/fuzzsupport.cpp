#include "fuzzsupport.h"

#include "assets/workfolders.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace zorvan::fuzz {

namespace {

std::unique_ptr<QTemporaryDir> g_scratch;

} // namespace

void InitOnce()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Decoders warn about every broken input; at thousands of inputs a
    // second that only slows the run down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // Qt keeps the pointers to argc and argv for the whole run.
    static int argc = 1;
    static char name[] = "zorvan-fuzzer";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    g_scratch = std::make_unique<QTemporaryDir>(base + QStringLiteral("/zorvan-fuzz-XXXXXX"));
    if (!g_scratch->isValid())
        std::abort();
    // Deleted on a normal exit; a crash leaves it for inspection.
    std::atexit([] { g_scratch.reset(); });
}

QString ScratchFolder()
{
    return g_scratch->path();
}

QString FreshFolder(const QString &name)
{
    const QString path = ScratchFolder() + QLatin1Char('/') + name;
    QDir dir(path);
    if (dir.exists())
        dir.removeRecursively();
    QDir().mkpath(path);
    return path;
}

QString WriteScratchFile(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = ScratchFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

} // namespace zorvan::fuzz
