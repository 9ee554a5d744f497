#pragma once

#include "document/columnrow.h"

#include <QPoint>

namespace zorvan {

class Editor;

// Text mode entered on a prices block: the price under the click point is
// selected in the prices box, which takes the focus.
void PlacePriceCaret(Editor &editor, const ColumnRow &strip, const QPoint &clickPoint);

} // namespace zorvan
