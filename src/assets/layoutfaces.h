#pragma once

#include <QStringList>

namespace zorvan {

class MenuData;

// The faces the layout draws text with: those of the blocks with text in the
// grid in use, column by column, once each in the order first met.
QStringList LayoutFaces(const MenuData &doc);

} // namespace zorvan
