#include "layoutfileload.h"

#include "document/layouttext.h"
#include "document/menudata.h"

#include <QFileInfo>

namespace zorvan::cli {

bool LoadLayoutFile(const QString &path, MenuData &doc, QString *backgroundFileName, QString *error)
{
    if (QFileInfo(path).isDir()) {
        *error = QStringLiteral("is a folder, not a layout file");
        return false;
    }
    QString text;
    if (!ReadLayoutTextFile(path, &text, error))
        return false;
    const LayoutReadResult result = ReadLayoutText(text, doc);
    if (!result.ok) {
        *error = result.error;
        return false;
    }
    *backgroundFileName = result.backgroundFileName;
    return true;
}

} // namespace zorvan::cli
