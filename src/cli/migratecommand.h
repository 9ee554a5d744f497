#pragma once

#include <QStringList>

class QIODevice;

namespace zorvan::cli {

// zorvan migrate LEGACY.XZORVAN [--remove-legacy]: converts a legacy layout
// into a container beside it, as the editor does, and prints its path.
int RunMigrateCommand(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace zorvan::cli
