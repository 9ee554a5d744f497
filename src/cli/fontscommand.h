#pragma once

#include <QStringList>

class QIODevice;

namespace zorvan::cli {

// zorvan fonts FILE: every face the layout uses, whether this machine has it,
// and the font file the container carries for it.
int RunFontsCommand(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace zorvan::cli
