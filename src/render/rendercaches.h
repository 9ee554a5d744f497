#pragma once

#include <QtGlobal>

namespace zorvan {

// Drops everything refreshes keep from one to the next (decoded pictures and
// backgrounds, faces, measurements, shaped strings): the next refresh reads
// and measures everything afresh.
void ClearRenderCaches();

// Changes whenever the caches are cleared or the application's fonts change,
// so that a board kept from an earlier refresh is drawn anew with the faces
// as they are now. Fonts added while the editor runs also clear the faces
// this thread keeps, or a face found missing would stay drawn in its stand-in.
quint64 RenderCacheGeneration();

} // namespace zorvan
