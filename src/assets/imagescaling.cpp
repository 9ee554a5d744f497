#include "assets/imagescaling.h"

#include "render/imaging.h"

#include <QImageReader>

#include <algorithm>

namespace zorvan {

QSize ScaledToLongerSide(const QSize &size, int limit)
{
    const qint64 longer = std::max(size.width(), size.height());
    if (longer <= 0)
        return {};
    // In whole numbers, so the truncation is exact: 1601 x 1200 becomes
    // 1600 x 1199 and 5000 x 4000 becomes 3200 x 2560, never one pixel less.
    const auto side = [&](qint64 length) { return static_cast<int>(std::max<qint64>(1, length * limit / longer)); };
    return {side(size.width()), side(size.height())};
}

bool ExceedsLimit(const QSize &size, int limit)
{
    return size.width() > limit || size.height() > limit;
}

namespace {

// A reduced copy is a new bitmap: 32 bits with alpha, stating the default
// resolution rather than the source's.
QImage AsNewBitmap(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QImage fresh = NewBitmap(1, 1);
    image.setDotsPerMeterX(fresh.dotsPerMeterX());
    image.setDotsPerMeterY(fresh.dotsPerMeterY());
    return image;
}

} // namespace

QImage ScaleToLongerSide(const QImage &image, int limit)
{
    const QSize size = ScaledToLongerSide(image.size(), limit);
    if (image.isNull() || size.isEmpty())
        return QImage();
    // Qt's smooth scaling averages the source pixels when it shrinks, which
    // keeps fine detail of large photos from turning into noise.
    return AsNewBitmap(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QImage LoadAtMostLimit(const QString &path, int limit)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize stored = reader.size();
    if (!stored.isValid() || !ExceedsLimit(stored, limit))
        return LoadImageFile(path).image;
    reader.setScaledSize(ScaledToLongerSide(stored, limit));
    QImage image;
    if (!reader.read(&image))
        return QImage();
    // A header that promised another size than the pixels hold.
    if (ExceedsLimit(image.size(), limit))
        return ScaleToLongerSide(image, limit);
    return AsNewBitmap(std::move(image));
}

} // namespace zorvan
