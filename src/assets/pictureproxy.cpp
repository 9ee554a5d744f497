#include "assets/pictureproxy.h"

#include "assets/imageassets.h"
#include "assets/imagescaling.h"
#include "assets/picturenames.h"
#include "document/menudata.h"
#include "document/userprompts.h"
#include "render/brightness.h"
#include "render/imaging.h"
#include "render/strippicture.h"

#include <QFile>
#include <QImageReader>

namespace zorvan {

namespace {

enum class ProxyOutcome { Copied, Saved, Failed };

bool IsGif(const QString &path)
{
    return path.contains(QLatin1String(".gif"));
}

// The proxy is always named the way the preview looks for it. A picture
// named ".JPG" therefore gets "_Proxy.jpg" also when it is scaled, instead
// of the proxy being written over the picture itself.
QString ProxyPathOf(const QString &picturePath)
{
    const QString proxy = PictureProxyName(picturePath);
    return proxy == picturePath ? QString() : proxy;
}

QSize StoredSize(const QString &path)
{
    const QSize size = QImageReader(path).size();
    return size.isValid() ? size : QSize(0, 0);
}

bool SaveProxy(const QImage &proxy, const QString &picturePath, const QString &proxyPath, int jpegQuality)
{
    if (proxyPath.isEmpty())
        return false;
    if (ContainsPastFirst(picturePath, ".png"))
        return SaveImageFile(proxy, proxyPath, "image/png");
    return SaveImageFile(proxy, proxyPath, "image/jpeg", jpegQuality);
}

// A proxy made from the picture as it stands. A scaled proxy carries the
// brightness; a small picture is copied as it is, unless bakeSmall asks for
// its brightness too.
ProxyOutcome MakeProxy(const QString &picturePath, int brightness, bool bakeSmall, UserPrompts &prompts)
{
    const QString proxyPath = ProxyPathOf(picturePath);
    if (proxyPath.isEmpty())
        return ProxyOutcome::Failed;
    if (IsGif(picturePath)) {
        // Animated and large GIF pictures are never scaled.
        QFile::copy(picturePath, proxyPath);
        return ProxyOutcome::Copied;
    }
    if (!ExceedsLimit(StoredSize(picturePath), kProxyLimit) && (brightness == 0 || !bakeSmall)) {
        QFile::copy(picturePath, proxyPath);
        return ProxyOutcome::Copied;
    }
    QImage proxy = LoadAtMostLimit(picturePath, kProxyLimit);
    AdjustBrightness(PictureTypeFromName(picturePath), proxy, brightness);
    if (!SaveProxy(proxy, picturePath, proxyPath, kPictureJpegQuality)) {
        prompts.showMessage(kProxySaveFailedMessage);
        return ProxyOutcome::Failed;
    }
    return ProxyOutcome::Saved;
}

} // namespace

bool MakePictureProxy(const QString &picturePath, UserPrompts &prompts)
{
    return MakeProxy(picturePath, 0, false, prompts) != ProxyOutcome::Failed;
}

bool RemakeStripPictureProxy(const StripData &strip, UserPrompts &prompts)
{
    const QString &picturePath = strip.SubImageFileName;
    const QString proxyPath = ProxyPathOf(picturePath);
    bool saved = false;
    if (proxyPath.isEmpty()) {
        saved = false;
    } else if (IsGif(picturePath) && !ContainsPastFirst(picturePath, ".png")) {
        // There is no GIF encoder here, and the brightness buttons leave GIF
        // pictures alone: the proxy stays a plain copy of the picture.
        QFile::remove(proxyPath);
        saved = QFile::copy(picturePath, proxyPath);
    } else {
        QImage proxy = LoadAtMostLimit(picturePath, kProxyLimit);
        AdjustBrightness(PictureTypeFromName(picturePath), proxy, strip.SubImageBrightnessFactor);
        saved = SaveProxy(proxy, picturePath, proxyPath, kRemadeProxyJpegQuality);
    }
    if (!saved)
        prompts.showMessage(kBackgroundProxySaveFailedMessage);
    return saved;
}

bool MakeProxiesForAllStrips(const MenuData &doc, bool fromContainer, UserPrompts &prompts)
{
    if (!fromContainer)
        return false;
    bool made = false;
    for (int column = 0; column < doc.NumberOfColumns; ++column) {
        for (int row = 0; row < doc.NumberOfRows; ++row) {
            const StripData &strip = doc.strip(column, row);
            const QString &path = strip.SubImageFileName;
            if (path.isEmpty())
                continue;
            bool known = false;
            for (const char *extension : {".jpg", ".JPG", ".png", ".gif"})
                known = known || path.contains(QLatin1String(extension));
            if (!known)
                continue;
            // A small picture with a brightness gets it baked in like a
            // scaled one, or the preview and the saved TV image, which draw
            // from proxies without adding brightness, would show it unchanged.
            switch (MakeProxy(path, strip.SubImageBrightnessFactor, true, prompts)) {
            case ProxyOutcome::Saved: made = true; break;
            case ProxyOutcome::Failed: made = false; break;
            case ProxyOutcome::Copied: break;
            }
        }
    }
    return made;
}

} // namespace zorvan
