#pragma once

#include <QByteArray>
#include <QString>

namespace zorvan {
class MenuData;
class RenderState;
} // namespace zorvan

namespace zorvan::cli {

// The document JSON of "dump", with two more members after the fields of
// every listed strip: "Rects", the strip's screen rectangle and its three text
// screen rectangles as the last drawing recorded them ([x, y, w, h]), and
// "PriceTabSpacing", the tab spacing its prices block was drawn with.
QByteArray DocumentJsonWithRects(const MenuData &doc, const QString &backgroundFileName, const RenderState &state);

} // namespace zorvan::cli
