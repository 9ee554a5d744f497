#include "assets/backgroundload.h"

#include "assets/backgroundproxy.h"
#include "assets/imageassets.h"
#include "assets/imagecheck.h"
#include "assets/pictureproxy.h"
#include "document/menudata.h"

namespace zorvan {

BackgroundLoad LoadBackgroundFiles(const QString &chosenPath, MenuData &doc, const ImageAssets &assets,
                                   bool fromContainer)
{
    BackgroundLoad load;
    QString why;
    if (!CheckImageFile(chosenPath, &why)) {
        load.error = QStringLiteral("%1 %2").arg(chosenPath, why);
        return load;
    }
    doc.BackgroundPath = chosenPath;
    // Without a work folder there is nowhere to keep the copy and its proxies.
    if (assets.workFolder.isEmpty())
        return load;
    load.copied = CopyBackgroundToWorkFolder(chosenPath, assets);
    load.backgroundProxyInUse = MakeBackgroundProxy(assets, fromContainer);
    load.pictureProxiesInUse = MakeProxiesForAllStrips(doc, fromContainer, assets.prompts);
    return load;
}

} // namespace zorvan
