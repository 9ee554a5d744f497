#pragma once

#include "render/imaging.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace zorvan {

// What identifies the content of a file without reading it.
struct FileStamp {
    qint64 size = -1; // -1: no such file
    qint64 modified = 0;
    qint64 changed = 0;

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

FileStamp StampOf(const QString &path);

// Decoded images of the last refreshes, so that an unchanged proxy or
// picture is not decoded again on every refresh while the user edits. An
// entry is found only while its file has the same size and modification
// times as when it was decoded, so remade proxies are always read afresh.
// Only images up to kMaxCachedSide on both sides are kept (proxies and
// pictures at their drawn size); full-size backgrounds are not. Safe to use
// from several threads.
class DecodedImageCache {
public:
    static constexpr int kMaxCachedSide = 2048;

    static DecodedImageCache &instance();

    // clip and size describe the decode: the area of the file and the size
    // it was scaled to (empty: whole file, stored size).
    std::optional<LoadedImage> find(const QString &path, const QRect &clip, const QSize &size);
    // stamp: the file's stamp taken before it was decoded, so a file that
    // changed meanwhile is never remembered under its new stamp.
    void insert(const QString &path, const QRect &clip, const QSize &size, const FileStamp &stamp,
                const LoadedImage &image);
    void clear();

private:
    DecodedImageCache() = default;
    struct Impl;
    Impl &impl();
};

// LoadImageFile through the cache.
LoadedImage LoadImageFileCached(const QString &path);

} // namespace zorvan
