#pragma once

#include "render/imaging.h"

#include <QByteArray>

#include <optional>

namespace zorvan {

// The pixel density a JPEG file states in its JFIF header (when its unit is
// inches or centimetres) or else in its EXIF resolution tags. Nothing when it
// states neither, or when the data is not a JPEG.
std::optional<ImageResolution> ReadJpegDensity(const QByteArray &headerBytes);

} // namespace zorvan
