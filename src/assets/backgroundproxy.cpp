#include "assets/backgroundproxy.h"

#include "assets/imageassets.h"
#include "assets/imagescaling.h"
#include "document/userprompts.h"
#include "render/imaging.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace zorvan {

bool MakeBackgroundProxy(const ImageAssets &assets, bool fromContainer)
{
    if (!fromContainer)
        return false;
    const QString background = assets.file(kBackgroundFileName);
    // The header tells whether a proxy is needed, without decoding a small background.
    if (!ExceedsLimit(QImageReader(background).size(), kProxyLimit))
        return false;
    const QImage proxy = LoadAtMostLimit(background, kProxyLimit);
    if (proxy.isNull() || !SaveImageFile(proxy, assets.file(kBackgroundProxyFileName), "image/jpeg",
                                         kPictureJpegQuality)) {
        assets.prompts.showMessage(kBackgroundProxySaveFailedMessage);
        return false;
    }
    return true;
}

bool CopyBackgroundToWorkFolder(const QString &chosenPath, const ImageAssets &assets)
{
    const QString target = assets.file(kBackgroundFileName);
    const QFileInfo chosen(chosenPath);
    // Removing the target first would destroy the very file that was chosen.
    if (chosen.exists() && chosen.canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return true;
    if (!chosen.isFile())
        return false;
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(chosenPath, partial))
        return false;
    QFile::remove(target);
    return QFile::rename(partial, target);
}

} // namespace zorvan
