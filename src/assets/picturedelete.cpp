#include "assets/picturedelete.h"

#include "document/stripdata.h"

namespace zorvan {

void DetachPicture(StripData &strip)
{
    strip.SubImageFileName.clear();
    strip.SubImageFrameIndex = 0;
}

} // namespace zorvan
