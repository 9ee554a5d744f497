#pragma once

#include <QString>
#include <QStringList>

namespace zorvan {

// The name a face is looked up under: layouts name "Cubano" and "ArtBrush"
// by family, but those fonts are known by a style-qualified name.
QString FontLookupName(const QString &face);

// Font files installed as "Brand_Bold.ttf" travel as "Brand.ttf": layouts
// from the other platform list them under the shortened name. A name with
// "__" in it, or whose only '_' is its first character, stays as it is.
QString ShortenedFontFileName(const QString &fileName);

// The free families that draw in place of a well-known face when the face
// itself is not installed, best first. Empty for any other face.
QStringList FontStandInFamilies(const QString &face);
// The faces that have stand-ins.
QStringList FontStandInFaces();

} // namespace zorvan
