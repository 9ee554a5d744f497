#pragma once

#include <QSize>
#include <QString>

namespace zorvan {

struct ImageAssets;
struct StripData;

struct ImportedPicture {
    // False when the source was not taken; the strip is then unchanged.
    bool attached = false;
    // The copy in the work folder.
    QString path;
    // The stored size of the copy before any reduction; 0 x 0 when it cannot be read.
    QSize size;
    // Why an accepted name was still refused (a folder, a vanished file, a
    // damaged or oversized picture, a full disk); empty when attached or
    // ignored silently for its name.
    QString error;
};

// Brings a picture into the work folder under a free name, upright and
// reduced when it is a very large JPEG, makes its proxy and attaches it to
// the strip, whole and without brightness. A source whose name is not
// accepted is ignored without a message; one that is not a usable picture
// is refused with a reason, and nothing is copied. Once it returns attached, the
// caller puts picture proxies in use.
ImportedPicture ImportPicture(const QString &sourcePath, StripData &strip, const ImageAssets &assets);

} // namespace zorvan
