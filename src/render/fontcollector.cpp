#include "render/fontcollector.h"

namespace zorvan {

QString FontCollector::CollectFontFile(const QString &, const QString &)
{
    return QString();
}

} // namespace zorvan
