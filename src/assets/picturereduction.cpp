#include "assets/picturereduction.h"

#include "assets/imageassets.h"
#include "assets/imagescaling.h"
#include "assets/picturenames.h"
#include "render/imaging.h"

namespace zorvan {

bool ReducePictureInPlace(const QString &path, int limit)
{
    QImage reduced;
    {
        // The full-size picture is released before the file is rewritten.
        const LoadedImage source = LoadImageFile(path);
        reduced = ScaleToLongerSide(source.image, limit);
    }
    if (reduced.isNull())
        return false;
    if (ContainsPastFirst(path, ".png"))
        return SaveImageFile(reduced, path, "image/png");
    if (path.contains(QLatin1String(".gif")))
        return SaveImageFile(reduced, path, "image/gif");
    return SaveImageFile(reduced, path, "image/jpeg", kPictureJpegQuality);
}

} // namespace zorvan
