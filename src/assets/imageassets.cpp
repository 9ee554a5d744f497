#include "assets/imageassets.h"

#include <QDir>

namespace zorvan {

QString ImageAssets::file(const QString &name) const
{
    return QDir(workFolder).filePath(name);
}

} // namespace zorvan
