#include "assets/fontstandinsubstitution.h"

#include "assets/fontcatalogue.h"
#include "assets/fontnames.h"

#include <QFont>

namespace zorvan {

QStringList ApplyFontStandIns(const FontCatalogue &catalogue)
{
    QStringList applied;
    for (const QString &name : FontStandInFaces()) {
        QFont::removeSubstitutions(name);
        const QString standIn = catalogue.StandInFamily(name);
        if (standIn.isEmpty())
            continue;
        QFont::insertSubstitution(name, standIn);
        applied << name;
    }
    return applied;
}

} // namespace zorvan
