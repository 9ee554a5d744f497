#pragma once

#include <QStringList>

class QIODevice;

namespace zorvan::cli {

// zorvan layout-text FILE: the plain layout text the editor would save for
// the layout, with "Background.jpg" as its background.
int RunLayoutTextCommand(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace zorvan::cli
