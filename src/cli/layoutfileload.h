#pragma once

#include <QString>

namespace zorvan {
class MenuData;
}

namespace zorvan::cli {

// Reads a layout text file (scrambled or plain) into doc the way Open does.
// backgroundFileName receives the stored background name. On failure returns
// false with the reason in *error and leaves doc as it was.
bool LoadLayoutFile(const QString &path, MenuData &doc, QString *backgroundFileName, QString *error);

} // namespace zorvan::cli
