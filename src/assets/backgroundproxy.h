#pragma once

#include <QString>

namespace zorvan {

struct ImageAssets;

// Reduces "Background.jpg" of the work folder to "Background_Proxy.jpg",
// 1600 pixels on its longer side, JPEG at quality 80. Only for layouts whose
// files are the copies in the work folder (fromContainer), and only when the
// background is wider or taller than 1600 pixels. Returns whether the proxy
// was made; the caller keeps that in the background-proxy flag.
bool MakeBackgroundProxy(const ImageAssets &assets, bool fromContainer);

// Copies the chosen background over "Background.jpg" in the work folder.
// Choosing that very file leaves it as it is.
bool CopyBackgroundToWorkFolder(const QString &chosenPath, const ImageAssets &assets);

} // namespace zorvan
