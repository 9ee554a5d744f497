#pragma once

#include "render/imaging.h"

#include <QString>

namespace zorvan {

// Pictures from phones and cameras reach 100 megapixels; anything beyond
// these limits is a damaged file or a decompression bomb, and decoding it
// would take the editor's memory.
inline constexpr int kMaxImageSide = 20000;
inline constexpr int kMaxImageMegabytes = kImageDecodeLimitMegabytes;

// Whether path is a picture the editor can use: an existing file (not a
// folder) of a readable image format whose stated size is within the limits
// and whose pixels decode. Otherwise false, with the reason in *error
// ("is a folder", "is not a picture Qt can read: ..."), without the path.
bool CheckImageFile(const QString &path, QString *error = nullptr);

} // namespace zorvan
