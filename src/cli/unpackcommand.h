#pragma once

#include <QStringList>

class QIODevice;

namespace zorvan::cli {

// zorvan unpack CONTAINER DIR: extracts a container as Open does and lists
// the files it wrote.
int RunUnpackCommand(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace zorvan::cli
