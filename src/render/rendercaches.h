#pragma once

namespace zorvan {

// Drops everything refreshes keep from one to the next (decoded pictures and
// backgrounds, faces, measurements, shaped strings): the next refresh reads
// and measures everything afresh.
void ClearRenderCaches();

} // namespace zorvan
