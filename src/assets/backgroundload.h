#pragma once

#include <QString>

namespace zorvan {

class MenuData;
struct ImageAssets;

// The proxy flags a background load leaves behind.
struct BackgroundLoad {
    // Why the chosen file was refused; the document and the work folder are then unchanged.
    QString error;
    bool copied = false;
    bool backgroundProxyInUse = false;
    bool pictureProxiesInUse = false;
};

// The file part of Load New Background Image, once a file is chosen: the
// chosen path becomes the layout's background, its copy "Background.jpg" in
// the work folder gets its proxy, and every strip picture its proxy. The
// strips keep their contents. A file that is not a usable picture is refused
// before anything changes.
BackgroundLoad LoadBackgroundFiles(const QString &chosenPath, MenuData &doc, const ImageAssets &assets,
                                   bool fromContainer);

} // namespace zorvan
