#pragma once

#include <QString>

namespace zorvan {

// The environment variable naming the folder the Open dialog shows first.
inline constexpr char kOpenFolderVariable[] = "ZORVAN_OPEN_FOLDER";

// Where the Open dialog starts until a layout has been opened: the program's
// own folder, unless openFolder (the value of ZORVAN_OPEN_FOLDER) names an
// existing folder; scripts/run-editor and the desktop entry point it at the
// demo boards, which do not lie beside the program. Both end with '/'.
QString InitialOpenFolder(const QString &programFolder, const QString &openFolder);

} // namespace zorvan
