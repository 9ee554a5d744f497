#include "render/rendercaches.h"

#include "render/decodedimagecache.h"
#include "render/textfont.h"

#include <QGuiApplication>

#include <atomic>

namespace zorvan {

namespace {

std::atomic<quint64> g_generation{0};

// Runs as each application object starts, on its thread.
void WatchFontDatabase()
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    QObject::connect(app, &QGuiApplication::fontDatabaseChanged, app, [] {
        TextFont::ClearCaches();
        ++g_generation;
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchFontDatabase)

void ClearRenderCaches()
{
    DecodedImageCache::instance().clear();
    TextFont::ClearCaches();
    ++g_generation;
}

quint64 RenderCacheGeneration()
{
    return g_generation;
}

} // namespace zorvan
