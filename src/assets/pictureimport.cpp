#include "assets/pictureimport.h"

#include "assets/imageassets.h"
#include "assets/imagecheck.h"
#include "assets/picturenames.h"
#include "assets/pictureproxy.h"
#include "assets/picturereduction.h"
#include "assets/upright.h"
#include "document/stripdata.h"
#include "document/userprompts.h"
#include "render/imaging.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace zorvan {

namespace {

// Copies the source to target, upright. Pictures that are already upright
// are copied byte for byte, so they lose nothing to a second compression.
bool CopyUpright(const QString &sourcePath, const QString &target)
{
    const int orientation = ExifOrientation(sourcePath);
    if (orientation >= 2 && orientation <= 8) {
        QImage image = LoadImageFile(sourcePath).image;
        if (Upright(image, orientation)) {
            // A PNG stays a PNG so that its transparency survives.
            if (ContainsPastFirst(target, ".png"))
                return SaveImageFile(image, target, "image/png");
            return SaveImageFile(image, target, "image/jpeg", kPictureJpegQuality);
        }
    }
    return QFile::copy(sourcePath, target);
}

} // namespace

ImportedPicture ImportPicture(const QString &sourcePath, StripData &strip, const ImageAssets &assets)
{
    ImportedPicture imported;
    if (!IsImportablePicture(sourcePath) || assets.workFolder.isEmpty())
        return imported;

    // A picture that cannot be drawn would only leave an empty frame and a
    // file that every later save carries along.
    QString why;
    if (!CheckImageFile(sourcePath, &why)) {
        imported.error = QStringLiteral("%1 %2").arg(sourcePath, why);
        return imported;
    }
    const QString fileName = NormalisedPictureFileName(FileNameOfPath(sourcePath));
    const QString target = UniquePicturePath(assets.file(fileName));
    // A source that vanished meanwhile or a full disk leaves the strip as it
    // was rather than pointing it at a file that does not exist.
    if (!CopyUpright(sourcePath, target) || !QFileInfo::exists(target)) {
        QFile::remove(target);
        imported.error = QStringLiteral("%1 cannot be copied into %2").arg(sourcePath, assets.workFolder);
        return imported;
    }

    const QSize stored = QImageReader(target).size();
    imported.size = stored.isValid() ? stored : QSize(0, 0);
    const int width = imported.size.width();
    const int height = imported.size.height();

    if ((width > kReductionLimit || height > kReductionLimit) && target.contains(QLatin1String(".jpg")) &&
        QFileInfo(target).size() > kReductionSizeThreshold)
        ReducePictureInPlace(target, kReductionLimit);

    if (width < kLowResolutionThreshold && height < kLowResolutionThreshold)
        assets.prompts.showMessage(kLowResolutionMessage.arg(width).arg(height));

    MakePictureProxy(target, assets.prompts);

    strip.SubImageFileName = target;
    strip.SubImageCropPercentageX = 100;
    strip.SubImageCropPercentageY = 100;
    strip.SubImageCropOriginPercentageX = 0;
    strip.SubImageCropOriginPercentageY = 0;
    strip.SubImageBrightnessFactor = 0;
    imported.attached = true;
    imported.path = target;
    return imported;
}

} // namespace zorvan
