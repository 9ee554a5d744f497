#pragma once

#include <QImage>
#include <QString>

namespace zorvan {

// Turns a picture decoded as stored into the way it was taken, by the EXIF
// orientation value (1..8) of its file. Returns whether anything changed;
// 1 and unknown values leave the picture alone.
bool Upright(QImage &image, int exifOrientation);

} // namespace zorvan
