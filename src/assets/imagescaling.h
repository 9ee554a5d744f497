#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace zorvan {

// The size of an image of size reduced so that its longer side is limit;
// each side is truncated, and kept at least one pixel.
QSize ScaledToLongerSide(const QSize &size, int limit);

// Whether an image of size is wider or taller than limit.
bool ExceedsLimit(const QSize &size, int limit);

// The whole image drawn onto a fresh 32-bit bitmap with alpha whose longer
// side is limit. A null image gives a null image.
QImage ScaleToLongerSide(const QImage &image, int limit);

// The picture file decoded with its longer side at most limit: a larger
// picture comes out as ScaleToLongerSide would make it, but is decoded at
// that size straight away, which JPEG allows at a fraction of the cost. The
// picture is decoded as stored (no orientation applied); null when the file
// cannot be read.
QImage LoadAtMostLimit(const QString &path, int limit);

} // namespace zorvan
