#pragma once

#include "render/fontcollector.h"

namespace zorvan {

class FontCatalogue;

// Collects the installed file of each face a board is drawn with into the work
// folder, so that the container packed next carries it. Faces drawn by a
// stand-in, or not installed at all, have no file and are not collected.
class WorkFolderFontCollector : public FontCollector {
public:
    explicit WorkFolderFontCollector(const FontCatalogue &catalogue) : m_catalogue(catalogue) {}

    QString CollectFontFile(const QString &face, const QString &workFolder) override;

private:
    const FontCatalogue &m_catalogue;
};

} // namespace zorvan
