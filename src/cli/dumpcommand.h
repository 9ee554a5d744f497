#pragma once

#include <QStringList>

class QIODevice;

namespace zorvan::cli {

// zorvan dump FILE: the layout as JSON on one line.
int RunDumpCommand(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace zorvan::cli
