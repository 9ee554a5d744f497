#pragma once

#include <QImage>
#include <QSize>

namespace zorvan {

// The size of an image of size reduced so that its longer side is limit;
// each side is truncated, and kept at least one pixel.
QSize ScaledToLongerSide(const QSize &size, int limit);

// Whether an image of size is wider or taller than limit.
bool ExceedsLimit(const QSize &size, int limit);

// The whole image drawn onto a fresh 32-bit bitmap with alpha whose longer
// side is limit. A null image gives a null image.
QImage ScaleToLongerSide(const QImage &image, int limit);

} // namespace zorvan
