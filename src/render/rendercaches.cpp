#include "render/rendercaches.h"

#include "render/decodedimagecache.h"
#include "render/textfont.h"

namespace zorvan {

void ClearRenderCaches()
{
    DecodedImageCache::instance().clear();
    TextFont::ClearCaches();
}

} // namespace zorvan
