#include "assets/imagescaling.h"

#include "render/imaging.h"

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

QImage ScaleToLongerSide(const QImage &image, int limit)
{
    const QSize size = ScaledToLongerSide(image.size(), limit);
    if (image.isNull() || size.isEmpty())
        return QImage();
    // Qt's smooth scaling averages the source pixels when it shrinks, which
    // keeps fine detail of large photos from turning into noise.
    QImage scaled = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
    // A reduced copy is a new bitmap: it states the default resolution, not the source's.
    const QImage fresh = NewBitmap(1, 1);
    scaled.setDotsPerMeterX(fresh.dotsPerMeterX());
    scaled.setDotsPerMeterY(fresh.dotsPerMeterY());
    return scaled;
}

} // namespace zorvan
