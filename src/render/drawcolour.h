#pragma once

#include "document/colour.h"

#include <QColor>

namespace zorvan {

// Document colours are always drawn opaque.
inline QColor ToQColor(Colour c)
{
    return QColor(ColourRed(c), ColourGreen(c), ColourBlue(c));
}

} // namespace zorvan
