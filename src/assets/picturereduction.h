#pragma once

#include <QString>

namespace zorvan {

// Shrinks a picture file so that its longer side is limit, in place: PNG
// when the path names a ".png", GIF for ".gif", otherwise JPEG at quality 80.
// The file is replaced only once the reduced copy is completely written, so
// a failure leaves the full-size picture. Returns whether it was replaced.
bool ReducePictureInPlace(const QString &path, int limit);

} // namespace zorvan
