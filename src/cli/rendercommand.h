#pragma once

#include <QStringList>

class QIODevice;

namespace zorvan::cli {

// zorvan render FILE [-o OUT] [--white-print|--no-white-print]
//               [--rotate none|cw|ccw] [--area WxH] [--preview OUT.png]:
// writes the layout's TV image (or the preview) and prints its path.
int RunRenderCommand(const QStringList &args, QIODevice &out, QIODevice &err);

} // namespace zorvan::cli
