#include "render/decodedimagecache.h"

#include <QDateTime>
#include <QFileInfo>

#include <list>
#include <mutex>

namespace zorvan {

namespace {

// Enough for a background proxy and a few dozen pictures at their drawn size.
constexpr qint64 kBudgetBytes = 96 * 1024 * 1024;

struct Entry {
    QString path;
    QRect clip;
    QSize size;
    FileStamp stamp;
    LoadedImage image;
};

qint64 BytesOf(const LoadedImage &image)
{
    return image.image.sizeInBytes();
}

} // namespace

FileStamp StampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch(), info.metadataChangeTime().toMSecsSinceEpoch()};
}

struct DecodedImageCache::Impl {
    std::mutex mutex;
    std::list<Entry> entries; // most recently used first
    qint64 bytes = 0;
};

DecodedImageCache &DecodedImageCache::instance()
{
    static DecodedImageCache cache;
    return cache;
}

DecodedImageCache::Impl &DecodedImageCache::impl()
{
    static Impl data;
    return data;
}

std::optional<LoadedImage> DecodedImageCache::find(const QString &path, const QRect &clip, const QSize &size)
{
    const FileStamp stamp = StampOf(path);
    if (stamp.size < 0)
        return std::nullopt;
    Impl &d = impl();
    std::lock_guard lock(d.mutex);
    for (auto it = d.entries.begin(); it != d.entries.end(); ++it) {
        if (it->path != path || it->clip != clip || it->size != size)
            continue;
        if (it->stamp != stamp) {
            d.bytes -= BytesOf(it->image);
            d.entries.erase(it);
            return std::nullopt;
        }
        d.entries.splice(d.entries.begin(), d.entries, it);
        return d.entries.front().image;
    }
    return std::nullopt;
}

void DecodedImageCache::insert(const QString &path, const QRect &clip, const QSize &size, const FileStamp &stamp,
                               const LoadedImage &image)
{
    if (image.image.isNull() || image.width() > kMaxCachedSide || image.height() > kMaxCachedSide)
        return;
    if (stamp.size < 0)
        return;
    Impl &d = impl();
    std::lock_guard lock(d.mutex);
    for (auto it = d.entries.begin(); it != d.entries.end(); ++it) {
        if (it->path == path && it->clip == clip && it->size == size) {
            d.bytes -= BytesOf(it->image);
            d.entries.erase(it);
            break;
        }
    }
    d.entries.push_front({path, clip, size, stamp, image});
    d.bytes += BytesOf(image);
    while (d.bytes > kBudgetBytes && d.entries.size() > 1) {
        d.bytes -= BytesOf(d.entries.back().image);
        d.entries.pop_back();
    }
}

void DecodedImageCache::clear()
{
    Impl &d = impl();
    std::lock_guard lock(d.mutex);
    d.entries.clear();
    d.bytes = 0;
}

LoadedImage LoadImageFileCached(const QString &path)
{
    DecodedImageCache &cache = DecodedImageCache::instance();
    if (std::optional<LoadedImage> cached = cache.find(path, QRect(), QSize()))
        return *cached;
    const FileStamp stamp = StampOf(path);
    LoadedImage image = LoadImageFile(path);
    cache.insert(path, QRect(), QSize(), stamp, image);
    return image;
}

} // namespace zorvan
