#include "render/striptextpainter.h"

namespace zorvan {

void DrawStripTexts(StripDrawContext &, int, int)
{
    // Texts are not drawn yet: boxes, frames and pictures come out alone.
}

} // namespace zorvan
