#include "render/rendercaches.h"

#include "render/decodedimagecache.h"
#include "render/textfont.h"

#include <QGuiApplication>
#include <QPointer>
#include <QThread>

#include <atomic>

namespace zorvan {

namespace {

std::atomic<quint64> g_generation{0};

void WatchFontDatabase()
{
    // Connected once per application object, on its thread.
    static QPointer<QGuiApplication> watched;
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app || watched == app || app->thread() != QThread::currentThread())
        return;
    watched = app;
    QObject::connect(app, &QGuiApplication::fontDatabaseChanged, app, [] {
        TextFont::ClearCaches();
        ++g_generation;
    });
}

} // namespace

void ClearRenderCaches()
{
    DecodedImageCache::instance().clear();
    TextFont::ClearCaches();
    ++g_generation;
}

quint64 RenderCacheGeneration()
{
    WatchFontDatabase();
    return g_generation;
}

} // namespace zorvan
