#include "assets/fontnames.h"

namespace zorvan {

QString FontLookupName(const QString &face)
{
    if (face == QLatin1String("Cubano"))
        return face + QLatin1String(" Normal");
    if (face == QLatin1String("ArtBrush"))
        return face + QLatin1String(" Medium");
    return face;
}

QString ShortenedFontFileName(const QString &fileName)
{
    const qsizetype underscore = fileName.indexOf(u'_');
    if (underscore < 1 || fileName.contains(QLatin1String("__")))
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString extension = dot > underscore ? fileName.mid(dot) : QString();
    return fileName.left(underscore) + extension;
}

namespace {

struct StandIn {
    const char *face;
    const char *families;
};

// Layouts keep the faces they were made with, so that they open unchanged on
// the other platform; these metric-compatible families draw them here.
const StandIn kStandIns[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Calibri", "Carlito"},
    {"Cambria", "Caladea"},
    {"Segoe UI", "Open Sans"},
    {"Segoe UI Black", "Open Sans ExtraBold;Open Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
};

} // namespace

QStringList FontStandInFamilies(const QString &face)
{
    for (const StandIn &s : kStandIns)
        if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(s.families).split(u';');
    return {};
}

QStringList FontStandInFaces()
{
    QStringList faces;
    for (const StandIn &s : kStandIns)
        faces << QString::fromLatin1(s.face);
    return faces;
}

} // namespace zorvan
