#include "assets/picturereduction.h"

#include "assets/imageassets.h"
#include "assets/imagescaling.h"
#include "assets/picturenames.h"
#include "render/imaging.h"

namespace zorvan {

bool ReducePictureInPlace(const QString &path, int limit)
{
    const QImage reduced = LoadAtMostLimit(path, limit);
    if (reduced.isNull())
        return false;
    if (ContainsPastFirst(path, ".png"))
        return SaveImageFile(reduced, path, "image/png");
    if (path.contains(QLatin1String(".gif")))
        return SaveImageFile(reduced, path, "image/gif");
    return SaveImageFile(reduced, path, "image/jpeg", kPictureJpegQuality);
}

} // namespace zorvan
