#pragma once

#include <QStringList>

namespace zorvan {

class FontCatalogue;

// Tells Qt to draw each well-known face this machine lacks with its installed
// stand-in, so that a layout from the other platform keeps its metrics here.
// Returns the faces given a stand-in. Call again after fonts are installed.
QStringList ApplyFontStandIns(const FontCatalogue &catalogue);

} // namespace zorvan
