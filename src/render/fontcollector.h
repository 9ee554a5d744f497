#pragma once

#include <QString>

namespace zorvan {

// Finds the file of an installed face and copies it into the work folder, so
// that a saved layout carries the fonts it was drawn with. The text drawing
// calls it once per face and composition while fonts are being collected.
// This base class collects nothing.
class FontCollector {
public:
    virtual ~FontCollector() = default;

    // The file name (no folder) of face's font, after copying the file into
    // workFolder unless a file of that name is there already; empty when the
    // face has no file to carry. A failed copy still returns the name.
    virtual QString CollectFontFile(const QString &face, const QString &workFolder);
};

} // namespace zorvan
